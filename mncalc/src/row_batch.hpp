// Rows of a CSV input as the reader hands them to the workers: the raw text
// of each row, which is written out unchanged, and its fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mncalc {

enum class RowShape : std::uint8_t {
    record,    // a row with fields
    blank,     // an empty line; kept as it is
    open_quote // the input ended inside a quoted field
};

struct FieldSpan {
    std::uint32_t offset = 0; // in RowBatch::field_text
    std::uint32_t length = 0;
};

struct RowRecord {
    std::int64_t line = 0;         // its first line in the input, counted from 1
    std::uint32_t raw_offset = 0;  // in RowBatch::raw
    std::uint32_t raw_length = 0;  // without the line end
    std::uint32_t first_field = 0; // in RowBatch::fields
    std::uint32_t field_count = 0;
    RowShape shape = RowShape::record;
};

struct RowBatch {
    std::string raw;
    std::string field_text; // field values with quoting removed
    std::vector<FieldSpan> fields;
    std::vector<RowRecord> rows;

    void clear() {
        raw.clear();
        field_text.clear();
        fields.clear();
        rows.clear();
    }

    std::string_view raw_text(const RowRecord& row) const {
        return std::string_view(raw).substr(row.raw_offset, row.raw_length);
    }

    std::string_view field(const RowRecord& row, std::uint32_t column) const {
        const FieldSpan& span = fields[row.first_field + column];
        return std::string_view(field_text).substr(span.offset, span.length);
    }
};

} // namespace mncalc
