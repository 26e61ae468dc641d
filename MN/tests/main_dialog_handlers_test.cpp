// The main dialog's behaviour without a display: composition entry, the
// calculation command, help and exit.
#include "fake_dialog_controls.h"
#include "mn/front_listing.h"
#include "mn/main_dialog_handlers.h"
#include "mn/resource.h"
#include "mn/unit_conversion.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using mn::testing::file_bytes;
using mn::testing::fixed_date_time;
using mn::testing::FakeDialogControls;
namespace id = mn::id;

// What the fake library answers, and what it was given.
struct FakeLibrary {
    int32_t status = 0;
    float methane_number = 0.0f;
    float methane_number_inert_free = 0.0f;
    mn::ComponentValues received{};
    int calls = 0;
};
FakeLibrary fake_library;

void fake_methan(const float composition[17], int32_t* status, float* methane_number,
                 float* methane_number_inert_free) {
    std::copy(composition, composition + 17, fake_library.received.begin());
    ++fake_library.calls;
    *status = fake_library.status;
    *methane_number = fake_library.methane_number;
    *methane_number_inert_free = fake_library.methane_number_inert_free;
}

void fake_dllver(int32_t* major, int32_t* minor, int32_t* patch) {
    *major = 2;
    *minor = 0;
    *patch = 1;
}

class MainDialogHandlersTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake_library = FakeLibrary{};
        directory = mn::testing::fresh_test_directory("mn_handlers_");
        setenv("TEMP", directory.c_str(), 1);
        services.methan = &fake_methan;
        services.dllver = &fake_dllver;
        services.date_time = &fixed_date_time;
        services.start_help_worker = [this](int32_t code) { help_requests.push_back(code); };
        handlers = std::make_unique<mn::MainDialogHandlers>(state, controls, services);
        handlers->set_up();
    }
    void TearDown() override { fs::remove_all(directory); }

    // The user types `text` into the field of `slot`.
    void type(int slot, const std::string& text) {
        controls.texts[id::component_field(slot)] = text;
        handlers->component_text_changed(id::component_field(slot));
    }
    float entry(int slot) const { return state.entry_values[static_cast<std::size_t>(slot - 1)]; }
    std::string listing() const { return file_bytes(directory / "mn.lst"); }
    bool listing_exists() const { return fs::exists(directory / "mn.lst"); }

    fs::path directory;
    mn::FrontState state;
    FakeDialogControls controls;
    mn::FrontServices services;
    std::vector<int32_t> help_requests;
    std::unique_ptr<mn::MainDialogHandlers> handlers;
};

constexpr int ch4 = 11, c2h6 = 9, n2 = 14, co2 = 15, c5h12 = 13;

// ---- set-up -----------------------------------------------------

TEST_F(MainDialogHandlersTest, SetUpFillsTheDialog) {
    EXPECT_EQ(controls.texts[id::library_version_field], "2.0.1");
    for (int slot = 1; slot <= 17; ++slot) {
        EXPECT_EQ(controls.texts[id::component_field(slot)], "      .000");
    }
    EXPECT_EQ(controls.texts[id::total_field], "      .000");
    EXPECT_EQ(controls.list_entries, (std::vector<std::string>{" Volume-%", " Mol-%", " Mass-%"}));
    EXPECT_EQ(controls.selected_entry, " Volume-% ");
    // The result field is not written during set-up: blank and enabled.
    EXPECT_EQ(controls.texts.count(id::result_field), 0u);
    EXPECT_TRUE(controls.is_enabled(id::result_field));
    EXPECT_TRUE(controls.modal_boxes.empty());
}

// ---- composition entry ------------------------------------------

TEST_F(MainDialogHandlersTest, TypingUpdatesEntryValueAndTotal) {
    controls.texts[id::result_field] = "    80";
    type(ch4, "5");
    EXPECT_EQ(entry(ch4), 5.0f);
    EXPECT_EQ(state.total, 5.0f);
    EXPECT_EQ(controls.texts[id::total_field], "   5.000"); // 8 columns after a keystroke
    EXPECT_EQ(controls.texts[id::result_field], "");
    EXPECT_FALSE(controls.is_enabled(id::result_field));
    EXPECT_EQ(controls.texts[id::component_field(ch4)], "5"); // never rewritten while typing

    type(ch4, "95");
    type(n2, "5");
    EXPECT_EQ(controls.texts[id::total_field], " 100.000");
}

