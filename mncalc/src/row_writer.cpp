#include "row_writer.hpp"

#include "json_output.hpp"
#include "number_text.hpp"
#include "property_columns.hpp"
#include "status_text.hpp"

namespace mncalc {

namespace {

constexpr std::string_view error_status = "error";

std::string total_text(float total) {
    std::string text;
    append_shortest(text, total);
    return text;
}

} // namespace

void append_csv_field(std::string& out, std::string_view text) {
    const bool needs_quotes = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                              (!text.empty() && (text.front() == ' ' || text.front() == '\t' ||
                                                 text.back() == ' ' || text.back() == '\t'));
    if (!needs_quotes) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

RowWriter::RowWriter(const BatchLayout& layout, const EntrySettings& settings, BatchFormat format,
                     bool properties)
    : layout_(layout), settings_(settings), format_(format), properties_(properties),
      result_names_(result_column_names(properties)) {}

std::string RowWriter::read_entries(const RowBatch& batch, const RowRecord& row,
                                    EntryValues& entries) const {
    entries.fill(0.0f);
    for (std::uint32_t column = 0; column < row.field_count; ++column) {
        const int slot = layout_.column_slot[column];
        if (slot < 0) {
            continue;
        }
        const std::string_view text = batch.field(row, column);
        const ReadNumber number = read_number(text);
        if (number.error != nullptr) {
            return "column " + layout_.column_names[column] + ": '" + std::string(text) + "' " +
                   number.error;
        }
        entries[static_cast<std::size_t>(slot)] = number.value;
    }
    return {};
}

bool RowWriter::write_row(const RowBatch& batch, const RowRecord& row, std::string& out,
                          RowFailure& failure) const {
    if (row.shape == RowShape::blank) {
        if (format_ == BatchFormat::csv) {
            out += layout_.line_end;
        }
        return true;
    }

    std::string error;
    if (row.shape == RowShape::open_quote) {
        error = "a quoted field is not closed before the end of the input";
    } else if (row.field_count != layout_.column_names.size()) {
        error = std::to_string(row.field_count) + " fields where the header has " +
                std::to_string(layout_.column_names.size());
    }
    EntryValues entries{};
    if (error.empty()) {
        error = read_entries(batch, row, entries);
    }
    if (!error.empty()) {
        failure = {row.line, error};
        if (format_ == BatchFormat::csv) {
            write_csv(batch, row, nullptr, error, out);
        } else {
            write_jsonl(batch, row, nullptr, error, out);
        }
        return false;
    }

    const Evaluation evaluation = evaluate(entries, settings_);
    if (format_ == BatchFormat::csv) {
        write_csv(batch, row, &evaluation.result, {}, out);
    } else {
        write_jsonl(batch, row, &evaluation.result, {}, out);
    }
    if (evaluation.result.accepted) {
        return true;
    }
    if (settings_.normalize) {
        failure = {row.line, "input rejected: the components add up to " +
                                 total_text(evaluation.entry_total) +
                                 "; only a positive total can be scaled to 100"};
    } else {
        failure = {row.line, "input rejected: the components add up to " +
                                 total_text(evaluation.entry_total) +
                                 ", not 99 to 101 (--normalize scales any positive total to 100)"};
    }
    return false;
}

void RowWriter::write_csv(const RowBatch& batch, const RowRecord& row, const tervol::Result* result,
                          std::string_view error, std::string& out) const {
    out += batch.raw_text(row);
    // A short row gets empty cells, so that its result cells stand under
    // their headings all the same.
    if (row.field_count > 0 && row.field_count < layout_.column_names.size()) {
        out.append(layout_.column_names.size() - row.field_count, ',');
    }
    const bool has_numbers = result != nullptr && result->accepted;
    out += ',';
    if (has_numbers) {
        append_shortest(out, result->methane_number);
    }
    out += ',';
    if (has_numbers) {
        append_shortest(out, result->methane_number_inert_free);
    }
    out += ',';
    if (result != nullptr) {
        out += std::to_string(result->status);
        out += ',';
        append_csv_field(out, short_warning(result->status));
    } else {
        out += error_status;
        out += ',';
        append_csv_field(out, error);
    }
    if (properties_) {
        for (const PropertyColumn& column : property_columns) {
            out += ',';
            if (has_numbers) {
                append_shortest(out, result->properties.*column.member);
            }
        }
    }
    out += layout_.line_end;
}

void RowWriter::write_jsonl(const RowBatch& batch, const RowRecord& row,
                            const tervol::Result* result, std::string_view error,
                            std::string& out) const {
    // Keys are known to be unique (the header was checked), so they are
    // appended without the search that operator[] does.
    Json object = Json::object();
    auto& members = object.get_ref<Json::object_t&>();
    members.reserve(layout_.column_names.size() + result_names_.size());
    auto add = [&members](const std::string& key, Json value) {
        members.emplace_back(key, std::move(value));
    };
    // Every object has every input column: null where a short row has no field.
    for (std::uint32_t column = 0; column < layout_.column_names.size(); ++column) {
        add(layout_.column_names[column],
            column < row.field_count ? Json(std::string(batch.field(row, column))) : Json(nullptr));
    }
    const bool has_numbers = result != nullptr && result->accepted;
    const std::vector<std::string>& names = result_names_;
    add(names[0], has_numbers ? Json(result->methane_number) : Json(nullptr));
    add(names[1], has_numbers ? Json(result->methane_number_inert_free) : Json(nullptr));
    if (result != nullptr) {
        add(names[2], result->status);
        const std::string_view warning = short_warning(result->status);
        add(names[3], warning.empty() ? Json(nullptr) : Json(std::string(warning)));
    } else {
        add(names[2], std::string(error_status));
        add(names[3], std::string(error));
    }
    if (properties_) {
        for (std::size_t i = 0; i < property_columns.size(); ++i) {
            add(names[4 + i], has_numbers ? Json(result->properties.*property_columns[i].member)
                                          : Json(nullptr));
        }
    }
    out += dump(object);
    out += '\n';
}

} // namespace mncalc
