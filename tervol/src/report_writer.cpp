#include "report_writer.hpp"

#include "kelvab/fixed_field.h"
#include "tables.hpp"
#include "version.hpp"

#include <algorithm>
#include <ostream>

namespace tervol::listing {
namespace {

using tables::CH4;
using tables::CO2;
using tables::N2;

constexpr std::size_t line_label_length = 31;
constexpr std::size_t target_label_length = 28;
// Groups below this share (percent of the combustible gas) are not reported.
constexpr float reported_group_share = 0.05f;
constexpr float spread_limit = 5.0f;
// Limits of the inert-gas correction: the measured range of the inert group.
constexpr float combustible_limit = tables::range_min[tables::inert_group][1];
constexpr float co2_limit = tables::range_max[tables::inert_group][2];
constexpr float n2_limit = tables::range_max[tables::inert_group][3];
// The reference of the inert-gas correction: pure methane.
constexpr float pure_methane_share = 100.0f;

bool neglected(int slot) { return slot == tables::N2 || slot == tables::O2 || slot == tables::H2O; }

// The three numbers in fields of three columns joined by points, with every
// blank then removed and the text blank-filled to 12 characters.
std::string version_text() {
    std::string fields = kelvab::integer_field(version_major, 3) + "." +
                         kelvab::integer_field(version_minor, 3) + "." +
                         kelvab::integer_field(version_patch, 3) + " ";
    fields.erase(std::remove(fields.begin(), fields.end(), ' '), fields.end());
    fields.resize(12, ' ');
    return fields;
}

} // namespace

void ReportWriter::real(float value, int width, int decimals) {
    kelvab::append_real(text_, value, width, decimals);
}

void ReportWriter::integer(int value, int width) { kelvab::append_integer(text_, value, width); }

void ReportWriter::label(int slot, std::size_t length) {
    text(std::string_view(tables::component_labels[static_cast<std::size_t>(slot)]).substr(0, length));
}

void ReportWriter::methane_number_line(float value, std::string_view rest) {
    text(" METHANZAHL =");
    real(value, 9, 5);
    text(rest);
}

void ReportWriter::share_line(int slot, float share) {
    blanks(1);
    label(slot, line_label_length);
    real(share, 7, 3);
    text(" PRZ");
    end_line();
}

void ReportWriter::header(const ReportStamp& stamp) {
    static const std::string version = version_text();
    empty_line();
    text(" tervol-METHANZAHL-BERECHNUNG");
    end_line();
    text(std::string(39, '-'));
    end_line();
    empty_line();
    text(" tervol-Version: ");
    text(version);
    end_line();
    empty_line();
    empty_line();
    blanks(5);
    text("INTERNAL REQUEST");
    blanks(7);
    text(std::string_view(stamp.date.data(), stamp.date.size()));
    blanks(2);
    text(std::string_view(stamp.time.data(), stamp.time.size()));
    end_line();
    empty_line();
    text(" GAS-ANALYSE IN VOLUMEN-PROZENTEN");
    end_line();
}

void ReportWriter::composition(const Composition& gas) {
    bool any_neglected = false;
    for (int slot = 1; slot <= component_count; ++slot) {
        const float value = gas[static_cast<std::size_t>(slot - 1)];
        if (!(value > 0.0f)) {
            continue; // zero, negative and not-a-number values are not listed
        }
        label(slot, line_label_length);
        real(value, 8, 4);
        blanks(1);
        if (neglected(slot)) {
            text("*");
            any_neglected = true;
        } else {
            blanks(1);
        }
        end_line();
        if (slot == tables::CxHy) {
            text(" CxHy-GEWICHTUNG: ");
            real(tables::cxhy_weighting, 6, 3);
            end_line();
        } else if (slot == tables::C5H12) {
            text(" C5H12-GEWICHTUNG:");
            real(tables::c5h12_weighting, 6, 3);
            end_line();
        }
    }
    if (any_neglected) {
        text(" * wird f\xFCr MZ-Berechnung negiert"); // 0xFC: "u umlaut" in code page 1252
        end_line();
        empty_line();
    }
    empty_line();
    text(" VERLAUF OPTIMIERUNG");
    end_line();
    empty_line();
}

void ReportWriter::trace(const IterationTrace& trace) {
    // Up to a thousand lines per report: laid out in place, appended at once.
    constexpr std::size_t length = 1 + 5 + 1 + 4 + 1 + 6 + combustible_group_count * (1 + 4);
    char line[length + 2];
    char* at = line;
    *at++ = ' ';
    kelvab::format_integer(at, trace.iteration, 5);
    at += 5;
    *at++ = ' ';
    kelvab::format_real(at, trace.mean_methane_number, 4, 1);
    at += 4;
    *at++ = ' ';
    kelvab::format_real(at, trace.mean_absolute_deviation, 6, 3);
    at += 6;
    for (const float group_methane_number : trace.group_methane_number) {
        *at++ = ' ';
        kelvab::format_real(at, group_methane_number, 4, 1);
        at += 4;
    }
    *at++ = '\r';
    *at++ = '\n';
    text_.append(line, sizeof line);
}

void ReportWriter::assessment(const Result& result) {
    for (int i = 0; i < result.target_miss_count; ++i) {
        const TargetMiss& miss = result.target_misses[static_cast<std::size_t>(i)];
        text(" BEI");
        label(miss.slot, target_label_length);
        end_line();
        blanks(4);
        text(" IST DAS SOLL VON");
        real(miss.target_share, 5, 1);
        text(" PRZ MIT");
        real(miss.apportioned_total, 5, 1);
        // The same ratio as the target check itself, so that the word agrees with it.
        text(miss.apportioned_total / miss.target_share < 1.0f ? " UNTERSCHRITTEN"
                                                               : " UEBERSCHRITTEN");
        end_line();
    }
    if (result.target_miss_count > 0) {
        text(" KEINE GUELTIGE METHANZAHL-BERECHNUNG !");
        end_line();
        empty_line();
    } else if (result.spread > spread_limit) {
        empty_line();
        text(" METHANZAHL-BERECHNUNG UNTER VORBEHALT !");
        end_line();
        text(" METHANZAHL-DIFFERENZ =");
        real(result.spread, 9, 5);
        text(" > 5");
        end_line();
    }

    empty_line();
    text(" ERGEBNIS NACH ");
    integer(result.iterations, 4);
    text(" ITERATIONS-SCHRITTEN");
    end_line();

    for (int i = 0; i < result.group_count; ++i) {
        const GroupResult& group = result.groups[static_cast<std::size_t>(i)];
        if (!(group.share >= reported_group_share)) {
            continue;
        }
        empty_line();
        methane_number_line(group.methane_number, " IN DER MIT ");
        real(group.share, 7, 3);
        text(" PRZ");
        end_line();
        text(" BETEILIGTEN GEMISCHGRUPPE : A");
        integer(group.group, 2);
        end_line();
        // Members in slot order, whether present in the gas or not.
        for (int slot = 1; slot <= tables::last_grouped_slot; ++slot) {
            const int position = tables::position_of(slot, group.group);
            if (position != 0) {
                share_line(slot, group.position_share[static_cast<std::size_t>(position - 1)]);
            }
        }
        if (group.extrapolated) {
            text("  MESSBEREICH VERLASSEN, MZ EXTRAPOLIERT!");
            end_line();
        }
    }

    empty_line();
    text(" METHANZAHL (INERTGASFREI) =");
    real(result.methane_number_inert_free, 9, 5);
    end_line();
    empty_line();
    empty_line();
}

void ReportWriter::limit_line(std::string_view name, float share, std::string_view comparison,
                              float limit) {
    text(name);
    real(share, 7, 3);
    text(comparison);
    real(limit, 5, 1);
    text(" PRZ");
    end_line();
}

void ReportWriter::inert_correction(const Result& result) {
    const InertCorrection& inert = result.inert;
    if (inert.combustible_below_range) {
        limit_line(" INERTGASFREIER ANTEIL =", inert.combustible, " PRZ <", combustible_limit);
    }
    if (inert.co2_above_range) {
        limit_line(" CO2-ANTEIL =", inert.co2, " PRZ >", co2_limit);
    }
    if (inert.n2_above_range) {
        limit_line(" N2-ANTEIL =", inert.n2, " PRZ >", n2_limit);
    }
    if (inert.combustible_below_range || inert.co2_above_range || inert.n2_above_range) {
        text(" METHANZAHL (LAMBDA=1.) EXTRAPOLIERT");
        end_line();
        empty_line();
    }

    text("INERTGAS-GEMISCHGRUPPE: A20");
    end_line();

    // The whole combustible part stands under the methane label.
    empty_line();
    methane_number_line(inert.methane_number_at_gas, " MIT ");
    end_line();
    share_line(CH4, inert.combustible);
    share_line(CO2, inert.co2);
    share_line(N2, inert.n2);

    empty_line();
    methane_number_line(inert.methane_number_n2_free, " MIT ");
    end_line();
    share_line(CH4, inert.combustible_n2_free);
    share_line(CO2, inert.co2_n2_free);

    empty_line();
    methane_number_line(inert.methane_number_pure_methane, " MIT ");
    end_line();
    share_line(CH4, pure_methane_share);

    empty_line();
    text(" METHANZAHL (LAMBDA=1.)    =");
    real(result.lambda1_methane_number, 9, 5);
    end_line();
    text(" METHANZAHL (LAM=1.N2=0%)  =");
    real(result.methane_number, 9, 5);
    end_line();
}

void ReportWriter::gas_properties(const GasProperties& properties) {
    empty_line();
    text(" UNTERER HEIZWERT  =");
    real(properties.heating_value, 7, 0);
    text("    KJ/KG");
    end_line();
    text(" MINDESTLUFTBEDARF =   ");
    real(properties.air_requirement, 6, 2);
    text("  KG/KG");
    end_line();
    text(" DICHTE(760TORR,0C)=   ");
    real(properties.density, 7, 3);
    text(" KG/M**3");
    end_line();
    text(" REALFAKTOR (pv/RT)=   ");
    real(properties.real_gas_factor, 7, 3);
    end_line();
    text(" GASKONSTANTE      = ");
    real(properties.gas_constant, 7, 1);
    text("   J/KG/GRD");
    end_line();
    text(" ISENTROPENEXPONENT=    ");
    real(properties.isentropic_exponent, 5, 2);
    end_line();
}

void ReportWriter::conclusion(const Result& result) {
    if (result.calculated && result.optimised) {
        assessment(result);
    }
    if (result.calculated) {
        inert_correction(result);
    }
    if (result.accepted) {
        gas_properties(result.properties);
    }
}

Result calculate_into(const Composition& gas, const ReportStamp& stamp, std::string& text) {
    ReportWriter writer(text);
    writer.header(stamp);
    writer.composition(gas);
    TraceListing trace(writer);
    const Result result = calculate(gas, &trace);
    writer.conclusion(result);
    return result;
}

} // namespace tervol::listing

namespace tervol {

Result calculate_with_report(const Composition& composition, std::ostream& report,
                             const ReportStamp& stamp) {
    std::string text;
    text.reserve(8192);
    const Result result = listing::calculate_into(composition, stamp, text);
    try {
        report.write(text.data(), static_cast<std::streamsize>(text.size()));
    } catch (const std::ios_base::failure&) {
        // A stream that throws on failure keeps its error state; the result stands.
    }
    return result;
}

} // namespace tervol
