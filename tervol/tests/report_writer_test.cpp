#include "report_test_support.hpp"
#include "report_writer.hpp"
#include "tables.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

namespace {

using report_test::crlf;
using report_test::example_stamp;
using report_test::gas;
using report_test::golden;
using tervol::Result;
namespace slot = tervol::tables;

std::string report_of(const tervol::Composition& composition,
                      const tervol::ReportStamp& stamp = example_stamp()) {
    std::ostringstream out(std::ios::binary);
    tervol::calculate_with_report(composition, out, stamp);
    return out.str();
}

// Whole reports compared byte for byte with files written from the
// published layouts (CR LF line ends, 0xFC for the u umlaut).
TEST(Report, WholeReportsMatchGoldenFiles) {
    struct Case {
        const char* file;
        tervol::Composition composition;
    };
    const Case cases[] = {
        // Published example for 90 % CH4 / 10 % C2H6, made on 5 March 2016 at 09:04:07.
        {"methane_90_ethane_10.lst", gas({{slot::CH4, 90.0f}, {slot::C2H6, 10.0f}})},
        // Pure methane: one iteration, group A 1 alone, the others never evaluated.
        {"methane_100.lst", gas({{slot::CH4, 100.0f}})},
        // No combustible part: the gas properties follow the trace heading directly.
        {"nitrogen_50_carbon_dioxide_50.lst", gas({{slot::N2, 50.0f}, {slot::CO2, 50.0f}})},
        // A sum of 90 is rejected: the report ends after the trace heading.
        {"rejected_sum_90.lst", gas({{slot::CH4, 80.0f}, {slot::O2, 10.0f}})},
    };
    for (const Case& c : cases) {
        const std::string expected = golden(c.file);
        ASSERT_FALSE(expected.empty()) << c.file;
        EXPECT_EQ(report_of(c.composition), expected) << c.file;
    }
}

// The verdicts of the assessment and the inert-gas limits as whole
// calculations report them.
TEST(Report, VerdictsOfWholeCalculations) {
    struct Case {
        const char* what;
        tervol::Composition composition;
        std::string expected_part;
    };
    const Case cases[] = {
        {"pure H2S: the clipped group holds 40 of 100", gas({{slot::H2S, 100.0f}}),
         crlf({" BEI H2S.....SCHWEFEL-WASSERSTOF",
               "     IST DAS SOLL VON100.0 PRZ MIT 40.0 UNTERSCHRITTEN",
               " KEINE GUELTIGE METHANZAHL-BERECHNUNG !", "", "",
               " ERGEBNIS NACH    1 ITERATIONS-SCHRITTEN"})},
        {"extrapolated group", gas({{slot::H2S, 100.0f}}),
         crlf({" BETEILIGTEN GEMISCHGRUPPE : A10",
               "  H2S.....SCHWEFEL-WASSERSTOFF.: 40.000 PRZ",
               "  C4H10...BUTAN................:   .000 PRZ",
               "  CH4.....METHAN...............: 60.000 PRZ",
               "  MESSBEREICH VERLASSEN, MZ EXTRAPOLIERT!", ""})},
        {"CO and CH4 share no group: spread of the two groups",
         gas({{slot::CO, 50.0f}, {slot::CH4, 50.0f}}),
         crlf({"", " METHANZAHL-BERECHNUNG UNTER VORBEHALT !",
               " METHANZAHL-DIFFERENZ = 24.18652 > 5", "",
               " ERGEBNIS NACH    1 ITERATIONS-SCHRITTEN"})},
        {"too little combustible, too much CO2", gas({{slot::CH4, 30.0f}, {slot::CO2, 70.0f}}),
         crlf({"", "", " INERTGASFREIER ANTEIL = 30.000 PRZ < 40.0 PRZ",
               " CO2-ANTEIL = 70.000 PRZ > 60.0 PRZ", " METHANZAHL (LAMBDA=1.) EXTRAPOLIERT", "",
               "INERTGAS-GEMISCHGRUPPE: A20"})},
        {"too much nitrogen", gas({{slot::CH4, 20.0f}, {slot::N2, 80.0f}}),
         crlf({"", "", " INERTGASFREIER ANTEIL = 20.000 PRZ < 40.0 PRZ",
               " N2-ANTEIL = 80.000 PRZ > 60.0 PRZ", " METHANZAHL (LAMBDA=1.) EXTRAPOLIERT", "",
               "INERTGAS-GEMISCHGRUPPE: A20"})},
        {"nitrogen listed with the inert group, left out of the result",
         gas({{slot::CH4, 20.0f}, {slot::N2, 80.0f}}),
         crlf({"  CH4.....METHAN...............: 20.000 PRZ",
               "  CO2.....KOHLENDIOXYD.........:   .000 PRZ",
               "  N2......STICKSTOFF...........: 80.000 PRZ"})},
        {"the methane number of pure methane", gas({{slot::CH4, 20.0f}, {slot::N2, 80.0f}}),
         crlf({" METHANZAHL (LAM=1.N2=0%)  = 99.18652"})},
    };
    for (const Case& c : cases) {
        const std::string text = report_of(c.composition);
        EXPECT_NE(text.find(c.expected_part), std::string::npos) << c.what << "\n" << text;
    }
}

TEST(Report, HeaderCarriesTheStamp) {
    const std::string text = report_of(gas({{slot::CH4, 100.0f}}),
                                       report_test::stamp("31.12.99", "23:59:58"));
    EXPECT_NE(text.find("\r\n     INTERNAL REQUEST       31.12.99  23:59:58\r\n"),
              std::string::npos);
}

// The composition part as it follows the header.
TEST(Report, CompositionLines) {
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    const std::string heading = crlf({"", " VERLAUF OPTIMIERUNG", ""});
    const std::string note = crlf({" * wird f\xFCr MZ-Berechnung negiert", ""});
    struct Case {
        const char* what;
        tervol::Composition composition;
        std::string expected;
    };
    const Case cases[] = {
        {"41 characters: label, value, separating blank, blank mark",
         gas({{slot::CH4, 12.5f}}), crlf({" CH4.....METHAN...............: 12.5000  "}) + heading},
        {"no zero before the point", gas({{slot::H2, 0.5f}}),
         crlf({" H2......WASSERSTOFF..........:   .5000  "}) + heading},
        {"nitrogen is always marked, with or without oxygen", gas({{slot::N2, 3.0f}}),
         crlf({" N2......STICKSTOFF...........:  3.0000 *"}) + note + heading},
        {"oxygen and water marked, in slot order",
         gas({{slot::H2O, 2.0f}, {slot::CH4, 95.0f}, {slot::O2, 3.0f}}),
         crlf({" CH4.....METHAN...............: 95.0000  ",
               " O2......SAUERSTOFF...........:  3.0000 *",
               " H2O.....WASSERDAMPF..........:  2.0000 *"}) +
             note + heading},
        {"weightings follow their components", gas({{slot::CxHy, 1.0f}, {slot::C5H12, 2.0f}}),
         crlf({" CxHy....HOEH.KOHLEN-WASSERST.:  1.0000  ", " CxHy-GEWICHTUNG:  5.300",
               " C5H12...PENTAN...............:  2.0000  ", " C5H12-GEWICHTUNG: 2.300"}) +
             heading},
        {"zero, negative and NaN values are not listed and get no weighting",
         gas({{slot::CxHy, 0.0f}, {slot::C5H12, -1.0f}, {slot::N2, nan}, {slot::CO, 100.0f}}),
         crlf({" CO......KOHLENMONOXYD........:100.0000  "}) + heading},
        {"a value too wide for its field", gas({{slot::CH4, 1000.0f}}),
         crlf({" CH4.....METHAN...............:********  "}) + heading},
    };
    for (const Case& c : cases) {
        std::string text;
        tervol::listing::ReportWriter(text).composition(c.composition);
        EXPECT_EQ(text, c.expected) << c.what;
    }
}

TEST(Report, TraceLine) {
    tervol::IterationTrace trace;
    trace.iteration = 1000;
    trace.mean_methane_number = 79.65f;
    trace.mean_absolute_deviation = 0.0004f;
    trace.group_methane_number.fill(-100.0f); // never evaluated
    trace.group_methane_number[0] = 99.94f;
    trace.group_methane_number[1] = 99.96f;   // rounds to 100.0: too wide
    trace.group_methane_number[2] = -9.94f;
    trace.group_methane_number[3] = -9.96f;   // rounds to -10.0: too wide
    trace.group_methane_number[4] = 0.04f;
    trace.group_methane_number[17] = 5.0f;
    std::string text;
    tervol::listing::ReportWriter(text).trace(trace);
    const std::string expected = "  1000 79.7   .000 99.9 **** -9.9 ****   .0 **** **** **** **** "
                                 "**** **** **** **** **** **** **** ****  5.0\r\n";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.size(), 108u + 2u);

