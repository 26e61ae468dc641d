#include "mn/help_launcher.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

namespace fs = std::filesystem;

class HelpLauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        directory = mn::testing::fresh_test_directory("mn_help_");
        if (const char* comspec = std::getenv("COMSPEC")) {
            saved_comspec = comspec;
        }
    }
    void TearDown() override {
        if (saved_comspec.empty()) {
            unsetenv("COMSPEC");
        } else {
            setenv("COMSPEC", saved_comspec.c_str(), 1);
        }
        fs::remove_all(directory);
    }

    // A stand-in command interpreter that appends its arguments to a file.
    fs::path recording_interpreter() {
        const fs::path script = directory / "interpreter";
        // One write per call, so that concurrent workers do not interleave.
        std::ofstream(script) << "#!/bin/sh\nline=''\nfor a in \"$@\"; do line=\"$line[$a]\"; done\n"
                              << "printf '%s\\n' \"$line\" >> '" << (directory / "calls").string()
                              << "'\n";
        fs::permissions(script, fs::perms::owner_all);
        return script;
    }

    std::string calls() const { return mn::testing::file_bytes(directory / "calls"); }

    fs::path directory;
    std::string saved_comspec;
};

TEST_F(HelpLauncherTest, CommandLineOpensTheDocument) {
    EXPECT_EQ(mn::open_document_command_line("/usr/share/doc/tervol/readme.pdf"),
              "xdg-open '/usr/share/doc/tervol/readme.pdf'");
    EXPECT_EQ(mn::open_document_command_line("/opt/it's here/readme.pdf"),
              "xdg-open '/opt/it'\\''s here/readme.pdf'");
}

TEST_F(HelpLauncherTest, InterpreterFromComspecOrTheStandardShell) {
    unsetenv("COMSPEC");
    EXPECT_EQ(mn::interpreter_arguments("xdg-open 'x'"),
              (std::vector<std::string>{"/bin/sh", "-c", "xdg-open 'x'"}));
    setenv("COMSPEC", "/usr/local/bin/cmd", 1);
    EXPECT_EQ(mn::interpreter_arguments("xdg-open 'x'"),
              (std::vector<std::string>{"/usr/local/bin/cmd", "/c", "xdg-open 'x'"}));
}

TEST_F(HelpLauncherTest, DocumentPathInstalledOrBuilt) {
    const fs::path bin = directory / "bin";
    fs::create_directories(bin);
    // Nothing there yet: the installed location.
    EXPECT_EQ(mn::help_document_path(bin.string()),
              (directory / "share/doc/tervol/readme.pdf").string());
    std::ofstream(bin / "readme.pdf") << "%PDF";
    EXPECT_EQ(mn::help_document_path(bin.string()), (bin / "readme.pdf").string());
    fs::create_directories(directory / "share/doc/tervol");
    std::ofstream(directory / "share/doc/tervol/readme.pdf") << "%PDF";
    EXPECT_EQ(mn::help_document_path(bin.string()),
              (directory / "share/doc/tervol/readme.pdf").string());
}

TEST_F(HelpLauncherTest, RunsTheInterpreterAndWaits) {
    const fs::path interpreter = recording_interpreter();
    EXPECT_TRUE(mn::run_command_interpreter({interpreter.string(), "/c", "open it"}));
    EXPECT_EQ(calls(), "[/c][open it]\n");
    EXPECT_FALSE(mn::run_command_interpreter({(directory / "missing").string(), "/c", "x"}));
}

TEST_F(HelpLauncherTest, EachWorkerRunsTheCommandOnce) {
    setenv("COMSPEC", recording_interpreter().c_str(), 1);
    const mn::HelpLauncher launcher("xdg-open '/doc/readme.pdf'");
    for (int click = 0; click < 3; ++click) {
        launcher.start_worker(1);
    }
    launcher.start_worker(2); // no other request code does anything
    const std::string expected_line = "[/c][xdg-open '/doc/readme.pdf']\n";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (calls() != expected_line + expected_line + expected_line &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(calls(), expected_line + expected_line + expected_line);
}

} // namespace
