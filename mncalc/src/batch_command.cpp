#include "batch_command.hpp"

#include "batch_layout.hpp"
#include "batch_pipeline.hpp"
#include "exit_codes.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mncalc {

namespace {

// Closes a descriptor that this command opened (not the standard streams).
class OwnedFd {
  public:
    explicit OwnedFd(int fd, bool owned) : fd_(fd), owned_(owned) {}
    ~OwnedFd() {
        if (owned_ && fd_ >= 0) {
            ::close(fd_);
        }
    }
    OwnedFd(const OwnedFd&) = delete;
    OwnedFd& operator=(const OwnedFd&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
    bool owned_;
};

int usage_error(const std::string& message) {
    std::fprintf(stderr, "mncalc: %s\n", message.c_str());
    return exit_usage;
}

bool same_file(int a, int b) {
    struct stat sa {};
    struct stat sb {};
    return ::fstat(a, &sa) == 0 && ::fstat(b, &sb) == 0 && S_ISREG(sa.st_mode) &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::uint64_t regular_file_size(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        return static_cast<std::uint64_t>(st.st_size);
    }
    return 0;
}

unsigned job_count(const Options& options) {
    if (options.jobs > 0) {
        return options.jobs;
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? cores : 1;
}

} // namespace

int run_batch(const Options& options) {
    const bool from_stdin = options.csv_input == "-";
    OwnedFd input(from_stdin ? STDIN_FILENO
                             : ::open(options.csv_input.c_str(), O_RDONLY | O_CLOEXEC),
                  !from_stdin);
    if (input.get() < 0) {
        return usage_error("cannot open '" + options.csv_input + "': " + std::strerror(errno));
    }

    CsvReader reader(input.get());
    CsvHeader header;
    try {
        if (!reader.read_header(header)) {
            return usage_error("the input is empty: expected a header line that names the "
                               "components, e.g. name,CH4,C2H6,N2");
        }
    } catch (const InputError& error) {
        return usage_error(error.what());
    }
    BatchLayoutOrError made = make_batch_layout(header, options);
    if (!made.error.empty()) {
        return usage_error(made.error);
    }

    // The output is opened only now, so that a usage error leaves an existing file alone.
    const bool to_stdout = options.output == "-";
    OwnedFd output(to_stdout ? STDOUT_FILENO
                             : ::open(options.output.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666),
                   !to_stdout);
    if (output.get() < 0) {
        return usage_error("cannot open '" + options.output +
                           "' for writing: " + std::strerror(errno));
    }
    if (same_file(input.get(), output.get())) {
        return usage_error("the output '" + options.output + "' is the input file");
    }
    if (!to_stdout && regular_file_size(output.get()) > 0 && ::ftruncate(output.get(), 0) != 0) {
        return usage_error("cannot empty '" + options.output + "': " + std::strerror(errno));
    }

    const EntrySettings settings{options.unit, options.normalize};
    const RowWriter writer(made.layout, settings, options.format, options.properties);
    OutputSink sink(output.get());

    // A bar on the terminal that also shows the rows would garble them.
    const bool show_progress = !options.quiet && ::isatty(STDERR_FILENO) == 1 &&
                               !(to_stdout && ::isatty(STDOUT_FILENO) == 1);
    ProgressBar progress(show_progress, regular_file_size(input.get()));

    PipelineSettings pipeline;
    pipeline.jobs = job_count(options);
    pipeline.strict = options.strict;

    PipelineSummary summary;
    try {
        if (options.format == BatchFormat::csv) {
            std::string first_line = made.layout.header_raw;
            for (const std::string& name : result_column_names(options.properties)) {
                first_line += ',';
                first_line += name;
            }
            first_line += made.layout.line_end;
            sink.write(first_line);
        }
        summary = run_pipeline(reader, writer, sink, progress, pipeline);
    } catch (const OutputError& error) {
        progress.finish();
        std::fprintf(stderr, "mncalc: %s\n", error.what());
        return exit_failed_rows;
    }

    if (summary.failed_rows > 0 && !options.strict) {
        std::fprintf(stderr, "mncalc: %llu of %llu rows failed\n",
                     static_cast<unsigned long long>(summary.failed_rows),
                     static_cast<unsigned long long>(summary.rows));
    }
    return summary.failed_rows > 0 || summary.stopped ? exit_failed_rows : exit_ok;
}

} // namespace mncalc
