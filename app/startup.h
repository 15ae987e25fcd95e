// Process-wide start-up settings of the window program.
#pragma once

namespace wenlocke {

// Registers the Windows face names that the window and stored documents ask for ("宋体",
// "Arial", ...) as font substitutions, so widget fonts find installed families.
void InstallFontSubstitutions();

// Program start once the application object exists: application title, Qt's locale, fonts.
void PrepareApplication();

} // namespace wenlocke
