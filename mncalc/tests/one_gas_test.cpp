// End-to-end: mncalc NAME=VALUE ...
#include "json_output.hpp"
#include "run_mncalc.hpp"

#include "tervol/calculation.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

using mncalc_test::run_mncalc;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

mncalc::Json json_of(const std::vector<std::string>& arguments) {
    std::vector<std::string> with_json = {"--json"};
    with_json.insert(with_json.end(), arguments.begin(), arguments.end());
    const auto run = run_mncalc(with_json);
    EXPECT_TRUE(run.err.empty()) << run.err;
    return mncalc::Json::parse(run.out);
}

tervol::Composition composition_in(const mncalc::Json& object) {
    tervol::Composition composition{};
    std::size_t slot = 0;
    for (const auto& [name, value] : object.items()) {
        composition[slot++] = value.get<float>();
    }
    return composition;
}

// Published example for 90 % CH4 / 10 % C2H6: 79.6164, shown as 80.
TEST(OneGas, TextShowsRoundedAndFourDecimalsStatusAndProperties) {
    const auto run = run_mncalc({"CH4=90", "C2H6=10"});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_TRUE(contains(run.out, "Methane number             80  (79.6164)")) << run.out;
    EXPECT_TRUE(contains(run.out, "Inert-free methane number  79.6164")) << run.out;
    EXPECT_TRUE(contains(run.out, "Status                     0: valid methane number")) << run.out;
    for (const char* unit : {"kJ/kg", "kg air/kg gas", "kg/m3", "J/(kg K)"}) {
        EXPECT_TRUE(contains(run.out, unit)) << unit;
    }
    // Names in any letter case, and the dialog's C6+.
    EXPECT_EQ(run_mncalc({"ch4=90", "c2h6=10"}).out, run.out);
    EXPECT_EQ(run_mncalc({"C6+=0", "CH4=90", "C2H6=10"}).out, run.out);
}

TEST(OneGas, StatusWithTwoRemarksListsBoth) {
    // Much pentane: the higher-hydrocarbon remark comes with whatever else applies.
    const auto json = json_of({"CH4=80", "C5H12=20"});
    const int status = json["status"].get<int>();
    ASSERT_GE(status, 10);
    const auto run = run_mncalc({"CH4=80", "C5H12=20"});
    EXPECT_TRUE(contains(run.out, "Status                     " + std::to_string(status) + ": "));
    EXPECT_TRUE(contains(run.out, "too much of the higher hydrocarbons")) << run.out;
    EXPECT_TRUE(contains(run.out, " ?  (")) << run.out; // shown with reservation
}

TEST(OneGas, EachUnitConvertsBeforeTheLibraryCalculates) {
    struct Case {
        std::vector<std::string> arguments;
        float ch4_volume; // expected volume percent of methane handed to the library
        float tolerance;
    };
    const Case cases[] = {
        {{"--unit", "volume", "CH4=63.54", "N2=36.46"}, 63.54f, 0.0f},
        // Weights 50/16.04246*0.99759*22.414 and 50/28.01348*0.99951*22.414.
        {{"--unit", "mass", "CH4=50", "N2=50"}, 63.54f, 0.005f},
        {{"--unit", "mol", "CH4=50", "N2=50"}, 49.95f, 0.005f},
    };
    for (const Case& c : cases) {
        const auto json = json_of(c.arguments);
        const auto composition = composition_in(json["composition_volume_percent"]);
        EXPECT_NEAR(composition[10], c.ch4_volume, c.tolerance) << c.arguments[1];
        // Bit-identical to the library on that composition.
        const auto expected = tervol::calculate(composition);
        EXPECT_EQ(json["methane_number"].get<float>(), expected.methane_number) << c.arguments[1];
        EXPECT_EQ(json["status"].get<int>(), expected.status);
        EXPECT_EQ(json["properties"]["density_kg_per_m3"].get<float>(),
                  expected.properties.density);
    }
}

TEST(OneGas, TotalOutsideTheBandIsRejectedUnlessNormalized) {
    const auto rejected = run_mncalc({"CH4=45", "C2H6=5"});
    EXPECT_EQ(rejected.exit_code, 1);
    EXPECT_TRUE(contains(rejected.out, "Status                     -1: input rejected"))
        << rejected.out;
    EXPECT_TRUE(contains(rejected.out, "Total entered              50 volume %")) << rejected.out;
    EXPECT_FALSE(contains(rejected.out, "kJ/kg")); // no properties of a rejected gas

    const auto normalized = run_mncalc({"--normalize", "CH4=45", "C2H6=5"});
    EXPECT_EQ(normalized.exit_code, 0);
    EXPECT_TRUE(contains(normalized.out, "80  (79.6164)")) << normalized.out;

    // 100.8 is within the band and goes as it is; the library normalises it itself.
    EXPECT_EQ(run_mncalc({"CH4=90.8", "C2H6=10"}).exit_code, 0);
    // Nothing positive to scale.
    EXPECT_EQ(run_mncalc({"--normalize", "CH4=0"}).exit_code, 1);
}

