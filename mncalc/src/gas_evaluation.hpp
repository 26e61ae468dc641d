// From entered figures to the library's result: apportioning, unit
// conversion and the calculation itself.
#pragma once

#include "unit_conversion.hpp"

#include "tervol/calculation.hpp"

#include <ostream>

namespace mncalc {

struct EntrySettings {
    Unit unit = Unit::volume;
    bool normalize = false; // scale any positive total to 100 first
};

struct Evaluation {
    float entry_total = 0.0f;          // of the figures as entered, in their unit
    tervol::Composition composition{}; // volume percent, as handed to the library
    tervol::Result result;
};

// The composition the library gets for `entries`. When the total is unusable
// (outside 99 to 101 without normalising, not positive with it) the figures
// go as entered, so that the library's own sum check rejects them with its
// status -1 instead of a converted composition that would hide the bad total.
tervol::Composition library_composition(const EntryValues& entries, float entry_total,
                                        const EntrySettings& settings);

Evaluation evaluate(const EntryValues& entries, const EntrySettings& settings);

// The same, also writing the library's complete report of the calculation
// to `report` (a binary stream: its lines end in CR LF).
Evaluation evaluate(const EntryValues& entries, const EntrySettings& settings, std::ostream& report,
                    const tervol::ReportStamp& stamp);

} // namespace mncalc
