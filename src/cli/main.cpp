// Entry point of tessivane-cli, the headless front end.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliRun.h"

int main(int argc, char** argv) {
    return tessivane::cli::RunCli(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr);
}