TEST_F(MainDialogHandlersTest, BlanksAndEmptiedFields) {
    type(ch4, "1 2");
    EXPECT_EQ(entry(ch4), 12.0f);
    type(n2, "3");
    EXPECT_EQ(state.total, 15.0f);
    type(ch4, "");
    EXPECT_EQ(entry(ch4), 0.0f);
    EXPECT_EQ(state.total, 3.0f);
    EXPECT_EQ(controls.texts[id::total_field], "   3.000");
}

TEST_F(MainDialogHandlersTest, NegativeFiguresLowerTheTotal) {
    type(ch4, "90");
    type(n2, "-5");
    EXPECT_EQ(state.total, 85.0f);
}

TEST_F(MainDialogHandlersTest, OnlyTwentyCharactersAreRead) {
    type(ch4, "1                   99");
    EXPECT_EQ(entry(ch4), 1.0f);
}

TEST_F(MainDialogHandlersTest, UnreadableTextLeavesTotalUntouched) {
    type(ch4, "40");
    type(ch4, "4x");
    EXPECT_EQ(entry(ch4), 40.0f);
    EXPECT_EQ(state.total, 40.0f);
    EXPECT_EQ(controls.texts[id::total_field], "  40.000");
    EXPECT_EQ(controls.texts[id::component_field(ch4)], "4x");
    EXPECT_FALSE(controls.is_enabled(id::result_field)); // the result is blanked all the same
}

TEST_F(MainDialogHandlersTest, TotalIsSummedInSlotOrderInSinglePrecision) {
    type(ch4, "0.1");
    type(n2, "0.2");
    type(co2, "0.7");
    EXPECT_EQ(state.total, (0.0f + 0.1f) + 0.2f + 0.7f);
}

TEST_F(MainDialogHandlersTest, PickingAUnitKeepsFiguresAndBlanksTheResult) {
    type(ch4, "90");
    controls.set_enabled(id::result_field, true);
    controls.texts[id::result_field] = "    80";
    controls.texts[id::unit_selector] = " Mol-%";
    handlers->unit_selection_changed();
    EXPECT_EQ(state.unit_text, " Mol-%    ");
    EXPECT_EQ(entry(ch4), 90.0f);
    EXPECT_EQ(state.total, 90.0f);
    EXPECT_EQ(controls.texts[id::result_field], "");
    EXPECT_FALSE(controls.is_enabled(id::result_field));
}

TEST_F(MainDialogHandlersTest, ClearAnsweredNoChangesNothing) {
    type(ch4, "90");
    controls.confirmation_answers = {id::no};
    handlers->button_clicked(id::clear_button);
    EXPECT_EQ(controls.modal_boxes, std::vector<std::string>{"confirm 2"});
    EXPECT_EQ(entry(ch4), 90.0f);
    EXPECT_EQ(state.confirmation_answer, id::no);
    EXPECT_EQ(controls.texts[id::component_field(ch4)], "90");
}

TEST_F(MainDialogHandlersTest, ClearAnsweredYesZeroesEverything) {
    controls.texts[id::unit_selector] = " Mass-%";
    handlers->unit_selection_changed();
    type(ch4, "90");
    controls.confirmation_answers = {id::yes};
    handlers->button_clicked(id::clear_button);
    for (int slot = 1; slot <= 17; ++slot) {
        EXPECT_EQ(entry(slot), 0.0f);
        EXPECT_EQ(controls.texts[id::component_field(slot)], "      .000");
    }
    EXPECT_EQ(controls.texts[id::total_field], "      .000");
    EXPECT_EQ(controls.texts[id::result_field], "");
    EXPECT_TRUE(controls.is_enabled(id::result_field));
    EXPECT_EQ(state.unit_text, mn::mass_percent);
}

// ---- checks -------------------------------------------------------

TEST_F(MainDialogHandlersTest, GasContentMissing) {
    std::ofstream(directory / "mn.lst") << "earlier";
    controls.texts[id::result_field] = "    80";
    controls.set_enabled(id::result_field, true);
    handlers->button_clicked(id::calculate_button);
    EXPECT_EQ(controls.modal_boxes,
              std::vector<std::string>{"warning Gas content missing ! | MN-calculation"});
    EXPECT_EQ(state.calculation_status, 1);
    EXPECT_EQ(state.confirmation_answer, id::ok);
    EXPECT_EQ(controls.texts[id::result_field], "    80");
    EXPECT_TRUE(controls.is_enabled(id::result_field));
    EXPECT_EQ(listing(), "earlier"); // nothing written
    EXPECT_EQ(fake_library.calls, 0);
}

