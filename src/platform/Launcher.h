// Starting other programs: the desktop's handler for a folder or address.
#pragma once

#include <string>
#include <vector>

namespace tessivane::platform {

/// Starts a program with these arguments (argv[0] looked up on PATH) without waiting for
/// it; false when it could not be started.
bool StartProgram(const std::vector<std::string>& argv);

/// True when a program of that name is found on PATH.
bool ProgramExists(const std::string& name);

/// Opens a folder or an address with the desktop's handler (xdg-open).
bool OpenWithDesktop(const std::string& target);

}  // namespace tessivane::platform
