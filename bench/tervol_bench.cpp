// Speed of the calculation alone, per gas family and over the whole set, and
// of the legacy entry METHAN with its report file.
//
//   tervol_bench [--gases=PATH] [benchmark options]
//
// The gases come from PATH, else from the environment variable
// TERVOL_BENCH_GASES, else from the project's shared benchmark set. Without
// them the program says so and exits with status 0.
#include "gas_table.hpp"
#include "tervol/calculation.hpp"
#include "tervol/tervol.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace {

using tervol_bench::Gas;

void count_calculations(benchmark::State& state, std::size_t per_iteration) {
    state.counters["calculations"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>(per_iteration),
        benchmark::Counter::kIsRate);
}

void calculate_all(benchmark::State& state, const std::vector<Gas>& gases) {
    for (auto _ : state) {
        for (const Gas& gas : gases) {
            const tervol::Result result = tervol::calculate(gas.composition);
            benchmark::DoNotOptimize(result.methane_number);
        }
    }
    count_calculations(state, gases.size());
}

// Takes the report and keeps only its length: the cost of forming it.
class CountingBuffer : public std::streambuf {
  public:
    std::streamsize characters = 0;

  protected:
    std::streamsize xsputn(const char*, std::streamsize count) override {
        characters += count;
        return count;
    }
    int_type overflow(int_type c) override {
        ++characters;
        return traits_type::not_eof(c);
    }
};

void calculate_with_report_all(benchmark::State& state, const std::vector<Gas>& gases) {
    CountingBuffer buffer;
    std::ostream out(&buffer);
    const tervol::ReportStamp stamp;
    for (auto _ : state) {
        for (const Gas& gas : gases) {
            const tervol::Result result = tervol::calculate_with_report(gas.composition, out, stamp);
            benchmark::DoNotOptimize(result.methane_number);
        }
    }
    benchmark::DoNotOptimize(buffer.characters);
    count_calculations(state, gases.size());
}

// TEMP names `report_directory` while it runs.
void methan_all(benchmark::State& state, const std::vector<Gas>& gases,
                const std::string& report_directory) {
    if (report_directory.empty()) {
        state.SkipWithError("cannot create a directory for the report file");
        return;
    }
    for (auto _ : state) {
        for (const Gas& gas : gases) {
            int32_t status = 0;
            float methane_number = 0.0f;
            float methane_number_inert_free = 0.0f;
            METHAN(gas.composition.data(), &status, &methane_number, &methane_number_inert_free);
            benchmark::DoNotOptimize(methane_number);
        }
    }
    count_calculations(state, gases.size());
    if (!std::filesystem::exists(std::filesystem::path(report_directory) / "tervol.lst")) {
        state.SkipWithError("METHAN left no report file");
    }
}

// A directory of its own for METHAN's report file, named by TEMP for the run.
std::string make_report_directory() {
    std::error_code ignored;
    std::string directory =
        (std::filesystem::temp_directory_path(ignored) / "tervol-bench-XXXXXX").string();
    if (::mkdtemp(directory.data()) == nullptr) {
        return {};
    }
    ::setenv("TEMP", directory.c_str(), 1);
    return directory;
}

} // namespace

int main(int argc, char** argv) {
    const char* gases_argument = nullptr;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--gases=", 8) == 0) {
            gases_argument = argv[i] + 8;
        } else {
            if (std::strcmp(argv[i], "--help") == 0) {
                std::printf("tervol_bench [--gases=PATH] [benchmark options]\n"
                            "  --gases=PATH  CSV of the gases (default: $TERVOL_BENCH_GASES, "
                            "else %s)\n\n",
                            TERVOL_BENCH_DEFAULT_GASES);
            }
            arguments.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) {
        return 2;
    }

    const std::string path = tervol_bench::gases_path(gases_argument);
    std::string error;
    const auto gases = tervol_bench::read_gases(path, error);
    if (!gases) {
        std::fprintf(stderr, "tervol_bench: %s; skipping the benchmarks\n", error.c_str());
        return 0;
    }

    std::map<std::string, std::vector<Gas>> families;
    for (const Gas& gas : *gases) {
        families[gas.family].push_back(gas);
    }
    for (const auto& [family, members] : families) {
        benchmark::RegisterBenchmark(("calculate/family:" + family).c_str(), calculate_all,
                                     members);
    }
    benchmark::RegisterBenchmark("calculate/whole_set", calculate_all, *gases);
    benchmark::RegisterBenchmark("calculate_with_report/whole_set", calculate_with_report_all,
                                 *gases);
    const std::string report_directory = make_report_directory();
    benchmark::RegisterBenchmark("METHAN_with_listing/whole_set", methan_all, *gases,
                                 report_directory);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!report_directory.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(report_directory, ignored);
    }
    return 0;
}
