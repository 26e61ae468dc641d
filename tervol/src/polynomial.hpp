// The group polynomial with its derivatives, and the step damping factor.
#pragma once

#include "tables.hpp"

namespace tervol {

struct PolynomialValue {
    float value = 0.0f; // the group's methane number
    float dy = 0.0f;    // first partial derivatives
    float dx = 0.0f;
    float dyy = 0.0f;   // pure second partial derivatives
    float dxx = 0.0f;
};

// Evaluates the group polynomial of `row` at the shares x (position 1) and
// y (position 2), percent. Summed in double, each result rounded once: the
// rows of groups 9 to 11 and 20 cancel terms of 1e7 to results of 100.
PolynomialValue MZPOLY(const tables::CoefficientRow& row, float x, float y);

// Only the value, for the inert-gas correction.
float MZPOLY_value(const tables::CoefficientRow& row, float x, float y);

// Damping factor for a proposed change `change` of the amount `amount`: 1 for
// no change, falling so that |change| * factor never exceeds 0.9 * amount;
// 0 when the amount is not positive.
float MZDAMP(float amount, float change);

} // namespace tervol

namespace tervol {

// MZPOLY for group g (1 to 20) of the coefficient table, specialised per
// group so that terms with a zero coefficient cost nothing. Bit-identical to
// MZPOLY(tables::coefficients[g], x, y) for every finite x and y: the same
// terms are added in the same order, and a product of a zero coefficient
// with a finite power adds nothing.
PolynomialValue MZPOLY_group(int group, float x, float y);

} // namespace tervol
