#include "csv_reader.hpp"

#include <cerrno>
#include <cstring>
#include <string>

#include <poll.h>
#include <unistd.h>

namespace mncalc {

namespace {

constexpr std::size_t initial_buffer_bytes = std::size_t{1} << 18;

// Only a line feed ends a row: "\r\n" ends it too, since the carriage return
// counts as a blank that is trimmed, but a lone carriage return inside a line
// does not split it, so that one line never holds two rows.
int is_row_end(unsigned char c) {
    return c == '\n';
}
int is_trimmed_blank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Blanks only: no field at all, not even an empty one.
bool is_blank_line(std::string_view line) {
    for (char c : line) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            return false;
        }
    }
    return true;
}

std::size_t line_end_length(std::string_view line) {
    if (line.size() >= 2 && line.substr(line.size() - 2) == "\r\n") {
        return 2;
    }
    if (!line.empty() && line.back() == '\n') {
        return 1;
    }
    return 0;
}

} // namespace

CsvReader::CsvReader(int fd) : fd_(fd), buffer_(initial_buffer_bytes) {
    if (csv_init(&parser_, 0) != 0) {
        throw InputError("cannot set up the CSV parser");
    }
    csv_set_term_func(&parser_, is_row_end);
    csv_set_space_func(&parser_, is_trimmed_blank);
}

CsvReader::~CsvReader() {
    csv_free(&parser_);
}

void CsvReader::on_field(void* text, std::size_t length, void* self) {
    RowBatch& batch = *static_cast<CsvReader*>(self)->target_;
    FieldSpan span;
    span.offset = static_cast<std::uint32_t>(batch.field_text.size());
    span.length = static_cast<std::uint32_t>(length);
    if (length > 0) {
        batch.field_text.append(static_cast<const char*>(text), length);
    }
    batch.fields.push_back(span);
}

void CsvReader::on_row_end(int, void* self) {
    static_cast<CsvReader*>(self)->row_ended_ = true;
}

void CsvReader::fill_buffer() {
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) {
        if (buffer_.size() > max_row_bytes) {
            throw InputError("line " + std::to_string(line_number_ + 1) + " is longer than 1 MiB");
        }
        buffer_.resize(buffer_.size() * 2);
    }
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            return;
        }
        if (got == 0) {
            eof_ = true;
            return;
        }
        if (errno != EINTR) {
            throw InputError(std::string("cannot read the input: ") + std::strerror(errno));
        }
    }
}

bool CsvReader::next_line(std::string_view& line) {
    std::size_t searched = begin_;
    for (;;) {
        const void* found = std::memchr(buffer_.data() + searched, '\n', end_ - searched);
        if (found != nullptr) {
            const std::size_t stop =
                static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data()) + 1;
            line = std::string_view(buffer_.data() + begin_, stop - begin_);
            break;
        }
        if (eof_) {
            if (begin_ == end_) {
                return false;
            }
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            break;
        }
        const std::size_t scanned = end_ - begin_;
        fill_buffer();
        searched = begin_ + scanned;
    }
    begin_ += line.size();
    consumed_ += line.size();
    ++line_number_;
    return true;
}

bool CsvReader::next_row(RowBatch& batch) {
    std::string_view line;
    if (!next_line(line)) {
        return false;
    }
    RowRecord row;
    row.line = line_number_;
    row.raw_offset = static_cast<std::uint32_t>(batch.raw.size());
    row.first_field = static_cast<std::uint32_t>(batch.fields.size());
    if (is_blank_line(line)) {
        row.shape = RowShape::blank;
        batch.rows.push_back(row);
        return true;
    }

    target_ = &batch;
    row_ended_ = false;
    for (;;) {
        std::string_view parsed = line;
        if (first_line_) {
            first_line_ = false;
            if (parsed.substr(0, 3) == "\xEF\xBB\xBF") {
                parsed.remove_prefix(3); // byte-order mark: kept in the raw text only
            }
        }
        batch.raw.append(line);
        if (csv_parse(&parser_, parsed.data(), parsed.size(), on_field, on_row_end, this) !=
            parsed.size()) {
            throw InputError(std::string("line ") + std::to_string(line_number_) + ": " +
                             csv_strerror(csv_error(&parser_)));
        }
        if (batch.raw.size() - row.raw_offset > max_row_bytes) {
            throw InputError("the row from line " + std::to_string(row.line) +
                             " is longer than 1 MiB: is a quote left open?");
        }
        if (row_ended_) {
            break;
        }
        if (!next_line(line)) {
            // End of input: a last line without line end ends its row with
            // one; anything else is inside a quote that was never closed.
            csv_parse(&parser_, "\n", 1, on_field, on_row_end, this);
            if (!row_ended_) {
                row.shape = RowShape::open_quote;
                csv_fini(&parser_, on_field, on_row_end, this);
            }
            break;
        }
    }
    const std::string_view whole = std::string_view(batch.raw).substr(row.raw_offset);
    row.raw_length = static_cast<std::uint32_t>(whole.size() - line_end_length(whole));
    row.field_count = static_cast<std::uint32_t>(batch.fields.size()) - row.first_field;
    batch.rows.push_back(row);
    target_ = nullptr;
    return true;
}

bool CsvReader::read_header(CsvHeader& header) {
    RowBatch batch;
    do {
        batch.clear();
        if (!next_row(batch)) {
            return false;
        }
    } while (batch.rows.front().shape == RowShape::blank);
    const RowRecord& row = batch.rows.front();
    header.names.clear();
    for (std::uint32_t i = 0; i < row.field_count; ++i) {
        header.names.emplace_back(batch.field(row, i));
    }
    header.raw = std::string(batch.raw_text(row));
    header.line_end = std::string_view(batch.raw).substr(row.raw_offset + row.raw_length) == "\r\n"
                          ? "\r\n"
                          : "\n";
    return true;
}

bool CsvReader::line_buffered() const {
    return eof_ ? begin_ < end_
                : std::memchr(buffer_.data() + begin_, '\n', end_ - begin_) != nullptr;
}

bool CsvReader::input_waiting() const {
    if (eof_ || line_buffered()) {
        return true;
    }
    pollfd ready{fd_, POLLIN, 0};
    return ::poll(&ready, 1, 0) != 0; // data, end of input, or an error to report
}

bool CsvReader::read_rows(RowBatch& batch, std::size_t max_rows) {
    const std::size_t before = batch.rows.size();
    while (batch.rows.size() - before < max_rows) {
        // Once there are rows, hand them on rather than wait for a slow pipe.
        if (batch.rows.size() > before && !line_buffered()) {
            break;
        }
        if (!next_row(batch)) {
            break;
        }
    }
    return batch.rows.size() > before;
}

} // namespace mncalc
