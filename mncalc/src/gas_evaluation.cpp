#include "gas_evaluation.hpp"

namespace mncalc {

tervol::Composition library_composition(const EntryValues& entries, float entry_total,
                                        const EntrySettings& settings) {
    if (settings.normalize) {
        if (!(entry_total > 0.0f)) {
            return entries;
        }
        return to_volume_percent(apportion_to_100(entries, entry_total), settings.unit);
    }
    if (!total_within_band(entry_total)) {
        return entries;
    }
    return to_volume_percent(entries, settings.unit);
}

Evaluation evaluate(const EntryValues& entries, const EntrySettings& settings) {
    Evaluation evaluation;
    evaluation.entry_total = entry_total(entries);
    evaluation.composition = library_composition(entries, evaluation.entry_total, settings);
    evaluation.result = tervol::calculate(evaluation.composition);
    return evaluation;
}

Evaluation evaluate(const EntryValues& entries, const EntrySettings& settings, std::ostream& report,
                    const tervol::ReportStamp& stamp) {
    Evaluation evaluation;
    evaluation.entry_total = entry_total(entries);
    evaluation.composition = library_composition(entries, evaluation.entry_total, settings);
    evaluation.result = tervol::calculate_with_report(evaluation.composition, report, stamp);
    return evaluation;
}

} // namespace mncalc
