// The batch run: the main thread reads batches of rows and writes finished
// batches in input order; worker threads calculate. At most a fixed number
// of batches is in flight, so memory stays flat however long the input is.
#pragma once

#include "csv_reader.hpp"
#include "output_sink.hpp"
#include "progress_bar.hpp"
#include "row_writer.hpp"

#include <cstdint>

namespace mncalc {

struct PipelineSettings {
    unsigned jobs = 1;
    bool strict = false; // stop at the first failed row
    std::size_t rows_per_batch = 256;
};

struct PipelineSummary {
    std::uint64_t rows = 0; // rows written, blank lines not counted
    std::uint64_t failed_rows = 0;
    bool stopped = false; // --strict stopped at a failed row, or reading failed
};

// Throws OutputError when the output cannot be written; reading errors are
// reported on standard error and end the run after the rows before them.
PipelineSummary run_pipeline(CsvReader& reader, const RowWriter& writer, OutputSink& sink,
                             ProgressBar& progress, const PipelineSettings& settings);

} // namespace mncalc
