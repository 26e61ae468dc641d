// End-to-end: mncalc --csv.
#include "csv_reader.hpp"
#include "json_output.hpp"
#include "run_mncalc.hpp"

#include "tervol/calculation.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <fcntl.h>
#include <unistd.h>

namespace {

using mncalc_test::fixture;
using mncalc_test::lines_of;
using mncalc_test::run_mncalc;
using mncalc_test::TempFile;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows; // blank lines left out
    std::size_t blank_lines = 0;
};

// Reads mncalc's CSV output back with the same reader it uses for its input.
Table parse_csv(const std::string& text) {
    const TempFile file(text);
    const int fd = ::open(file.path().c_str(), O_RDONLY);
    mncalc::CsvReader reader(fd);
    Table table;
    mncalc::CsvHeader header;
    if (reader.read_header(header)) {
        table.header = header.names;
    }
    mncalc::RowBatch batch;
    while (reader.read_rows(batch, 100)) {
        for (const auto& row : batch.rows) {
            if (row.shape == mncalc::RowShape::blank) {
                ++table.blank_lines;
                continue;
            }
            std::vector<std::string> fields;
            for (std::uint32_t i = 0; i < row.field_count; ++i) {
                fields.emplace_back(batch.field(row, i));
            }
            table.rows.push_back(fields);
        }
        batch.clear();
    }
    ::close(fd);
    return table;
}

float as_float(const std::string& text) {
    float value = -12345.0f;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(result.ec == std::errc{} && result.ptr == text.data() + text.size()) << text;
    return value;
}

tervol::Composition gas(std::initializer_list<std::pair<int, float>> slots) {
    tervol::Composition composition{};
    for (auto [slot, value] : slots) {
        composition[static_cast<std::size_t>(slot - 1)] = value;
    }
    return composition;
}

constexpr int CH4 = 11, C2H6 = 9, N2 = 14, CxHy = 12;

TEST(Batch, BadRowsKeepTheirPlaceAndAreReportedWithTheirLine) {
    const auto run = run_mncalc({"--csv", fixture("mixed_rows.csv")});
    EXPECT_EQ(run.exit_code, 1);
    for (const char* message : {"mncalc: line 4: column CH4: '9O' is not a number",
                                "mncalc: line 5: 3 fields where the header has 5",
                                "mncalc: line 6: input rejected: the components add up to 50",
                                "mncalc: 3 of 7 rows failed"}) {
        EXPECT_TRUE(contains(run.err, message)) << run.err << " lacks " << message;
    }
    EXPECT_EQ(lines_of(run.err).size(), 4u) << run.err;

    // Rows in = rows out, each row's own text unchanged in front.
    const auto input_lines = lines_of(mncalc_test::read_file(fixture("mixed_rows.csv")));
    const auto output_lines = lines_of(run.out);
    ASSERT_EQ(output_lines.size(), input_lines.size());
    EXPECT_EQ(output_lines[0], input_lines[0] + ",mn,mn_inert_free,status,warning");
    for (std::size_t i = 1; i < input_lines.size(); ++i) {
        EXPECT_EQ(output_lines[i].substr(0, input_lines[i].size()), input_lines[i]) << i;
    }
    EXPECT_EQ(output_lines[4], "4,short row,10,,,,,error,3 fields where the header has 5");

    const Table table = parse_csv(run.out);
    ASSERT_EQ(table.rows.size(), 7u);
    EXPECT_EQ(table.blank_lines, 1u);
    struct Expected {
        const char* id;
        const char* status;
        bool has_mn;
        const char* warning_part;
    };
    const Expected expected[] = {
        {"1", "0", true, ""},
        {"2", "0", true, ""},
        {"3", "error", false, "column CH4: '9O' is not a number"},
        {"4", "error", false, "3 fields where the header has 5"},
        {"5", "-1", false, "input rejected"},
        {"6", "0", true, ""},
        {"7", "0", true, ""},
    };
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const auto& row = table.rows[i];
        const std::size_t n = row.size();
        ASSERT_GE(n, 4u);
        EXPECT_EQ(row[0], expected[i].id);
        EXPECT_EQ(row[n - 2], expected[i].status) << expected[i].id;
        EXPECT_EQ(!row[n - 4].empty(), expected[i].has_mn) << expected[i].id;
        EXPECT_EQ(row[n - 1].empty(), *expected[i].warning_part == '\0') << expected[i].id;
        EXPECT_TRUE(contains(row[n - 1], expected[i].warning_part)) << row[n - 1];
    }
    // The multi-line comment travels intact.
    EXPECT_EQ(table.rows[5][1], "two\nlines");
    // The published example, 79.6164.
    EXPECT_EQ(as_float(table.rows[0][5]),
              tervol::calculate(gas({{CH4, 90.0f}, {C2H6, 10.0f}})).methane_number);
}