TEST_F(MainDialogHandlersTest, TotalOutOfRangeAsksNothing) {
    for (const char* figure : {"94.99", "105.01"}) {
        controls.modal_boxes.clear();
        type(ch4, figure);
        handlers->button_clicked(id::calculate_button);
        ASSERT_EQ(controls.modal_boxes.size(), 1u) << figure;
        EXPECT_EQ(controls.modal_boxes[0],
                  "warning  The Total is < 95% or > 105%;\r correct the input please ! | "
                  "MN-calculation");
        EXPECT_EQ(state.calculation_status, 2);
    }
    EXPECT_FALSE(listing_exists());
}

TEST_F(MainDialogHandlersTest, BorderTotalsAskAndNoStops) {
    for (const char* figure : {"95", "105", "99.8", "100.2"}) {
        controls.modal_boxes.clear();
        type(ch4, figure);
        controls.texts[id::component_field(ch4)] = "typed"; // to see the redisplay
        controls.confirmation_answers = {id::no};
        handlers->button_clicked(id::calculate_button);
        EXPECT_EQ(controls.modal_boxes, std::vector<std::string>{"confirm 1"}) << figure;
        EXPECT_EQ(state.calculation_status, 2);
        EXPECT_EQ(state.total, std::stof(figure));
        EXPECT_EQ(controls.texts[id::component_field(ch4)],
                  mn::redisplay_field(std::stof(figure))); // redisplayed unchanged
    }
    EXPECT_FALSE(listing_exists());
    EXPECT_EQ(fake_library.calls, 0);
}

TEST_F(MainDialogHandlersTest, BorderTotalApportionedAfterYes) {
    type(ch4, "76");
    type(c2h6, "19");
    controls.confirmation_answers = {id::yes};
    handlers->button_clicked(id::calculate_button);
    EXPECT_EQ(controls.modal_boxes, std::vector<std::string>{"confirm 1"});
    EXPECT_EQ(entry(ch4), 80.0f);
    EXPECT_EQ(entry(c2h6), 20.0f);
    EXPECT_EQ(state.total, 100.0f);
    EXPECT_EQ(controls.texts[id::component_field(ch4)], "    80.000");
    EXPECT_EQ(controls.texts[id::total_field], "   100.000");
    EXPECT_EQ(fake_library.received[ch4 - 1], 80.0f);
}

TEST_F(MainDialogHandlersTest, NearlyHundredIsApportionedWithoutQuestion) {
    for (const char* figure : {"99.9", "100.1", "99.80001", "100.19999"}) {
        controls.modal_boxes.clear();
        type(ch4, figure);
        handlers->button_clicked(id::calculate_button);
        EXPECT_TRUE(controls.modal_boxes.empty()) << figure;
        EXPECT_EQ(entry(ch4), 100.0f);
        EXPECT_EQ(controls.texts[id::total_field], "   100.000");
    }
}

TEST_F(MainDialogHandlersTest, ApportionsInDoubleAndStoresSinglePrecision) {
    type(ch4, "60");
    type(c2h6, "39.9");
    handlers->button_clicked(id::calculate_button);
    const float total = 60.0f + 39.9f;
    EXPECT_EQ(entry(ch4), static_cast<float>(60.0 / static_cast<double>(total) * 100.0));
    EXPECT_EQ(entry(c2h6), static_cast<float>(static_cast<double>(39.9f) /
                                              static_cast<double>(total) * 100.0));
}

TEST_F(MainDialogHandlersTest, SecondCalculateRepeatsWithoutQuestion) {
    type(ch4, "97");
    type(c2h6, "0");
    controls.confirmation_answers = {id::yes};
    handlers->button_clicked(id::calculate_button);
    handlers->button_clicked(id::calculate_button);
    EXPECT_EQ(controls.modal_boxes, std::vector<std::string>{"confirm 1"});
    EXPECT_EQ(fake_library.calls, 2);
}

// ---- status codes and the result field ---------------------------

struct StatusCase {
    int32_t status;
    std::vector<std::string> warnings;
    int calculation_status;
    const char* result; // nullptr: the field keeps its earlier text
    int32_t status_after;
};

