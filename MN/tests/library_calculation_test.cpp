// The calculation command with the real library, called through its public
// C header exactly as `frontend` calls it.
#include "fake_dialog_controls.h"
#include "mn/main_dialog_handlers.h"
#include "mn/resource.h"

#include "kelvab/kelvab.h"
#include "tervol/tervol.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;
using mn::testing::file_bytes;
using mn::testing::fixed_date_time;
namespace id = mn::id;

class LibraryCalculationTest : public ::testing::Test {
protected:
    void SetUp() override {
        directory = mn::testing::fresh_test_directory("mn_library_");
        setenv("TEMP", directory.c_str(), 1);
        services.methan = &METHAN;
        services.dllver = &DLLVER;
        services.date_time = &fixed_date_time;
        handlers = std::make_unique<mn::MainDialogHandlers>(state, controls, services);
        handlers->set_up();
    }
    void TearDown() override { fs::remove_all(directory); }

    void type(int slot, const std::string& text) {
        controls.texts[id::component_field(slot)] = text;
        handlers->component_text_changed(id::component_field(slot));
    }

    fs::path directory;
    mn::FrontState state;
    mn::testing::FakeDialogControls controls;
    mn::FrontServices services;
    std::unique_ptr<mn::MainDialogHandlers> handlers;
};

TEST_F(LibraryCalculationTest, VersionFromTheLibrary) {
    EXPECT_EQ(controls.texts[id::library_version_field], "2.0.1");
}

TEST_F(LibraryCalculationTest, PublishedExampleShowsEighty) {
    // Published example for 90 % CH4 / 10 % C2H6 in volume percent: MN 79.6
    // in both listing lines, 80 in the result field.
    type(11, "90");
    type(9, "10");
    handlers->button_clicked(id::calculate_button);
    EXPECT_TRUE(controls.modal_boxes.empty());
    EXPECT_EQ(state.status_code, 0);
    EXPECT_NEAR(state.methane_number, 79.6164f, 0.001f);
    EXPECT_EQ(controls.texts[id::result_field], "    80");
    EXPECT_TRUE(controls.is_enabled(id::result_field));
    EXPECT_EQ(file_bytes(directory / "mn.lst"),
              file_bytes(fs::path(MN_TEST_DATA) / "mn_example.lst"));
}

TEST_F(LibraryCalculationTest, InertGasesAloneGiveZero) {
    // No combustible part: 50 % N2 and 50 % CO2 yield status 0 and MN 0.
    type(14, "50");
    type(15, "50");
    handlers->button_clicked(id::calculate_button);
    EXPECT_TRUE(controls.modal_boxes.empty());
    EXPECT_EQ(controls.texts[id::result_field], "     0");
}

} // namespace
