// Renders the main window into a PNG without user interaction: for machines without a display
// and for checking the layout by eye.
#pragma once

#include <string>
#include <vector>

namespace wenlocke {

class TForm1;

// Chooses the rows ROWS[0] of the group list, ROWS[1] of the notebook list and ROWS[2] of the
// snapshot list, in that order, as a user's clicks would. Returns an error text when a row does
// not exist; the rows chosen before it stay chosen.
std::string SelectRows(TForm1& form, const std::vector<int>& rows);

// Shows FORM maximized over its work area, chooses ROWS, and saves the window to PATH.
// Returns the process exit code; problems are reported on stderr.
int SaveScreenshot(TForm1& form, const std::vector<int>& rows, const std::string& path);

} // namespace wenlocke
