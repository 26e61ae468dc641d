#include "batch_pipeline.hpp"

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace mncalc {

namespace {

struct Failure {
    std::size_t row = 0; // index in the batch
    RowFailure what;
};

struct WorkItem {
    RowBatch input;
    std::string output;
    std::vector<std::size_t> row_end; // end of each row's output, for a cut after --strict
    std::vector<Failure> failures;
    std::size_t data_rows = 0;
    bool done = false;
};

void compute(const RowWriter& writer, WorkItem& item) {
    item.output.clear();
    item.row_end.clear();
    item.failures.clear();
    item.data_rows = 0;
    RowFailure failure;
    for (std::size_t i = 0; i < item.input.rows.size(); ++i) {
        const RowRecord& row = item.input.rows[i];
        if (!writer.write_row(item.input, row, item.output, failure)) {
            item.failures.push_back({i, std::move(failure)});
        }
        if (row.shape != RowShape::blank) {
            ++item.data_rows;
        }
        item.row_end.push_back(item.output.size());
    }
}

class Pipeline {
  public:
    Pipeline(const RowWriter& writer, unsigned jobs) : writer_(writer) {
        for (unsigned i = 0; i < jobs; ++i) {
            workers_.emplace_back([this] { work(); });
        }
    }

    ~Pipeline() { stop(); }

    void submit(WorkItem* item) {
        {
            std::lock_guard lock(mutex_);
            item->done = false;
            pending_.push_back(item);
        }
        work_ready_.notify_one();
    }

    bool is_done(WorkItem* item) {
        std::lock_guard lock(mutex_);
        return item->done;
    }

    void wait_until_done(WorkItem* item) {
        std::unique_lock lock(mutex_);
        item_done_.wait(lock, [item] { return item->done; });
    }

    // Drops what has not started and waits for the workers to finish.
    void stop() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            pending_.clear();
        }
        work_ready_.notify_all();
        for (std::thread& worker : workers_) {
            if (worker.joinable()) {
                worker.join();
            }
        }
    }

  private:
    void work() {
        for (;;) {
            WorkItem* item = nullptr;
            {
                std::unique_lock lock(mutex_);
                work_ready_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
                if (stopping_) {
                    return;
                }
                item = pending_.front();
                pending_.pop_front();
            }
            compute(writer_, *item);
            {
                std::lock_guard lock(mutex_);
                item->done = true;
            }
            item_done_.notify_all();
        }
    }

    const RowWriter& writer_;
    std::mutex mutex_;
    std::condition_variable work_ready_;
    std::condition_variable item_done_;
    std::deque<WorkItem*> pending_;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

void report(ProgressBar& progress, const std::string& message) {
    progress.clear();
    std::fprintf(stderr, "mncalc: %s\n", message.c_str());
}

} // namespace

PipelineSummary run_pipeline(CsvReader& reader, const RowWriter& writer, OutputSink& sink,
                             ProgressBar& progress, const PipelineSettings& settings) {
    PipelineSummary summary;
    const std::size_t capacity = 2 * static_cast<std::size_t>(settings.jobs) + 2;
    std::vector<std::unique_ptr<WorkItem>> items;
    std::vector<WorkItem*> free_items;
    for (std::size_t i = 0; i < capacity; ++i) {
        items.push_back(std::make_unique<WorkItem>());
        free_items.push_back(items.back().get());
    }
    std::deque<WorkItem*> in_flight; // in input order
    Pipeline pipeline(writer, settings.jobs);

    // Writes the oldest batch; false when --strict stops the run here.
    auto write_front = [&]() {
        WorkItem* item = in_flight.front();
        in_flight.pop_front();
        free_items.push_back(item);
        if (settings.strict && !item->failures.empty()) {
            const Failure& first = item->failures.front();
            const std::size_t before = first.row == 0 ? 0 : item->row_end[first.row - 1];
            sink.write(std::string_view(item->output).substr(0, before));
            for (std::size_t i = 0; i < first.row; ++i) {
                summary.rows += item->input.rows[i].shape != RowShape::blank ? 1 : 0;
            }
            report(progress, "line " + std::to_string(first.what.line) + ": " + first.what.message +
                                 " (stopped: --strict)");
            summary.failed_rows += 1;
            summary.stopped = true;
            return false;
        }
        sink.write(item->output);
        summary.rows += item->data_rows;
        summary.failed_rows += item->failures.size();
        for (const Failure& failure : item->failures) {
            report(progress,
                   "line " + std::to_string(failure.what.line) + ": " + failure.what.message);
        }
        progress.update(summary.rows, reader.bytes_consumed());
        return true;
    };

    bool reading = true;
    bool writing = true;
    while (reading && writing) {
        if (free_items.empty()) {
            pipeline.wait_until_done(in_flight.front());
            writing = write_front();
            continue;
        }
        if (!reader.input_waiting()) {
            // The producer is slow: write everything in flight before waiting for it.
            while (writing && !in_flight.empty()) {
                pipeline.wait_until_done(in_flight.front());
                writing = write_front();
            }
            if (!writing) {
                break;
            }
        }
        WorkItem* item = free_items.back();
        item->input.clear();
        try {
            reading = reader.read_rows(item->input, settings.rows_per_batch);
        } catch (const InputError& error) {
            // The rows read before the error are still calculated and written.
            reading = false;
            summary.stopped = true;
            if (!item->input.rows.empty()) {
                free_items.pop_back();
                in_flight.push_back(item);
                pipeline.submit(item);
            }
            while (writing && !in_flight.empty()) {
                pipeline.wait_until_done(in_flight.front());
                writing = write_front();
            }
            report(progress, error.what());
            break;
        }
        if (reading) {
            free_items.pop_back();
            in_flight.push_back(item);
            pipeline.submit(item);
        }
        while (writing && !in_flight.empty() && pipeline.is_done(in_flight.front())) {
            writing = write_front();
        }
    }
    while (writing && !in_flight.empty()) {
        pipeline.wait_until_done(in_flight.front());
        writing = write_front();
    }
    pipeline.stop();
    progress.finish();
    return summary;
}

} // namespace mncalc
