#include "gas_report_text.hpp"

#include "methane_number_display.hpp"
#include "number_text.hpp"
#include "status_text.hpp"

#include <string>

namespace mncalc {

namespace {

constexpr int label_width = 27;

void line(std::ostream& out, std::string_view label, std::string_view value) {
    out << label << std::string(label_width - label.size(), ' ') << value << '\n';
}

std::string fixed4(float value) {
    std::string text;
    append_fixed(text, value, 4);
    return text;
}

std::string with_unit(float value, std::string_view unit) {
    std::string text;
    append_shortest(text, value);
    if (!unit.empty()) {
        text += ' ';
        text += unit;
    }
    return text;
}

} // namespace

void write_gas_report(std::ostream& out, const EntrySettings& settings,
                      const Evaluation& evaluation) {
    const tervol::Result& result = evaluation.result;
    if (result.accepted) {
        const std::string display = dialog_display(result.methane_number, result.status);
        std::string shown = display.empty() ? std::string(1, '-') : display;
        shown.append("  (").append(fixed4(result.methane_number)).append(")");
        line(out, "Methane number", shown);
        line(out, "Inert-free methane number", fixed4(result.methane_number_inert_free));
    } else {
        line(out, "Methane number", "-");
        line(out, "Inert-free methane number", "-");
    }

    const auto remarks = status_remarks(result.status);
    const std::string code = std::to_string(result.status).append(": ");
    for (std::size_t i = 0; i < remarks.size(); ++i) {
        std::string text = i == 0 ? code : std::string(code.size(), ' ');
        text.append(remarks[i]);
        line(out, i == 0 ? "Status" : "", text);
    }

    std::string total = with_unit(evaluation.entry_total, "");
    total += settings.unit == Unit::volume ? " volume %"
             : settings.unit == Unit::mol  ? " mol %"
                                           : " mass %";
    if (!result.accepted) {
        total += settings.normalize ? " (must be above 0 to be scaled to 100)"
                                    : " (must be 99 to 101; --normalize scales any positive total)";
    } else {
        if (settings.normalize) {
            total += ", scaled to 100";
        }
        if (settings.unit != Unit::volume) {
            total += settings.normalize ? " and converted to volume %" : ", converted to volume %";
        }
    }
    line(out, "Total entered", total);

    if (!result.accepted) {
        return;
    }
    const tervol::GasProperties& p = result.properties;
    line(out, "Lower heating value", with_unit(p.heating_value, "kJ/kg"));
    line(out, "Minimum air requirement", with_unit(p.air_requirement, "kg air/kg gas"));
    line(out, "Density", with_unit(p.density, "kg/m3 at 273.15 K and 101325 Pa"));
    line(out, "Real-gas factor", with_unit(p.real_gas_factor, ""));
    line(out, "Gas constant", with_unit(p.gas_constant, "J/(kg K)"));
    line(out, "Isentropic exponent", with_unit(p.isentropic_exponent, ""));
}

} // namespace mncalc