    trace.iteration = 100000; // more digits than the field holds
    text.clear();
    tervol::listing::ReportWriter(text).trace(trace);
    EXPECT_EQ(text.substr(0, 7), " ***** ");
}

// A calculation result as the optimisation leaves it: two groups, nothing missed.
Result two_group_result() {
    Result r;
    r.accepted = r.calculated = r.optimised = true;
    r.iterations = 5;
    r.spread = 0.00006f;
    r.methane_number_inert_free = 79.61645f;
    r.group_count = 2;
    r.groups[0] = {1, 79.61648f, 48.914f, {89.463f, 0.0f, 10.537f}, false};
    r.groups[1] = {4, 79.61642f, 51.086f, {90.515f, 9.485f, 0.0f}, false};
    return r;
}

TEST(Report, AssessmentVerdicts) {
    const std::string groups = crlf({"",
                                     " ERGEBNIS NACH    5 ITERATIONS-SCHRITTEN",
                                     "",
                                     " METHANZAHL = 79.61648 IN DER MIT  48.914 PRZ",
                                     " BETEILIGTEN GEMISCHGRUPPE : A 1",
                                     "  H2......WASSERSTOFF..........:   .000 PRZ",
                                     "  C2H6....AETHAN...............: 10.537 PRZ",
                                     "  CH4.....METHAN...............: 89.463 PRZ",
                                     "",
                                     " METHANZAHL = 79.61642 IN DER MIT  51.086 PRZ",
                                     " BETEILIGTEN GEMISCHGRUPPE : A 4",
                                     "  C3H8....PROPAN...............:   .000 PRZ",
                                     "  C2H6....AETHAN...............:  9.485 PRZ",
                                     "  CH4.....METHAN...............: 90.515 PRZ",
                                     "",
                                     " METHANZAHL (INERTGASFREI) = 79.61645",
                                     "",
                                     ""});
    struct Case {
        const char* what;
        void (*change)(Result&);
        std::string verdict;
    };
    const Case cases[] = {
        {"targets met, groups agree", [](Result&) {}, ""},
        {"a spread of exactly 5 is no reservation", [](Result& r) { r.spread = 5.0f; }, ""},
        {"spread above 5", [](Result& r) { r.spread = 5.5f; },
         crlf({"", " METHANZAHL-BERECHNUNG UNTER VORBEHALT !",
               " METHANZAHL-DIFFERENZ =  5.50000 > 5"})},
        {"missed targets, in slot order; they hide the spread",
         [](Result& r) {
             r.spread = 7.0f;
             r.target_miss_count = 2;
             r.target_misses[0] = {slot::C2H6, 10.0f, 9.79f};
             r.target_misses[1] = {slot::CH4, 90.0f, 92.1f};
         },
         crlf({" BEI C2H6....AETHAN.............",
               "     IST DAS SOLL VON 10.0 PRZ MIT  9.8 UNTERSCHRITTEN",
               " BEI CH4.....METHAN.............",
               "     IST DAS SOLL VON 90.0 PRZ MIT 92.1 UEBERSCHRITTEN",
               " KEINE GUELTIGE METHANZAHL-BERECHNUNG !", ""})},
    };
    for (const Case& c : cases) {
        Result r = two_group_result();
        c.change(r);
        std::string text;
        tervol::listing::ReportWriter(text).assessment(r);
        EXPECT_EQ(text, c.verdict + groups) << c.what;
    }
}

