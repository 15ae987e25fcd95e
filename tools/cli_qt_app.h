// The Qt application object that commands measuring with real fonts need.
#pragma once

#include <memory>

class QGuiApplication;

namespace wenlocke::cli {

// Qt needs an application object for its font database; a headless run gets the offscreen
// platform unless the environment names another. Returns none when one exists already.
std::unique_ptr<QGuiApplication> EnsureApplication();

} // namespace wenlocke::cli
