// The command line of mncalc.
#pragma once

#include "unit_conversion.hpp"

#include <optional>
#include <string>
#include <vector>

namespace mncalc {

enum class BatchFormat { csv, jsonl };

struct Options {
    // One gas: "NAME=VALUE" arguments.
    std::vector<std::string> components;
    bool json = false;
    std::string listing_path; // empty: no report

    // Many gases.
    bool batch = false;       // --csv given
    std::string csv_input;    // "-": standard input
    std::string output = "-"; // "-": standard output
    BatchFormat format = BatchFormat::csv;
    bool properties = false;
    unsigned jobs = 0; // 0: one per core
    bool strict = false;
    bool quiet = false;

    Unit unit = Unit::volume;
    bool normalize = false;
};

struct ParsedCommandLine {
    std::optional<Options> options; // empty: exit with `exit_code`
    int exit_code = 0;
};

// Parses argv. Help and usage errors are printed here; the caller then
// exits with `exit_code` (0 after --help, 2 after a usage error).
ParsedCommandLine parse_command_line(int argc, char** argv);

} // namespace mncalc
