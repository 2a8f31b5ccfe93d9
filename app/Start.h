#pragma once

namespace app {

// Starts the program: installs the navigation and loads the main window. Returns the
// exit status when the program must end at once (a second copy, or data it cannot start
// without), else -1.
int startProgram();

}  // namespace app
