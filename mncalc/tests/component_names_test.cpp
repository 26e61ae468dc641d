#include "component_names.hpp"

#include <gtest/gtest.h>

namespace {

TEST(ComponentNames, FormulasInAnyCaseAndTheDialogLabel) {
    struct Case {
        const char* name;
        int index; // -1: unknown
    };
    const Case cases[] = {
        {"CO", 0},     {"co", 0},    {"C4H6", 1}, {"CH4", 10},  {"ch4", 10},     {" CH4 ", 10},
        {"CxHy", 11},  {"CXHY", 11}, {"C6+", 11}, {"c6+", 11},  {"C5H12", 12},   {"N2", 13},
        {"H2O", 16},   {"H2", 6},    {"H2S", 5},  {"C4H10", 9}, {"methane", -1}, {"C6", -1},
        {"CH4 %", -1}, {"", -1},     {"AR", -1},  {"SO2", -1},
    };
    for (const Case& c : cases) {
        const auto index = mncalc::component_index(c.name);
        if (c.index < 0) {
            EXPECT_FALSE(index.has_value()) << c.name;
        } else {
            ASSERT_TRUE(index.has_value()) << c.name;
            EXPECT_EQ(*index, c.index) << c.name;
        }
    }
}

} // namespace
