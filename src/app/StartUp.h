// The program from its start to its end: shared objects, the window, the message loop, shutdown.
#pragma once

namespace tessivane::app {

/// Returns the exit code once the main window is gone and ShutDown has run.
int StartUp(int argc, char** argv);

}  // namespace tessivane::app
