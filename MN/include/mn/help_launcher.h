// Help: the help document, run through the command interpreter
// from a detached worker thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mn {

// Where "C:\MN\readme.pdf" lives here: the installed guide relative to the
// directory of the `frontend` executable (../share/doc/tervol/readme.pdf),
// or, in the build tree, readme.pdf beside the executable. The installed
// location when neither exists.
std::string help_document_path(const std::string& executable_directory);

// The command line that opens `document` in the desktop's registered
// application: xdg-open with the path quoted for the shell.
std::string open_document_command_line(const std::string& document);

// The interpreter's arguments: the program named by "COMSPEC" with "/c" and
// the command line when that variable is set, otherwise /bin/sh with "-c".
std::vector<std::string> interpreter_arguments(const std::string& command_line);

// Runs the interpreter and waits until it returns. True when it could be
// started.
bool run_command_interpreter(const std::vector<std::string>& arguments);

// Starts help workers. Each call starts a new detached thread that, for
// request code 1, runs the command line through the interpreter; the caller
// never waits for it and a thread that cannot be started is ignored.
class HelpLauncher {
public:
    explicit HelpLauncher(std::string command_line) : command_line_(std::move(command_line)) {}
    void start_worker(int32_t request_code) const;

private:
    std::string command_line_;
};

} // namespace mn
