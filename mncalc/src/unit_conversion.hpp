// Entry units and the way the dialog turns entered figures into the volume
// percentages that the library takes: apportioning to 100 and conversion from
// mole or mass percent.
#pragma once

#include "tervol/calculation.hpp"

#include <optional>
#include <string_view>

namespace mncalc {

enum class Unit { volume, mol, mass };

std::optional<Unit> unit_from_name(std::string_view name); // "volume", "mol", "mass"
std::string_view unit_name(Unit unit);

// Figures as entered, in slot order, in the chosen unit.
using EntryValues = tervol::Composition;

// Sum of the figures in slot order, rounded to single precision after every
// addition (the order matters).
float entry_total(const EntryValues& entries);

// The library's band: a total above 0 that differs from 100 by at most 1.
bool total_within_band(float total);

// Each figure scaled by 100 / total; `total` must be positive.
EntryValues apportion_to_100(const EntryValues& entries, float total);

// Volume percentages from figures already apportioned to 100. Volume
// figures pass unchanged; mole and mass figures are weighted with the
// real-gas factor and the ideal molar volume (and mass figures divided by
// the molar mass), then scaled to 100.
tervol::Composition to_volume_percent(const EntryValues& entries, Unit unit);

} // namespace mncalc
