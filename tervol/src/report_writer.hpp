// The lines of the report "tervol.lst", appended to a text. Every line ends
// in CR LF; fields are the fixed-point and integer fields of kelvab.
#pragma once

#include "tervol/calculation.hpp"

#include <string>
#include <string_view>

namespace tervol::listing {

class ReportWriter {
  public:
    explicit ReportWriter(std::string& text) : text_(text) {}

    // Title, version, date and time, and the heading of the analysis.
    void header(const ReportStamp& stamp);
    // The caller's values greater than 0, the two weightings, the note on
    // neglected components and the heading of the optimisation trace.
    void composition(const Composition& gas);
    // One optimisation iteration: 108 characters.
    void trace(const IterationTrace& trace);
    // Everything after the trace, each part under its condition: the
    // assessment and group report when the optimisation ran, the inert-gas
    // correction when the calculation ran, the gas properties when the input
    // was accepted.
    void conclusion(const Result& result);

    void assessment(const Result& result);
    void inert_correction(const Result& result);
    void gas_properties(const GasProperties& properties);

  private:
    void text(std::string_view characters) { text_.append(characters); }
    void blanks(std::size_t count) { text_.append(count, ' '); }
    void real(float value, int width, int decimals);
    void integer(int value, int width);
    void label(int slot, std::size_t length);
    void end_line() { text_.append("\r\n"); }
    void empty_line() { end_line(); }
    // " METHANZAHL =", the value in 9.5, and what follows on the line.
    void methane_number_line(float value, std::string_view rest);
    // 1 blank, label 31, share in 7.3, " PRZ".
    void share_line(int slot, float share);
    // A share outside the inert group's range, with its limit.
    void limit_line(std::string_view name, float share, std::string_view comparison, float limit);

    std::string& text_;
};

// Writes a trace line for every iteration as the optimisation reports it.
class TraceListing final : public IterationObserver {
  public:
    explicit TraceListing(ReportWriter& writer) : writer_(writer) {}
    void on_iteration(const IterationTrace& trace) override { writer_.trace(trace); }

  private:
    ReportWriter& writer_;
};

// The calculation with its whole report appended to `text`.
Result calculate_into(const Composition& gas, const ReportStamp& stamp, std::string& text);

} // namespace tervol::listing
