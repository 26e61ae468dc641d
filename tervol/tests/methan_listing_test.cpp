// The report file of the exported entries, in the directory named by TEMP.
#include "report_test_support.hpp"
#include "tables.hpp"
#include "tervol/tervol.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
namespace slot = tervol::tables;
using report_test::gas;
using report_test::read_file;

struct Outcome {
    int32_t status = 99;
    float methane_number = -1.0f;
    float methane_number_inert_free = -1.0f;
};

Outcome methan(const tervol::Composition& composition) {
    Outcome o;
    METHAN(composition.data(), &o.status, &o.methane_number, &o.methane_number_inert_free);
    return o;
}

// A fresh directory for each test, named by TEMP while the test runs.
class MethanListing : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tervol-listing-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        ::setenv("TEMP", dir_.c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("TEMP");
        fs::remove_all(dir_);
    }
    fs::path report_path() const { return dir_ / "tervol.lst"; }
    fs::path dir_;
};

// "dd.mm.yy  hh:mm:ss" after the request text of the header.
bool has_clock_stamp(const std::string& report) {
    const std::string request = "\r\n     INTERNAL REQUEST       ";
    const std::size_t at = report.find(request);
    if (at == std::string::npos) {
        return false;
    }
    const std::string stamp = report.substr(at + request.size(), 20);
    const std::string layout = "99.99.99  99:99:99\r\n";
    if (stamp.size() != layout.size()) {
        return false;
    }
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const bool digit = stamp[i] >= '0' && stamp[i] <= '9';
        if (layout[i] == '9' ? !digit : stamp[i] != layout[i]) {
            return false;
        }
    }
    return true;
}

// The report of the same calculation through the C++ interface, with the
// header's date and time taken from `like`.
std::string expected_report(const tervol::Composition& composition, const std::string& like) {
    const std::size_t stamp_at = like.find("INTERNAL REQUEST       ");
    EXPECT_NE(stamp_at, std::string::npos);
    const std::string stamp = like.substr(stamp_at + 23, 18);
    std::ostringstream out(std::ios::binary);
    tervol::calculate_with_report(
        composition, out, report_test::stamp(stamp.substr(0, 8), stamp.substr(10, 8)));
    return out.str();
}

TEST_F(MethanListing, EveryCallLeavesItsReport) {
    const tervol::Composition cases[] = {
        gas({{slot::CH4, 90.0f}, {slot::C2H6, 10.0f}}),
        gas({{slot::N2, 50.0f}, {slot::CO2, 50.0f}}),
        gas({{slot::CH4, 80.0f}, {slot::O2, 10.0f}}), // rejected
    };
    for (const auto& composition : cases) {
        const Outcome o = methan(composition);
        const tervol::Result r = tervol::calculate(composition);
        EXPECT_EQ(o.status, r.status);
        const std::string report = read_file(report_path().string());
        EXPECT_TRUE(has_clock_stamp(report));
        EXPECT_EQ(report, expected_report(composition, report));
    }
}

TEST_F(MethanListing, SecondCallReplacesTheFirstReport) {
    methan(gas({{slot::CH4, 90.0f}, {slot::C2H6, 10.0f}}));
    const auto rejected = gas({{slot::CH4, 50.0f}});
    methan(rejected);
    const std::string report = read_file(report_path().string());
    EXPECT_EQ(report, expected_report(rejected, report));
}

TEST_F(MethanListing, MzveksLeavesTheReportToo) {
    double v[17] = {};
    v[slot::CH4 - 1] = 100.0;
    int32_t status = 99;
    double mn = 0, mn_inert_free = 0, heating = 0, air = 0;
    MZVEKS(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11],
           &v[12], &v[13], &v[14], &v[15], &v[16], &status, &mn, &mn_inert_free, &heating, &air);
    const std::string report = read_file(report_path().string());
    EXPECT_EQ(report, expected_report(gas({{slot::CH4, 100.0f}}), report));
}

TEST_F(MethanListing, TempIsCutAtItsFirstBlank) {
    ::setenv("TEMP", (dir_.string() + " and more").c_str(), 1);
    methan(gas({{slot::CH4, 100.0f}}));
    EXPECT_TRUE(fs::exists(report_path()));
}

std::set<fs::path> tree(const fs::path& dir) {
    std::set<fs::path> paths;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        paths.insert(entry.path());
    }
    return paths;
}

// Whatever stops the report, the call returns what the calculation alone
// does, and no file appears anywhere else.
TEST_F(MethanListing, UnwritableReportLeavesTheResultAlone) {
    const std::string dir = dir_.string();
    const std::string long_dir = dir + "/" + std::string(244 - dir.size() - 1, 'x'); // 244 characters
    fs::create_directories(long_dir + "y");
    fs::create_directories(dir_ / "blocked" / "tervol.lst"); // a directory where the file would go
    fs::create_directories(dir_ / "piped");
    ASSERT_EQ(::mkfifo((dir_ / "piped" / "tervol.lst").c_str(), 0600), 0); // nobody reads it
    const std::set<fs::path> before = tree(dir_);
    struct Case {
        const char* what;
        std::string temp;
    };
    const Case cases[] = {
        {"missing directory", dir + "/missing"},
        {"blank cuts TEMP to a missing directory", dir + "/miss ing"},
        {"report name taken by a directory", dir + "/blocked"},
        {"report name taken by a pipe without a reader: no hang", dir + "/piped"},
        {"path of 256 characters: neither written nor cut", long_dir + "y"},
    };
    const auto composition = gas({{slot::CH4, 90.0f}, {slot::C2H6, 10.0f}});
    const tervol::Result expected = tervol::calculate(composition);
    for (const Case& c : cases) {
        ::setenv("TEMP", c.temp.c_str(), 1);
        const Outcome o = methan(composition);
        EXPECT_EQ(o.status, expected.status) << c.what;
        EXPECT_EQ(o.methane_number, expected.methane_number) << c.what;
        EXPECT_EQ(o.methane_number_inert_free, expected.methane_number_inert_free) << c.what;
        EXPECT_EQ(tree(dir_), before) << c.what;
    }
    // A path of exactly 255 characters is still written.
    fs::create_directories(long_dir);
    ::setenv("TEMP", long_dir.c_str(), 1);
    methan(composition);
    EXPECT_EQ((long_dir + "/tervol.lst").size(), 255u);
    EXPECT_TRUE(fs::exists(long_dir + "/tervol.lst"));
}

} // namespace
