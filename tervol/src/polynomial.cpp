#include "polynomial.hpp"

#include "precision.hpp"

#include <cmath>

namespace tervol {

PolynomialValue MZPOLY(const tables::CoefficientRow& row, float x, float y) {
    const double c1 = row[0], c2 = row[1], c3 = row[2], c4 = row[3], c5 = row[4];
    const double c6 = row[5], c7 = row[6], c8 = row[7], c9 = row[8], c10 = row[9];
    const double c11 = row[10], c12 = row[11], c13 = row[12], c14 = row[13], c15 = row[14];
    const double c16 = row[15], c17 = row[16], c18 = row[17], c19 = row[18], c20 = row[19];
    const double X = x, Y = y;
    const double x2 = X * X, y2 = Y * Y, x3 = x2 * X, y3 = y2 * Y;
    const double x4 = x3 * X, y4 = y3 * Y, x5 = x4 * X, y5 = y4 * Y, x6 = x5 * X, y6 = y5 * Y;
    const double x7 = x6 * X;

    PolynomialValue out;
    out.value = store(c1 + c2 * X + c3 * Y + c4 * x2 + c5 * X * Y + c6 * y2 + c7 * x3 +
                      c8 * x2 * Y + c9 * X * y2 + c10 * y3 + c11 * x4 + c12 * x3 * Y +
                      c13 * x2 * y2 + c14 * X * y3 + c15 * y4 + c16 * x5 + c17 * x6 +
                      c18 * x7 + c19 * y5 + c20 * y6);
    out.dx = store(c2 + 2.0 * c4 * X + c5 * Y + 3.0 * c7 * x2 + 2.0 * c8 * X * Y + c9 * y2 +
                   4.0 * c11 * x3 + 3.0 * c12 * x2 * Y + 2.0 * c13 * X * y2 + c14 * y3 +
                   5.0 * c16 * x4 + 6.0 * c17 * x5 + 7.0 * c18 * x6);
    out.dy = store(c3 + c5 * X + 2.0 * c6 * Y + c8 * x2 + 2.0 * c9 * X * Y + 3.0 * c10 * y2 +
                   c12 * x3 + 2.0 * c13 * x2 * Y + 3.0 * c14 * X * y2 + 4.0 * c15 * y3 +
                   5.0 * c19 * y4 + 6.0 * c20 * y5);
    out.dxx = store(2.0 * c4 + 6.0 * c7 * X + 2.0 * c8 * Y + 12.0 * c11 * x2 +
                    6.0 * c12 * X * Y + 2.0 * c13 * y2 + 20.0 * c16 * x3 + 30.0 * c17 * x4 +
                    42.0 * c18 * x5);
    out.dyy = store(2.0 * c6 + 2.0 * c9 * X + 6.0 * c10 * Y + 2.0 * c13 * x2 +
                    6.0 * c14 * X * Y + 12.0 * c15 * y2 + 20.0 * c19 * y3 + 30.0 * c20 * y4);
    return out;
}

float MZPOLY_value(const tables::CoefficientRow& row, float x, float y) {
    return MZPOLY(row, x, y).value;
}

float MZDAMP(float amount, float change) {
    if (!(amount > 0.0f)) {
        return 0.0f;
    }
    const float t = std::fabs(change / amount);
    if (t < 2.4465f) {
        return store(std::exp(wide(-0.4088f) * t));
    }
    return store(wide(0.9f) / t);
}

} // namespace tervol
