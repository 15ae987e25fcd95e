// The error type of the history browser. Its what() is the text shown to the user as it is;
// the window adds the final period when it shows it in an error box.
#pragma once

#include <stdexcept>
#include <string>

namespace wenlocke {

class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "List index out of bounds (%d)": a catalog line lacks the field asked for.
AppError ListIndexError(int index);

// "Unable to write to %s": the settings file could not be written.
AppError WriteError(const std::string& path);

} // namespace wenlocke