TEST(Report, GroupReport) {
    Result r = two_group_result();
    r.group_count = 4;
    r.groups[0] = {1, 99.19f, 0.0499f, {100.0f, 0.0f, 0.0f}, false}; // too small to report
    r.groups[1] = {9, 40.0f, 0.05f, {70.0f, 30.0f, 0.0f}, true};     // smallest reported share
    r.groups[2] = {14, 75.0f, 60.0f, {100.0f, 0.0f, 0.0f}, false};
    r.groups[3] = {17, 12.0f, 39.95f, {100.0f, 0.0f, 0.0f}, false};
    std::string text;
    tervol::listing::ReportWriter(text).assessment(r);
    const std::string expected = crlf({"",
                                       " METHANZAHL = 40.00000 IN DER MIT    .050 PRZ",
                                       " BETEILIGTEN GEMISCHGRUPPE : A 9",
                                       "  C2H4....AETHYLEN.............: 30.000 PRZ",
                                       "  C4H10...BUTAN................:   .000 PRZ",
                                       "  CH4.....METHAN...............: 70.000 PRZ",
                                       "  MESSBEREICH VERLASSEN, MZ EXTRAPOLIERT!",
                                       "",
                                       " METHANZAHL = 75.00000 IN DER MIT  60.000 PRZ",
                                       " BETEILIGTEN GEMISCHGRUPPE : A14",
                                       "  CO......KOHLENMONOXYD........:100.000 PRZ",
                                       "  H2......WASSERSTOFF..........:   .000 PRZ",
                                       "",
                                       " METHANZAHL = 12.00000 IN DER MIT  39.950 PRZ",
                                       " BETEILIGTEN GEMISCHGRUPPE : A17",
                                       "  C4H6....BUTADIEN.............:100.000 PRZ",
                                       ""});
    const std::string head = crlf({"", " ERGEBNIS NACH    5 ITERATIONS-SCHRITTEN"});
    ASSERT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.substr(head.size(), expected.size()), expected);
}