TEST_F(MainDialogHandlersTest, StatusCodesBecomeMessagesAndResults) {
    const std::string c_c4 = "warning  MN not confident,\r due to high content of C>C4 ! | MN-calculation";
    const std::string delta = "warning MN not confident due to delta MN >5 ! | MN-calculation";
    const std::string invalid = "warning MN invalid ! | MN-calculation";
    const std::string wrong = "warning Wrong mixture specification ! | MN-calculation";
    const StatusCase cases[] = {
        {0, {}, 0, "    78", 0},        {1, {}, 0, "    78", 1},
        {2, {}, 0, "    78", 2},        {3, {delta}, 3, "    78 ?", 3},
        {4, {invalid}, 4, "", 4},       {10, {c_c4}, 0, "    78 ?", 0},
        {12, {c_c4}, 0, "    78 ?", 2}, {13, {c_c4, delta}, 3, "    78 ?", 3},
        {14, {c_c4, invalid}, 4, "", 4}, {-1, {wrong}, 2, nullptr, -1},
        {7, {}, 0, "    78", 7}, // any other value: no message
    };
    for (const StatusCase& c : cases) {
        controls.modal_boxes.clear();
        fake_library.status = c.status;
        fake_library.methane_number = 78.2f;
        type(ch4, "100");
        // As the last edit left it: blank and disabled; the dialog would
        // show nothing else here.
        controls.texts[id::result_field] = "before";
        handlers->button_clicked(id::calculate_button);
        EXPECT_EQ(controls.modal_boxes, c.warnings) << "status " << c.status;
        EXPECT_EQ(state.calculation_status, c.calculation_status) << "status " << c.status;
        EXPECT_EQ(state.status_code, c.status_after);
        EXPECT_EQ(state.high_hydrocarbon_flag, c.status >= 10 ? 1 : 0);
        if (c.result != nullptr) {
            EXPECT_EQ(controls.texts[id::result_field], c.result) << "status " << c.status;
            EXPECT_TRUE(controls.is_enabled(id::result_field));
        } else {
            EXPECT_EQ(controls.texts[id::result_field], "before");
            EXPECT_FALSE(controls.is_enabled(id::result_field));
        }
    }
}

TEST_F(MainDialogHandlersTest, RejectedCompositionStillEndsTheListing) {
    fake_library.status = -1;
    type(ch4, "100");
    handlers->button_clicked(id::calculate_button);
    const std::string text = listing();
    const std::string ending = "\r\n\r\n METHANZAHL (INERTGASFREI) =   .0\r\n\r\n"
                               " METHANZAHL (GESAMT-GEM.)  =   .0\r\n";
    ASSERT_GE(text.size(), ending.size());
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
}

TEST_F(MainDialogHandlersTest, NotANumberFromTheLibraryShowsAsterisks) {
    fake_library.methane_number = std::numeric_limits<float>::quiet_NaN();
    type(ch4, "100");
    handlers->button_clicked(id::calculate_button);
    EXPECT_EQ(controls.texts[id::result_field], "******");
}

// ---- the listing ---------------------------------------------------

TEST_F(MainDialogHandlersTest, PublishedListingExample) {
    // Published example: 90 % CH4 and 10 % C2H6 in volume percent, run on
    // 5 March 2016 at 09:04:07; the library rated it 79.6164.
    fake_library.methane_number = 79.6164f;
    fake_library.methane_number_inert_free = 79.6164f;
    type(ch4, "90");
    type(c2h6, "10");
    handlers->button_clicked(id::calculate_button);
    EXPECT_EQ(listing(), file_bytes(fs::path(MN_TEST_DATA) / "mn_example.lst"));
    EXPECT_EQ(controls.texts[id::result_field], "    80");
    EXPECT_TRUE(controls.modal_boxes.empty());
}

TEST_F(MainDialogHandlersTest, ListingShowsFiguresInTheChosenUnit) {
    controls.texts[id::unit_selector] = " Mass-%";
    handlers->unit_selection_changed();
    type(ch4, "50");
    type(n2, "50");
    type(c5h12, "-0.5");
    type(co2, "0.5");
    handlers->button_clicked(id::calculate_button);
    std::istringstream lines(listing());
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) {
        all.push_back(line);
    }
    ASSERT_EQ(all.size(), 14u);
    EXPECT_EQ(all[5], " GAS-ANALYSE IN Mass-%   \r");
    EXPECT_EQ(all[6], " CH4.....METHAN...............: 50.00\r");
    EXPECT_EQ(all[7], " C5H12...PENTAN...............:  -.50\r");
    EXPECT_EQ(all[8], " N2......STICKSTOFF...........: 50.00\r");
    EXPECT_EQ(all[9], " CO2.....KOHLENDIOXYD.........:   .50\r");
    // The library got volume percent; the fields keep the mass figures.
    EXPECT_EQ(fake_library.received,
              mn::convert_to_volume_percent(state.entry_values, mn::mass_percent));
    EXPECT_GT(fake_library.received[ch4 - 1], 63.0f);
    EXPECT_EQ(entry(ch4), 50.0f);
}

