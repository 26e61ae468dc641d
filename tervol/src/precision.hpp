// Precision helpers. Every stored value is single precision; a formula is
// evaluated in double from its single-precision operands and rounded once,
// when its result is stored. `wide` marks the first operand of such a
// formula so that the whole expression is carried in double; `store` rounds.
#pragma once

namespace tervol {

constexpr double wide(float value) { return static_cast<double>(value); }
constexpr float store(double value) { return static_cast<float>(value); }

} // namespace tervol
