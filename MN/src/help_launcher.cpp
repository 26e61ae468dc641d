#include "mn/help_launcher.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>

extern char** environ;

namespace mn {
namespace {

// Whether the last help worker could start the interpreter. Written by the
// workers only and never read.
std::atomic<bool> help_worker_started{false};

void help_worker(int32_t request_code, const std::string& command_line) {
    if (request_code == 1) {
        help_worker_started = run_command_interpreter(interpreter_arguments(command_line));
    }
}

} // namespace

std::string help_document_path(const std::string& executable_directory) {
    namespace fs = std::filesystem;
    const fs::path directory(executable_directory);
    const fs::path installed = (directory / MN_INSTALLED_HELP_DOCUMENT).lexically_normal();
    const fs::path built = directory / "readme.pdf";
    std::error_code error;
    if (!fs::exists(installed, error) && fs::exists(built, error)) {
        return built.string();
    }
    return installed.string();
}

std::string open_document_command_line(const std::string& document) {
    std::string quoted = "'";
    for (char c : document) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    quoted += "'";
    return "xdg-open " + quoted;
}

std::vector<std::string> interpreter_arguments(const std::string& command_line) {
    const char* comspec = std::getenv("COMSPEC");
    if (comspec != nullptr && *comspec != '\0') {
        return {comspec, "/c", command_line};
    }
    return {"/bin/sh", "-c", command_line};
}

bool run_command_interpreter(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return false;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

void HelpLauncher::start_worker(int32_t request_code) const {
    try {
        std::thread(help_worker, request_code, command_line_).detach();
    } catch (const std::system_error&) {
        // The thread could not be started: nothing happens.
    }
}

} // namespace mn
