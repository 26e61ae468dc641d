// One CSV row in, one output row out: the row's components are read, the
// gas is calculated, and the result columns are appended to the row's raw
// text (or written as a JSON Lines object).
#pragma once

#include "batch_layout.hpp"
#include "gas_evaluation.hpp"
#include "row_batch.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace mncalc {

struct RowFailure {
    std::int64_t line = 0;
    std::string message; // without the line number
};

class RowWriter {
  public:
    RowWriter(const BatchLayout& layout, const EntrySettings& settings, BatchFormat format,
              bool properties);

    // Appends the row's output to `out`. False when the row failed (it could
    // not be read, or the library rejected its sum); `failure` then says why.
    // A failed row is written all the same, its result cells carrying the error.
    bool write_row(const RowBatch& batch, const RowRecord& row, std::string& out,
                   RowFailure& failure) const;

  private:
    // Empty when every component of the row is readable; else why not.
    std::string read_entries(const RowBatch& batch, const RowRecord& row,
                             EntryValues& entries) const;
    void write_csv(const RowBatch& batch, const RowRecord& row, const tervol::Result* result,
                   std::string_view error, std::string& out) const;
    void write_jsonl(const RowBatch& batch, const RowRecord& row, const tervol::Result* result,
                     std::string_view error, std::string& out) const;

    const BatchLayout& layout_;
    EntrySettings settings_;
    BatchFormat format_;
    bool properties_;
    std::vector<std::string> result_names_;
};

// Appends `text` as one CSV field, quoted when it holds a separator, a quote,
// a line break or blanks at its ends.
void append_csv_field(std::string& out, std::string_view text);

} // namespace mncalc
