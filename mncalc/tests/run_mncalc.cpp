#include "run_mncalc.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace mncalc_test {

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string fixture(const std::string& name) {
    return std::string(MNCALC_FIXTURES) + "/" + name;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

TempFile::TempFile(const std::string& content, const std::string& name) {
    char pattern[] = "/tmp/mncalc_test_XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    directory_ = pattern;
    path_ = directory_ + "/" + name;
    std::ofstream(path_, std::ios::binary) << content;
}

TempFile::~TempFile() {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

std::string TempFile::read() const {
    return read_file(path_);
}

Run run_mncalc(const std::vector<std::string>& arguments, const std::string& input) {
    const TempFile in(input, "stdin");
    const std::string out_path = in.directory() + "/stdout";
    const std::string err_path = in.directory() + "/stderr";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.path().c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);

    std::vector<std::string> words = {MNCALC_BINARY};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    Run run;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, MNCALC_BINARY, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " MNCALC_BINARY);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = read_file(out_path);
    run.err = read_file(err_path);
    return run;
}

} // namespace mncalc_test