TEST(Batch, StrictStopsAtTheFirstFailedRow) {
    const auto run = run_mncalc({"--csv", fixture("mixed_rows.csv"), "--strict"});
    EXPECT_EQ(run.exit_code, 1);
    const auto lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), 3u); // header and the two rows before the bad one
    EXPECT_EQ(lines[2].substr(0, 2), "2,");
    EXPECT_TRUE(contains(run.err, "line 4:")) << run.err;
    EXPECT_FALSE(contains(run.err, "line 5:")) << run.err;
}

TEST(Batch, ColumnsInAnyOrderOtherColumnsPassedThroughLineEndsKept) {
    const std::string input = mncalc_test::read_file(fixture("crlf_any_order.csv"));
    const auto run = run_mncalc({"--csv", "-", "--properties"}, input);
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_TRUE(
        run.out.starts_with("\"Sample \"\"A\"\"\",N2,c6+,ch4,Lab note,C2H6,mn,mn_inert_free,"
                            "status,warning,heating_value_kj_per_kg,"
                            "air_requirement_kg_per_kg,density_kg_per_m3,real_gas_factor,"
                            "gas_constant_j_per_kg_k,isentropic_exponent\r\n"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "\r\ns1,1,0.5,88.5,\"x, y\",10,")) << run.out;
    EXPECT_TRUE(contains(run.out, "\r\ns2, 2 ,,\"88\",,10,")) << run.out;

    const Table table = parse_csv(run.out);
    ASSERT_EQ(table.rows.size(), 2u);
    const tervol::Composition gases[] = {
        gas({{N2, 1.0f}, {CxHy, 0.5f}, {CH4, 88.5f}, {C2H6, 10.0f}}),
        gas({{N2, 2.0f}, {CH4, 88.0f}, {C2H6, 10.0f}}), // an empty cell reads as 0
    };
    for (std::size_t i = 0; i < 2; ++i) {
        const auto& row = table.rows[i];
        const auto expected = tervol::calculate(gases[i]);
        EXPECT_EQ(as_float(row[6]), expected.methane_number);
        EXPECT_EQ(as_float(row[7]), expected.methane_number_inert_free);
        EXPECT_EQ(row[8], std::to_string(expected.status));
        const float properties[] = {
            expected.properties.heating_value, expected.properties.air_requirement,
            expected.properties.density,       expected.properties.real_gas_factor,
            expected.properties.gas_constant,  expected.properties.isentropic_exponent};
        for (std::size_t p = 0; p < 6; ++p) {
            EXPECT_EQ(as_float(row[10 + p]), properties[p]) << table.header[10 + p];
        }
    }
}