TEST(OneGas, JsonCarriesTheWholeResult) {
    const auto json = json_of({"CH4=90", "C2H6=10"});
    EXPECT_EQ(json["methane_number"].get<float>(), tervol::calculate([] {
                                                       tervol::Composition c{};
                                                       c[10] = 90.0f;
                                                       c[8] = 10.0f;
                                                       return c;
                                                   }())
                                                       .methane_number);
    EXPECT_EQ(json["methane_number_display"], "80");
    EXPECT_TRUE(json.contains("lambda1_methane_number"));
    EXPECT_TRUE(json.contains("methane_number_inert_free"));
    // Groups 1 (CH4, H2, C2H6) and 4 (CH4, C2H6, C3H8) share the gas.
    ASSERT_EQ(json["groups"].size(), 2u);
    EXPECT_EQ(json["groups"][0]["group"], 1);
    EXPECT_EQ(json["groups"][1]["group"], 4);
    float share = 0.0f;
    for (const auto& group : json["groups"]) {
        share += group["share"].get<float>();
        EXPECT_NEAR(group["methane_number"].get<float>(), 79.6f, 0.05f);
        EXPECT_EQ(group["position_shares"].size(), 3u);
    }
    EXPECT_NEAR(share, 100.0f, 0.01f);
    EXPECT_EQ(json["status_remarks"][0], "valid methane number");

    const auto rejected = json_of({"CH4=50"});
    EXPECT_EQ(rejected["status"], -1);
    EXPECT_TRUE(rejected["methane_number"].is_null());
    EXPECT_TRUE(rejected["properties"].is_null());
}

TEST(OneGas, UnreadableArgumentsAreUsageErrorsThatNameThem) {
    struct Case {
        std::vector<std::string> arguments;
        std::vector<std::string> message_parts;
    };
    const Case cases[] = {
        {{"CH4=90", "XY=10"}, {"unknown component 'XY'", "CO, C4H6", "H2O", "C6+"}},
        {{"CH4=9O"}, {"'9O'", "CH4", "not a number"}},
        {{"CH4=nan"}, {"'nan'", "not a number"}},
        {{"CH4"}, {"'CH4'", "NAME=VALUE"}},
        {{"CH4=90", "ch4=10"}, {"CH4 is given twice"}},
        {{}, {"nothing to calculate"}},
        {{"CH4=90", "--csv", "x.csv"}, {"not both"}},
        {{"CH4=90", "--jobs", "2"}, {"--csv"}},
        {{"CH4=90", "--unit", "ppm"}, {"ppm"}},
        {{"--csv", "-", "--json"}, {"--json"}},
    };
    for (const Case& c : cases) {
        const auto run = run_mncalc(c.arguments);
        EXPECT_EQ(run.exit_code, 2) << run.err;
        EXPECT_TRUE(run.out.empty());
        for (const std::string& part : c.message_parts) {
            EXPECT_TRUE(contains(run.err, part)) << run.err << " lacks " << part;
        }
    }
}

TEST(OneGas, HelpDocumentsUsageWithExamples) {
    const auto run = run_mncalc({"--help"});
    EXPECT_EQ(run.exit_code, 0);
    for (const char* part :
         {"--csv", "--unit", "--normalize", "--json", "--listing", "--jobs", "--strict", "--format",
          "--properties", "mncalc CH4=90 C2H6=10", "Exit codes"}) {
        EXPECT_TRUE(contains(run.out, part)) << part;
    }
}

TEST(OneGas, ListingIsTheLibraryReportOfTheConvertedGas) {
    const mncalc_test::TempFile listing("", "tervol.lst");
    const auto run = run_mncalc(
        {"--json", "--unit", "mass", "--listing", listing.path(), "CH4=80", "C2H6=12", "N2=8"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const auto json = mncalc::Json::parse(run.out);
    const std::string written = listing.read();

    // The time stamp is the one moment the report does not repeat: take it
    // from the header line "     INTERNAL REQUEST       dd.mm.yy  hh:mm:ss".
    const std::size_t at = written.find("INTERNAL REQUEST");
    ASSERT_NE(at, std::string::npos) << written;
    tervol::ReportStamp stamp;
    std::copy_n(written.begin() + static_cast<long>(at) + 23, 8, stamp.date.begin());
    std::copy_n(written.begin() + static_cast<long>(at) + 33, 8, stamp.time.begin());

    std::ostringstream expected;
    const auto result = tervol::calculate_with_report(
        composition_in(json["composition_volume_percent"]), expected, stamp);
    EXPECT_EQ(written, expected.str());
    EXPECT_EQ(json["methane_number"].get<float>(), result.methane_number);
}

TEST(OneGas, ListingThatCannotBeOpenedIsAUsageError) {
    const auto run = run_mncalc({"--listing", "/nonexistent/dir/tervol.lst", "CH4=100"});
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_TRUE(contains(run.err, "cannot open '/nonexistent/dir/tervol.lst'")) << run.err;
    EXPECT_TRUE(run.out.empty());
}

} // namespace
