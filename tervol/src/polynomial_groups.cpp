#include "polynomial.hpp"
#include "precision.hpp"

#include <utility>

namespace tervol {

namespace {

template <int G> PolynomialValue evaluate(float x, float y) {
    constexpr const tables::CoefficientRow& row = tables::coefficients[G];
    constexpr double c1 = row[0], c2 = row[1], c3 = row[2], c4 = row[3], c5 = row[4];
    constexpr double c6 = row[5], c7 = row[6], c8 = row[7], c9 = row[8], c10 = row[9];
    constexpr double c11 = row[10], c12 = row[11], c13 = row[12], c14 = row[13], c15 = row[14];
    constexpr double c16 = row[15], c17 = row[16], c18 = row[17], c19 = row[18], c20 = row[19];
    const double X = x, Y = y;
    const double x2 = X * X, y2 = Y * Y, x3 = x2 * X, y3 = y2 * Y;
    const double x4 = x3 * X, y4 = y3 * Y, x5 = x4 * X, y5 = y4 * Y, x6 = x5 * X, y6 = y5 * Y;
    const double x7 = x6 * X;

// Adds a term only when its coefficient is not zero; the order of the
// additions is that of the general evaluator.
#define TERVOL_TERM(sum, c, expression)                                                            \
    if constexpr ((c) != 0.0) {                                                                    \
        sum = sum + (expression);                                                                  \
    }

    double p = c1;
    TERVOL_TERM(p, c2, c2 * X)
    TERVOL_TERM(p, c3, c3 * Y)
    TERVOL_TERM(p, c4, c4 * x2)
    TERVOL_TERM(p, c5, c5 * X * Y)
    TERVOL_TERM(p, c6, c6 * y2)
    TERVOL_TERM(p, c7, c7 * x3)
    TERVOL_TERM(p, c8, c8 * x2 * Y)
    TERVOL_TERM(p, c9, c9 * X * y2)
    TERVOL_TERM(p, c10, c10 * y3)
    TERVOL_TERM(p, c11, c11 * x4)
    TERVOL_TERM(p, c12, c12 * x3 * Y)
    TERVOL_TERM(p, c13, c13 * x2 * y2)
    TERVOL_TERM(p, c14, c14 * X * y3)
    TERVOL_TERM(p, c15, c15 * y4)
    TERVOL_TERM(p, c16, c16 * x5)
    TERVOL_TERM(p, c17, c17 * x6)
    TERVOL_TERM(p, c18, c18 * x7)
    TERVOL_TERM(p, c19, c19 * y5)
    TERVOL_TERM(p, c20, c20 * y6)

    double px = c2;
    TERVOL_TERM(px, c4, 2.0 * c4 * X)
    TERVOL_TERM(px, c5, c5 * Y)
    TERVOL_TERM(px, c7, 3.0 * c7 * x2)
    TERVOL_TERM(px, c8, 2.0 * c8 * X * Y)
    TERVOL_TERM(px, c9, c9 * y2)
    TERVOL_TERM(px, c11, 4.0 * c11 * x3)
    TERVOL_TERM(px, c12, 3.0 * c12 * x2 * Y)
    TERVOL_TERM(px, c13, 2.0 * c13 * X * y2)
    TERVOL_TERM(px, c14, c14 * y3)
    TERVOL_TERM(px, c16, 5.0 * c16 * x4)
    TERVOL_TERM(px, c17, 6.0 * c17 * x5)
    TERVOL_TERM(px, c18, 7.0 * c18 * x6)

    double py = c3;
    TERVOL_TERM(py, c5, c5 * X)
    TERVOL_TERM(py, c6, 2.0 * c6 * Y)
    TERVOL_TERM(py, c8, c8 * x2)
    TERVOL_TERM(py, c9, 2.0 * c9 * X * Y)
    TERVOL_TERM(py, c10, 3.0 * c10 * y2)
    TERVOL_TERM(py, c12, c12 * x3)
    TERVOL_TERM(py, c13, 2.0 * c13 * x2 * Y)
    TERVOL_TERM(py, c14, 3.0 * c14 * X * y2)
    TERVOL_TERM(py, c15, 4.0 * c15 * y3)
    TERVOL_TERM(py, c19, 5.0 * c19 * y4)
    TERVOL_TERM(py, c20, 6.0 * c20 * y5)

    double pxx = 2.0 * c4;
    TERVOL_TERM(pxx, c7, 6.0 * c7 * X)
    TERVOL_TERM(pxx, c8, 2.0 * c8 * Y)
    TERVOL_TERM(pxx, c11, 12.0 * c11 * x2)
    TERVOL_TERM(pxx, c12, 6.0 * c12 * X * Y)
    TERVOL_TERM(pxx, c13, 2.0 * c13 * y2)
    TERVOL_TERM(pxx, c16, 20.0 * c16 * x3)
    TERVOL_TERM(pxx, c17, 30.0 * c17 * x4)
    TERVOL_TERM(pxx, c18, 42.0 * c18 * x5)

    double pyy = 2.0 * c6;
    TERVOL_TERM(pyy, c9, 2.0 * c9 * X)
    TERVOL_TERM(pyy, c10, 6.0 * c10 * Y)
    TERVOL_TERM(pyy, c13, 2.0 * c13 * x2)
    TERVOL_TERM(pyy, c14, 6.0 * c14 * X * Y)
    TERVOL_TERM(pyy, c15, 12.0 * c15 * y2)
    TERVOL_TERM(pyy, c19, 20.0 * c19 * y3)
    TERVOL_TERM(pyy, c20, 30.0 * c20 * y4)
#undef TERVOL_TERM

    (void)x7;
    (void)y6;
    return {store(p), store(py), store(px), store(pyy), store(pxx)};
}

using Evaluator = PolynomialValue (*)(float, float);

template <std::size_t... G>
constexpr std::array<Evaluator, sizeof...(G)> make_table(std::index_sequence<G...>) {
    return {&evaluate<static_cast<int>(G)>...};
}

constexpr auto evaluators = make_table(std::make_index_sequence<tables::group_count + 1>{});

} // namespace

PolynomialValue MZPOLY_group(int group, float x, float y) {
    return evaluators[static_cast<std::size_t>(group)](x, y);
}

} // namespace tervol