TEST(Batch, JsonLinesHoldTheSameFieldsAsCsv) {
    const auto csv = run_mncalc({"--csv", fixture("mixed_rows.csv"), "--properties"});
    const auto jsonl =
        run_mncalc({"--csv", fixture("mixed_rows.csv"), "--properties", "--format", "jsonl"});
    EXPECT_EQ(jsonl.exit_code, 1);
    EXPECT_EQ(jsonl.err, csv.err);
    const Table table = parse_csv(csv.out);
    const auto lines = lines_of(jsonl.out);
    ASSERT_EQ(lines.size(), table.rows.size()); // one object per row; the blank line is no row
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto object = mncalc::Json::parse(lines[i]);
        const auto& row = table.rows[i];
        ASSERT_EQ(object.size(), table.header.size()) << lines[i];
        ASSERT_EQ(row.size(), table.header.size()) << i; // a short row is padded
        std::size_t column = 0;
        for (const auto& [key, value] : object.items()) {
            EXPECT_EQ(key, table.header[column]);
            const std::string& cell = row[column];
            if (column < 5) {
                if (value.is_null()) {
                    EXPECT_EQ(i, 3u) << key; // only the short row lacks fields
                    EXPECT_EQ(cell, "") << key;
                } else {
                    EXPECT_EQ(value, cell) << key; // input columns as strings
                }
            } else if (key == "status") {
                EXPECT_EQ(value.is_number() ? std::to_string(value.get<int>())
                                            : value.get<std::string>(),
                          cell);
            } else if (key == "warning") {
                EXPECT_EQ(value.is_null() ? "" : value.get<std::string>(), cell);
            } else if (cell.empty()) {
                EXPECT_TRUE(value.is_null()) << key;
            } else {
                EXPECT_EQ(value.get<float>(), as_float(cell)) << key;
            }
            ++column;
        }
    }
}

// Gases as an analyser reports them: a few families, perturbed, with a bad
// row now and then.
std::string generated_input(int rows) {
    const tervol::Composition bases[] = {
        gas({{CH4, 98.3f}, {C2H6, 0.6f}, {8, 0.2f}, {N2, 0.7f}, {15, 0.1f}, {10, 0.1f}}),
        gas({{CH4, 81.3f}, {C2H6, 2.85f}, {8, 0.37f}, {N2, 14.35f}, {15, 0.89f}, {10, 0.24f}}),
        gas({{CH4, 60.0f}, {15, 39.0f}, {N2, 1.0f}}),
        gas({{CH4, 70.0f}, {7, 30.0f}}),
        gas({{CH4, 85.0f}, {C2H6, 8.0f}, {8, 4.0f}, {10, 2.0f}, {13, 1.0f}}),
    };
    std::string text =
        "row,CO,C4H6,C4H8,C2H4,C3H6,H2S,H2,C3H8,C2H6,C4H10,CH4,CxHy,C5H12,N2,CO2,O2,H2O\n";
    unsigned state = 12345;
    for (int i = 0; i < rows; ++i) {
        text += std::to_string(i + 1);
        if (i % 97 == 13) {
            text += ",0,0,0,0,0,0,0,0,0,0,ninety,0,0,0,0,0,0\n";
            continue;
        }
        const auto& base = bases[i % 5];
        for (float value : base) {
            state = state * 1103515245u + 12345u;
            const float factor = 1.0f + (static_cast<float>((state >> 8) % 1000) - 500.0f) * 1e-5f;
            char buffer[32];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, value * factor).ptr;
            text += ',';
            text.append(buffer, end);
        }
        text += '\n';
    }
    return text;
}

TEST(Batch, OneJobAndManyJobsWriteTheSameBytes) {
    const TempFile input(generated_input(2000));
    const auto one = run_mncalc({"--csv", input.path(), "--jobs", "1", "--properties"});
    EXPECT_EQ(one.exit_code, 1); // the rows with "ninety"
    for (const char* jobs : {"2", "3"}) {
        const auto many = run_mncalc({"--csv", input.path(), "--jobs", jobs, "--properties"});
        EXPECT_EQ(many.exit_code, one.exit_code);
        EXPECT_EQ(many.out, one.out) << jobs << " jobs";
        EXPECT_EQ(many.err, one.err) << jobs << " jobs";
    }

    // Every number reads back to the library's own single-precision value.
    const Table input_table = parse_csv(input.read());
    const Table output_table = parse_csv(one.out);
    ASSERT_EQ(output_table.rows.size(), input_table.rows.size());
    int compared = 0;
    for (std::size_t i = 0; i < input_table.rows.size(); ++i) {
        const auto& in = input_table.rows[i];
        const auto& out = output_table.rows[i];
        if (out[20] == "error") {
            continue;
        }
        tervol::Composition composition{};
        for (std::size_t slot = 0; slot < 17; ++slot) {
            composition[slot] = as_float(in[slot + 1]);
        }
        const auto expected = tervol::calculate(composition);
        EXPECT_EQ(out[20], std::to_string(expected.status)) << i;
        if (expected.accepted) {
            EXPECT_EQ(as_float(out[18]), expected.methane_number) << i;
            EXPECT_EQ(as_float(out[19]), expected.methane_number_inert_free) << i;
            EXPECT_EQ(as_float(out[24]), expected.properties.density) << i;
        }
        ++compared;
    }
    EXPECT_GT(compared, 1900);
}

