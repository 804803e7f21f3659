// The command line's whole job: settings in, site out, report on stdout.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tessivane::cli {

/// Runs the command line with these arguments (argv[0] first) and gives the exit status.
int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err);

}  // namespace tessivane::cli