TEST(Report, InertCorrectionOutsideItsRange) {
    Result r;
    r.accepted = r.calculated = true;
    r.inert = {20.0f, 65.0f, 15.0f, true, true, true, 180.5f, 23.529411f, 76.47059f,
               175.25f, 99.99795f};
    r.lambda1_methane_number = 180.11f;
    r.methane_number = 174.86f;
    std::string text;
    tervol::listing::ReportWriter(text).inert_correction(r);
    EXPECT_EQ(text, crlf({" INERTGASFREIER ANTEIL = 20.000 PRZ < 40.0 PRZ",
                          " CO2-ANTEIL = 65.000 PRZ > 60.0 PRZ",
                          " N2-ANTEIL = 15.000 PRZ > 60.0 PRZ",
                          " METHANZAHL (LAMBDA=1.) EXTRAPOLIERT",
                          "",
                          "INERTGAS-GEMISCHGRUPPE: A20",
                          "",
                          " METHANZAHL =180.50000 MIT ",
                          "  CH4.....METHAN...............: 20.000 PRZ",
                          "  CO2.....KOHLENDIOXYD.........: 65.000 PRZ",
                          "  N2......STICKSTOFF...........: 15.000 PRZ",
                          "",
                          " METHANZAHL =175.25000 MIT ",
                          "  CH4.....METHAN...............: 23.529 PRZ",
                          "  CO2.....KOHLENDIOXYD.........: 76.471 PRZ",
                          "",
                          " METHANZAHL = 99.99795 MIT ",
                          "  CH4.....METHAN...............:100.000 PRZ",
                          "",
                          " METHANZAHL (LAMBDA=1.)    =180.11000",
                          " METHANZAHL (LAM=1.N2=0%)  =174.86000"}));
}

// Which parts follow the trace heading, by how far the calculation went.
TEST(Report, PartsFollowTheCalculationsProgress) {
    struct Case {
        const char* what;
        bool accepted, calculated, optimised;
        bool assessment, inert, properties;
    };
    const Case cases[] = {
        {"rejected", false, false, false, false, false, false},
        {"no combustible part", true, false, false, false, false, true},
        {"weighted combustible sum not positive", true, true, false, false, true, true},
        {"optimised", true, true, true, true, true, true},
    };
    for (const Case& c : cases) {
        Result r;
        r.accepted = c.accepted;
        r.calculated = c.calculated;
        r.optimised = c.optimised;
        std::string text;
        tervol::listing::ReportWriter(text).conclusion(r);
        EXPECT_EQ(text.find(" ERGEBNIS NACH ") != std::string::npos, c.assessment) << c.what;
        EXPECT_EQ(text.find("INERTGAS-GEMISCHGRUPPE: A20") != std::string::npos, c.inert)
            << c.what;
        EXPECT_EQ(text.find(" UNTERER HEIZWERT  =") != std::string::npos, c.properties)
            << c.what;
    }
}

// A stream that fails, even one that throws, leaves the calculation alone.
TEST(Report, FailingStreamDoesNotChangeTheResult) {
    const auto composition = gas({{slot::CH4, 90.0f}, {slot::C2H6, 10.0f}});
    const Result plain = tervol::calculate(composition);
    for (const bool throwing : {false, true}) {
        std::ostringstream out;
        out.setstate(std::ios::badbit);
        if (throwing) {
            EXPECT_THROW(out.exceptions(std::ios::badbit), std::ios_base::failure);
        }
        Result r;
        EXPECT_NO_THROW(r = tervol::calculate_with_report(composition, out, example_stamp()));
        EXPECT_EQ(r.status, plain.status);
        EXPECT_EQ(r.methane_number, plain.methane_number);
        EXPECT_EQ(r.methane_number_inert_free, plain.methane_number_inert_free);
        EXPECT_TRUE(out.bad());
    }
}

} // namespace