TEST(Batch, NormalizeAndUnitApplyToEveryRow) {
    const std::string input = "id,CH4,C2H6\nhalf,45,5\nfull,90,10\n";
    const auto plain = run_mncalc({"--csv", "-"}, input);
    EXPECT_EQ(plain.exit_code, 1);
    EXPECT_TRUE(contains(plain.out, "\nhalf,45,5,,,-1,")) << plain.out;

    const auto normalized = run_mncalc({"--csv", "-", "--normalize"}, input);
    EXPECT_EQ(normalized.exit_code, 0) << normalized.err;
    const Table table = parse_csv(normalized.out);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0][3], table.rows[1][3]); // 45 and 5 scale to 90 and 10
    EXPECT_EQ(as_float(table.rows[0][3]),
              tervol::calculate(gas({{CH4, 90.0f}, {C2H6, 10.0f}})).methane_number);

    // Same gas in mass percent gives what the one-gas command gives.
    const auto mass = parse_csv(run_mncalc({"--csv", "-", "--unit", "mass"}, input).out);
    const auto one_gas =
        mncalc::Json::parse(run_mncalc({"--json", "--unit", "mass", "CH4=90", "C2H6=10"}).out);
    EXPECT_EQ(as_float(mass.rows[1][3]), one_gas["methane_number"].get<float>());
}

TEST(Batch, OutputFileHeaderOnlyInputAndStandardStreams) {
    const TempFile out("old content that must go", "out.csv");
    const auto run = run_mncalc({"--csv", fixture("header_only.csv"), "-o", out.path()});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(out.read(), "name,CH4,C2H6,mn,mn_inert_free,status,warning\n");

    const auto piped = run_mncalc({"--csv", "-", "-o", "-", "--quiet"}, "CH4\n100\n");
    EXPECT_EQ(piped.exit_code, 0);
    EXPECT_EQ(lines_of(piped.out).size(), 2u);
    EXPECT_TRUE(piped.err.empty()); // no progress bar when standard error is no terminal
}

TEST(Batch, UsageErrorsStopBeforeAnyOutput) {
    const TempFile duplicate_json("name,CH4,mn\nx,100,1\n");
    struct Case {
        std::vector<std::string> arguments;
        std::string input;
        const char* message_part;
    };
    const Case cases[] = {
        {{"--csv", "/nonexistent/gases.csv"}, "", "cannot open '/nonexistent/gases.csv'"},
        {{"--csv", "-"}, "", "the input is empty"},
        {{"--csv", "-"}, "name;CH4;C2H6\nx;90;10\n", "names no component"},
        {{"--csv", "-"}, "CH4,C2H6,ch4\n90,10,0\n", "names CH4 twice (columns 1 and 3)"},
        {{"--csv", "-", "--format", "jsonl"}, "name,CH4,mn\nx,100,1\n", "'mn' appears twice"},
        {{"--csv", "-", "--format", "xml"}, "CH4\n100\n", "xml"},
        {{"--csv", "-", "--jobs", "0"}, "CH4\n100\n", "--jobs"},
        {{"--csv", "-", "-o", "/nonexistent/out.csv"},
         "CH4\n100\n",
         "cannot open '/nonexistent/out.csv'"},
        {{"--csv", duplicate_json.path(), "-o", duplicate_json.path()}, "", "is the input file"},
    };
    for (const Case& c : cases) {
        const auto run = run_mncalc(c.arguments, c.input);
        EXPECT_EQ(run.exit_code, 2) << c.message_part;
        EXPECT_TRUE(run.out.empty()) << c.message_part;
        EXPECT_TRUE(contains(run.err, c.message_part)) << run.err << " lacks " << c.message_part;
    }
    EXPECT_EQ(duplicate_json.read(), "name,CH4,mn\nx,100,1\n"); // the input survived
}

} // namespace
