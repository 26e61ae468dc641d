#include "single_gas_command.hpp"

#include "component_arguments.hpp"
#include "component_names.hpp"
#include "exit_codes.hpp"
#include "gas_evaluation.hpp"
#include "gas_report_text.hpp"
#include "json_output.hpp"

#include "kelvab/kelvab.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

namespace mncalc {

int run_single_gas(const Options& options) {
    const ComponentArguments read = read_component_arguments(options.components);
    if (!read.error.empty()) {
        std::fprintf(stderr, "mncalc: %s\n", read.error.c_str());
        return exit_usage;
    }
    const EntrySettings settings{options.unit, options.normalize};
    Evaluation evaluation;
    if (options.listing_path.empty()) {
        evaluation = evaluate(read.entries, settings);
    } else {
        std::ofstream report(options.listing_path, std::ios::binary | std::ios::trunc);
        if (!report) {
            std::fprintf(stderr, "mncalc: cannot open '%s' for writing: %s\n",
                         options.listing_path.c_str(), std::strerror(errno));
            return exit_usage;
        }
        tervol::ReportStamp stamp;
        kelvab::date_time_texts(stamp.date.data(), stamp.time.data());
        evaluation = evaluate(read.entries, settings, report, stamp);
        report.close();
        if (!report) {
            std::fprintf(stderr, "mncalc: cannot write the report '%s'\n",
                         options.listing_path.c_str());
            return exit_failed_rows;
        }
    }

    if (options.json) {
        std::cout << dump(gas_result_json(read.entries, settings, evaluation)) << '\n';
    } else {
        write_gas_report(std::cout, settings, evaluation);
    }
    std::cout.flush();
    if (!std::cout) {
        std::fprintf(stderr, "mncalc: cannot write the output\n");
        return exit_failed_rows;
    }
    return evaluation.result.accepted ? exit_ok : exit_failed_rows;
}

} // namespace mncalc
