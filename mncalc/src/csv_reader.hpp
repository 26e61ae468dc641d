// Streaming CSV reader. libcsv splits the fields (quotes, doubled quotes,
// separators and line breaks inside quotes); the reader feeds it one line at
// a time so that it also knows where each row starts and ends in the input
// and can hand on the row's raw text.
#pragma once

#include "row_batch.hpp"

#include <csv.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace mncalc {

// The input cannot be read on: a read error, or a row beyond the size limit.
class InputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct CsvHeader {
    std::vector<std::string> names;
    std::string raw;      // the header line as it stands, without its line end
    std::string line_end; // "\r\n" when the header line ends so, else "\n"
};

class CsvReader {
  public:
    // Longest row accepted; longer means a quote was left open, most likely.
    static constexpr std::size_t max_row_bytes = std::size_t{1} << 20;

    explicit CsvReader(int fd);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // The first row that is not blank. False when the input holds none.
    bool read_header(CsvHeader& header);

    // Appends rows until `max_rows`, the end of the input, or, once it has
    // rows, until the next row would have to wait for more input. False
    // when no row was left.
    bool read_rows(RowBatch& batch, std::size_t max_rows);

    // False when reading on would wait for a slow producer (a pipe).
    bool input_waiting() const;

    std::uint64_t bytes_consumed() const { return consumed_; }

  private:
    bool next_line(std::string_view& line);
    bool line_buffered() const; // a whole line is in the buffer
    bool next_row(RowBatch& batch);
    void fill_buffer();

    static void on_field(void* text, std::size_t length, void* self);
    static void on_row_end(int terminator, void* self);

    int fd_;
    csv_parser parser_{};
    std::vector<char> buffer_;
    std::size_t begin_ = 0; // unread bytes are buffer_[begin_, end_)
    std::size_t end_ = 0;
    bool eof_ = false;
    bool first_line_ = true;
    std::int64_t line_number_ = 0;
    std::uint64_t consumed_ = 0;
    RowBatch* target_ = nullptr; // where on_field puts the fields
    bool row_ended_ = false;
};

} // namespace mncalc
