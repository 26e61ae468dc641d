#include "polynomial.hpp"

#include "precision.hpp"

#include <cmath>
#include <utility>

namespace tervol {

namespace {

// A row given at run time: every term is evaluated.
struct RuntimeRow {
    const tables::CoefficientRow& row;
    static constexpr bool present(int) { return true; }
    double c(int i) const { return row[static_cast<std::size_t>(i)]; }
};

// A row of the coefficient table known at compile time: terms with a zero
// coefficient are left out. For finite x and y this changes no bit: a zero
// coefficient times a finite power adds nothing, and no power of a float
// overflows a double.
template <int G> struct TableRow {
    static constexpr bool present(int i) {
        return tables::coefficients[G][static_cast<std::size_t>(i)] != 0.0f;
    }
    static constexpr double c(int i) { return tables::coefficients[G][static_cast<std::size_t>(i)]; }
};

template <class Row> PolynomialValue evaluate(const Row& row, float x, float y) {
    const double c1 = row.c(0), c2 = row.c(1), c3 = row.c(2), c4 = row.c(3), c5 = row.c(4);
    const double c6 = row.c(5), c7 = row.c(6), c8 = row.c(7), c9 = row.c(8), c10 = row.c(9);
    const double c11 = row.c(10), c12 = row.c(11), c13 = row.c(12), c14 = row.c(13), c15 = row.c(14);
    const double c16 = row.c(15), c17 = row.c(16), c18 = row.c(17), c19 = row.c(18), c20 = row.c(19);
    const double X = x, Y = y;
    const double x2 = X * X, y2 = Y * Y, x3 = x2 * X, y3 = y2 * Y;
    const double x4 = x3 * X, y4 = y3 * Y, x5 = x4 * X, y5 = y4 * Y, x6 = x5 * X, y6 = y5 * Y;
    const double x7 = x6 * X;

// Adds a term unless the row knows at compile time that its coefficient
// is zero; the order of the additions is always the same.
#define TERVOL_TERM(sum, n, expression)                                                            \
    if constexpr (Row::present(n)) {                                                               \
        sum = sum + (expression);                                                                  \
    }

    double p = c1;
    TERVOL_TERM(p, 1, c2 * X)
    TERVOL_TERM(p, 2, c3 * Y)
    TERVOL_TERM(p, 3, c4 * x2)
    TERVOL_TERM(p, 4, c5 * X * Y)
    TERVOL_TERM(p, 5, c6 * y2)
    TERVOL_TERM(p, 6, c7 * x3)
    TERVOL_TERM(p, 7, c8 * x2 * Y)
    TERVOL_TERM(p, 8, c9 * X * y2)
    TERVOL_TERM(p, 9, c10 * y3)
    TERVOL_TERM(p, 10, c11 * x4)
    TERVOL_TERM(p, 11, c12 * x3 * Y)
    TERVOL_TERM(p, 12, c13 * x2 * y2)
    TERVOL_TERM(p, 13, c14 * X * y3)
    TERVOL_TERM(p, 14, c15 * y4)
    TERVOL_TERM(p, 15, c16 * x5)
    TERVOL_TERM(p, 16, c17 * x6)
    TERVOL_TERM(p, 17, c18 * x7)
    TERVOL_TERM(p, 18, c19 * y5)
    TERVOL_TERM(p, 19, c20 * y6)

    double px = c2;
    TERVOL_TERM(px, 3, 2.0 * c4 * X)
    TERVOL_TERM(px, 4, c5 * Y)
    TERVOL_TERM(px, 6, 3.0 * c7 * x2)
    TERVOL_TERM(px, 7, 2.0 * c8 * X * Y)
    TERVOL_TERM(px, 8, c9 * y2)
    TERVOL_TERM(px, 10, 4.0 * c11 * x3)
    TERVOL_TERM(px, 11, 3.0 * c12 * x2 * Y)
    TERVOL_TERM(px, 12, 2.0 * c13 * X * y2)
    TERVOL_TERM(px, 13, c14 * y3)
    TERVOL_TERM(px, 15, 5.0 * c16 * x4)
    TERVOL_TERM(px, 16, 6.0 * c17 * x5)
    TERVOL_TERM(px, 17, 7.0 * c18 * x6)

    double py = c3;
    TERVOL_TERM(py, 4, c5 * X)
    TERVOL_TERM(py, 5, 2.0 * c6 * Y)
    TERVOL_TERM(py, 7, c8 * x2)
    TERVOL_TERM(py, 8, 2.0 * c9 * X * Y)
    TERVOL_TERM(py, 9, 3.0 * c10 * y2)
    TERVOL_TERM(py, 11, c12 * x3)
    TERVOL_TERM(py, 12, 2.0 * c13 * x2 * Y)
    TERVOL_TERM(py, 13, 3.0 * c14 * X * y2)
    TERVOL_TERM(py, 14, 4.0 * c15 * y3)
    TERVOL_TERM(py, 18, 5.0 * c19 * y4)
    TERVOL_TERM(py, 19, 6.0 * c20 * y5)

    double pxx = 2.0 * c4;
    TERVOL_TERM(pxx, 6, 6.0 * c7 * X)
    TERVOL_TERM(pxx, 7, 2.0 * c8 * Y)
    TERVOL_TERM(pxx, 10, 12.0 * c11 * x2)
    TERVOL_TERM(pxx, 11, 6.0 * c12 * X * Y)
    TERVOL_TERM(pxx, 12, 2.0 * c13 * y2)
    TERVOL_TERM(pxx, 15, 20.0 * c16 * x3)
    TERVOL_TERM(pxx, 16, 30.0 * c17 * x4)
    TERVOL_TERM(pxx, 17, 42.0 * c18 * x5)

    double pyy = 2.0 * c6;
    TERVOL_TERM(pyy, 8, 2.0 * c9 * X)
    TERVOL_TERM(pyy, 9, 6.0 * c10 * Y)
    TERVOL_TERM(pyy, 12, 2.0 * c13 * x2)
    TERVOL_TERM(pyy, 13, 6.0 * c14 * X * Y)
    TERVOL_TERM(pyy, 14, 12.0 * c15 * y2)
    TERVOL_TERM(pyy, 18, 20.0 * c19 * y3)
    TERVOL_TERM(pyy, 19, 30.0 * c20 * y4)
#undef TERVOL_TERM

    (void)x7;
    (void)y6;
    return {store(p), store(py), store(px), store(pyy), store(pxx)};
}

using Evaluator = PolynomialValue (*)(float, float);

template <int G> PolynomialValue evaluate_group(float x, float y) {
    return evaluate(TableRow<G>{}, x, y);
}

template <std::size_t... G>
constexpr std::array<Evaluator, sizeof...(G)> make_table(std::index_sequence<G...>) {
    return {&evaluate_group<static_cast<int>(G)>...};
}

constexpr auto evaluators = make_table(std::make_index_sequence<tables::group_count + 1>{});

} // namespace

PolynomialValue MZPOLY(const tables::CoefficientRow& row, float x, float y) {
    return evaluate(RuntimeRow{row}, x, y);
}

PolynomialValue MZPOLY_group(int group, float x, float y) {
    return evaluators[static_cast<std::size_t>(group)](x, y);
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
