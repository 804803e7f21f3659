// Starting other programs without waiting for them; a detached waiter reaps each child.
#include "platform/Launcher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <thread>

extern char** environ;

namespace tessivane::platform {

bool StartProgram(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        return false;
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) {
        return false;
    }
    std::thread([pid] {
        int status = 0;
        ::waitpid(pid, &status, 0);
    }).detach();
    return true;
}

bool ProgramExists(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string_view rest = path != nullptr ? path : "/usr/bin:/bin";
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        const std::string candidate = std::string(rest.substr(0, colon)) + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0) {
            return true;
        }
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
    return false;
}

bool OpenWithDesktop(const std::string& target) {
    return StartProgram({"xdg-open", target});
}

}  // namespace tessivane::platform