TEST_F(MainDialogHandlersTest, TempWithABlankUsesThePartBeforeIt) {
    setenv("TEMP", (directory.string() + " and more").c_str(), 1);
    type(ch4, "100");
    handlers->button_clicked(id::calculate_button);
    EXPECT_TRUE(listing_exists());
}

TEST_F(MainDialogHandlersTest, MissingListingDirectoryStillCalculates) {
    // The listing is skipped without a message; the result is still shown.
    setenv("TEMP", (directory / "not" / "there").c_str(), 1);
    fake_library.methane_number = 79.6164f;
    type(ch4, "100");
    handlers->button_clicked(id::calculate_button);
    EXPECT_TRUE(controls.modal_boxes.empty());
    EXPECT_EQ(controls.texts[id::result_field], "    80");
    EXPECT_FALSE(fs::exists(directory / "not"));
}

TEST(FrontListingPath, FromTemp) {
    setenv("TEMP", "/data/reports", 1);
    EXPECT_EQ(mn::front_listing_path(), "/data/reports/mn.lst");
    setenv("TEMP", "/tmp/a b", 1);
    EXPECT_EQ(mn::front_listing_path(), "/tmp/a/mn.lst");
    unsetenv("TEMP");
    EXPECT_EQ(mn::front_listing_path(), "/mn.lst");
}

TEST(FrontListingLines, Layouts) {
    EXPECT_EQ(mn::listing_header_line("05.03.16", "09:04:07"),
              " BRENNGAS-DATEN-BERECHNUNG  05.03.16  09:04:07");
    EXPECT_EQ(mn::listing_header_line("05.03.16", "09:04:07").size(), 46u);
    EXPECT_EQ(mn::listing_unit_line(mn::volume_percent), " GAS-ANALYSE IN Volume-% ");
    EXPECT_EQ(mn::listing_component_line(11, 0.5f), " CH4.....METHAN...............:   .50");
    // Asterisks from 999.995 up and from -99.995 down (as single-precision
    // values: 999.995f itself lies just below and still fits).
    EXPECT_EQ(mn::listing_component_line(6, 999.996f), " H2S.....SCHWEFEL-WASSERSTOFF.:******");
    EXPECT_EQ(mn::listing_component_line(1, -99.995f).substr(31), "******");
    EXPECT_EQ(mn::listing_component_line(1, 999.99f).substr(31), "999.99");
    EXPECT_EQ(mn::listing_inert_free_line(999.95f).substr(28), "*****");
    EXPECT_EQ(mn::listing_whole_gas_line(-99.96f).substr(28), "*****");
    EXPECT_EQ(mn::listing_whole_gas_line(-99.94f).substr(28), "-99.9");
    EXPECT_EQ(mn::listing_whole_gas_line(79.6164f), " METHANZAHL (GESAMT-GEM.)  = 79.6");
}

// ---- help and exit -------------------------------------------------

TEST_F(MainDialogHandlersTest, HelpStartsAWorkerPerClick) {
    controls.texts[id::result_field] = "    80";
    for (int click = 0; click < 3; ++click) {
        handlers->button_clicked(id::help_button);
    }
    EXPECT_EQ(help_requests, (std::vector<int32_t>{1, 1, 1}));
    EXPECT_EQ(controls.texts[id::result_field], "    80");
    EXPECT_TRUE(controls.modal_boxes.empty());
}

TEST_F(MainDialogHandlersTest, ExitAnsweredNoChangesNothing) {
    type(ch4, "90");
    controls.confirmation_answers = {id::no};
    handlers->button_clicked(id::exit_button);
    EXPECT_EQ(controls.modal_boxes, std::vector<std::string>{"confirm 3"});
    EXPECT_EQ(controls.end_value, -1);
    EXPECT_EQ(entry(ch4), 90.0f);
}

TEST_F(MainDialogHandlersTest, ExitAnsweredYesEndsTheDialogWithFour) {
    controls.confirmation_answers = {id::yes};
    handlers->button_clicked(id::exit_button);
    EXPECT_EQ(controls.end_value, 4);
}

TEST_F(MainDialogHandlersTest, ConfirmationAnswerIsNotClearedBeforehand) {
    state.confirmation_answer = id::no;
    handlers->button_clicked(id::exit_button); // no scripted answer: ended without a button
    EXPECT_EQ(controls.end_value, -1);        // the old 7 still counts as No
}

} // namespace
