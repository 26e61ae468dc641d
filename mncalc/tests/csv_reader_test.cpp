#include "csv_reader.hpp"
#include "run_mncalc.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

using mncalc::RowShape;

struct ReadBack {
    std::vector<std::string> header;
    std::string header_line_end;
    struct Row {
        long line;
        RowShape shape;
        std::string raw;
        std::vector<std::string> fields;
    };
    std::vector<Row> rows;
};

ReadBack read_all(const std::string& text, std::size_t rows_per_batch = 2) {
    const mncalc_test::TempFile file(text);
    const int fd = ::open(file.path().c_str(), O_RDONLY);
    mncalc::CsvReader reader(fd);
    ReadBack back;
    mncalc::CsvHeader header;
    if (reader.read_header(header)) {
        back.header = header.names;
        back.header_line_end = header.line_end;
    }
    mncalc::RowBatch batch;
    while (reader.read_rows(batch, rows_per_batch)) {
        for (const auto& row : batch.rows) {
            ReadBack::Row r{
                static_cast<long>(row.line), row.shape, std::string(batch.raw_text(row)), {}};
            for (std::uint32_t i = 0; i < row.field_count; ++i) {
                r.fields.emplace_back(batch.field(row, i));
            }
            back.rows.push_back(r);
        }
        batch.clear();
    }
    ::close(fd);
    return back;
}

using Fields = std::vector<std::string>;

TEST(CsvReader, QuotedFieldsKeepTheirRawTextAndLineNumbers) {
    const auto back = read_all("name,CH4\n"
                               "\"a, b\",90\n"
                               "\"say \"\"hi\"\"\",91\n"
                               "\"two\nlines\",92\n"
                               "after,93\n"
                               "  spaced  , 94 \n");
    EXPECT_EQ(back.header, (Fields{"name", "CH4"}));
    ASSERT_EQ(back.rows.size(), 5u);
    EXPECT_EQ(back.rows[0].fields, (Fields{"a, b", "90"}));
    EXPECT_EQ(back.rows[0].raw, "\"a, b\",90");
    EXPECT_EQ(back.rows[1].fields, (Fields{"say \"hi\"", "91"}));
    EXPECT_EQ(back.rows[2].fields, (Fields{"two\nlines", "92"}));
    EXPECT_EQ(back.rows[2].raw, "\"two\nlines\",92");
    EXPECT_EQ(back.rows[2].line, 4);
    EXPECT_EQ(back.rows[3].line, 6); // the quoted line break counts as a line
    EXPECT_EQ(back.rows[4].fields, (Fields{"spaced", "94"}));
    EXPECT_EQ(back.rows[4].raw, "  spaced  , 94 ");
}

TEST(CsvReader, LineEndsBlankLinesAndTheLastLine) {
    const auto back = read_all("\xEF\xBB\xBFname,CH4\r\n"
                               "a,90\r\n"
                               "\r\n"
                               "   \n"
                               "b,\"9\r0\"\r\n"
                               "c,x\ry\r\n"
                               "d,91");
    EXPECT_EQ(back.header, (Fields{"name", "CH4"})); // without the byte-order mark
    EXPECT_EQ(back.header_line_end, "\r\n");
    ASSERT_EQ(back.rows.size(), 6u);
    EXPECT_EQ(back.rows[0].raw, "a,90");
    EXPECT_EQ(back.rows[0].fields, (Fields{"a", "90"}));
    EXPECT_EQ(back.rows[1].shape, RowShape::blank);
    EXPECT_EQ(back.rows[2].shape, RowShape::blank);
    EXPECT_EQ(back.rows[3].fields, (Fields{"b", "9\r0"}));
    // A lone carriage return does not end a row.
    EXPECT_EQ(back.rows[4].fields, (Fields{"c", "x\ry"}));
    EXPECT_EQ(back.rows[5].fields, (Fields{"d", "91"}));
    EXPECT_EQ(back.rows[5].raw, "d,91");
    EXPECT_EQ(back.rows[5].line, 7);
}

TEST(CsvReader, QuoteLeftOpenAtTheEndIsOneRowOfItsOwn) {
    const auto back = read_all("name,CH4\na,90\n\"b,91\nc,92\n");
    ASSERT_EQ(back.rows.size(), 2u);
    EXPECT_EQ(back.rows[0].shape, RowShape::record);
    EXPECT_EQ(back.rows[1].shape, RowShape::open_quote);
    EXPECT_EQ(back.rows[1].line, 3);
}

TEST(CsvReader, EmptyInputHasNoHeader) {
    EXPECT_TRUE(read_all("").header.empty());
    EXPECT_TRUE(read_all("\n\n").header.empty());
}

TEST(CsvReader, RowsLongerThanTheLimitStopTheReader) {
    // An open quote that swallows the rest of a long input.
    std::string text = "name,CH4\n\"a,90\n";
    const std::string line(1000, 'x');
    while (text.size() < mncalc::CsvReader::max_row_bytes + 10000) {
        text += line + "\n";
    }
    EXPECT_THROW(read_all(text), mncalc::InputError);
    std::string one_line =
        "name,CH4\na," + std::string(mncalc::CsvReader::max_row_bytes * 3, '9') + "\n";
    EXPECT_THROW(read_all(one_line), mncalc::InputError);
}

} // namespace
