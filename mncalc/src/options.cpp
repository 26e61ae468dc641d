#include "options.hpp"

#include "component_names.hpp"
#include "exit_codes.hpp"

#include <CLI/CLI.hpp>

#include <map>

namespace mncalc {

namespace {

constexpr unsigned max_jobs = 1024;

constexpr const char* description =
    "mncalc: methane number and gas properties of fuel gases, one gas from the command line or "
    "many from a CSV file.";

std::string footer() {
    return "Components (any order; missing ones are 0):\n  " + valid_component_names() +
           "\n"
           "\n"
           "One gas:\n"
           "  mncalc CH4=90 C2H6=10\n"
           "  mncalc --unit mass --normalize CH4=50 N2=50\n"
           "  mncalc --json CH4=88 C2H6=7 C3H8=2 N2=2 CO2=1\n"
           "  mncalc --listing tervol.lst CH4=90 C2H6=10\n"
           "\n"
           "Many gases (the header names the components; other columns are passed through):\n"
           "  mncalc --csv gases.csv -o results.csv\n"
           "  mncalc --csv - --properties --jobs 2 < gases.csv > results.csv\n"
           "  mncalc --csv gases.csv --format jsonl -o results.jsonl\n"
           "\n"
           "Each row gets the columns mn, mn_inert_free, status and warning (empty for status 0);\n"
           "with --properties also heating_value_kj_per_kg, air_requirement_kg_per_kg,\n"
           "density_kg_per_m3, real_gas_factor, gas_constant_j_per_kg_k and isentropic_exponent.\n"
           "Numbers are written with the fewest digits that read back to the same\n"
           "single-precision value. A row that cannot be read keeps its place: status is\n"
           "\"error\", warning says why, and a message with its line number goes to standard\n"
           "error. A row whose sum the library rejects (status -1) has empty result cells and\n"
           "also counts as failed. JSON Lines objects hold the same fields, the input columns as\n"
           "strings, empty cells as null. Blank lines are kept as they are in CSV output.\n"
           "A row longer than 1 MiB (a quote left open) ends the run after the rows before it.\n"
           "A progress bar shows on standard error when it is a terminal and the run takes\n"
           "more than a second.\n"
           "\n"
           "Totals: without --normalize the figures must add up to 99 to 101 (otherwise status\n"
           "-1); --normalize scales any positive total to 100 first, like the dialog's\n"
           "apportioning. Mole and mass percent are converted to volume percent like the dialog\n"
           "does; use --normalize to get the dialog's figures exactly.\n"
           "\n"
           "Exit codes: 0 all rows (or the gas) calculated, 1 some rows failed (unreadable or\n"
           "rejected) or the output could not be written, 2 usage error.";
}

} // namespace

ParsedCommandLine parse_command_line(int argc, char** argv) {
    Options options;
    CLI::App app{description, "mncalc"};
    app.footer(footer());
    app.get_formatter()->column_width(30);

    std::string unit_text = "volume";
    std::string format_text = "csv";

    app.add_option("components", options.components,
                   "One gas as NAME=VALUE pairs, e.g. CH4=90 C2H6=10")
        ->type_name("NAME=VALUE");
    app.add_option("--unit", unit_text, "Unit of the figures: volume, mol or mass percent")
        ->check(CLI::IsMember({"volume", "mol", "mass"}))
        ->default_str("volume");
    app.add_flag("--normalize", options.normalize, "Scale any positive total to 100 first");
    auto* json = app.add_flag("--json", options.json, "One gas: print the full result as JSON");
    auto* listing = app.add_option("--listing", options.listing_path,
                                   "One gas: write the library's complete report to FILE")
                        ->type_name("FILE");
    auto* csv = app.add_option("--csv", options.csv_input,
                               "Many gases: read the CSV file IN ('-': standard input)")
                    ->type_name("IN");
    auto* output = app.add_option("-o,--output", options.output,
                                  "With --csv: write to OUT ('-': standard output, the default)")
                       ->type_name("OUT");
    auto* format = app.add_option("--format", format_text, "With --csv: csv or jsonl (JSON Lines)")
                       ->check(CLI::IsMember({"csv", "jsonl"}))
                       ->default_str("csv");
    auto* properties = app.add_flag("--properties", options.properties,
                                    "With --csv: append the six gas properties");
    auto* jobs = app.add_option("--jobs,-j", options.jobs,
                                "With --csv: threads that calculate (default: one per core)")
                     ->check(CLI::Range(1u, max_jobs))
                     ->type_name("N");
    auto* strict =
        app.add_flag("--strict", options.strict, "With --csv: stop at the first row that fails");
    auto* quiet = app.add_flag("--quiet,-q", options.quiet, "With --csv: no progress bar");

    for (CLI::Option* batch_only : {output, format, properties, jobs, strict, quiet}) {
        batch_only->needs(csv);
    }
    json->excludes(csv);
    listing->excludes(csv);

    try {
        app.parse(argc, argv);
        options.batch = csv->count() > 0;
        if (options.batch && options.csv_input.empty()) {
            throw CLI::ValidationError("--csv needs a file name, or - for standard input");
        }
        if (!options.batch && options.components.empty()) {
            throw CLI::ValidationError("nothing to calculate: give components such as CH4=90 "
                                       "C2H6=10, or --csv IN");
        }
        if (options.batch && !options.components.empty()) {
            throw CLI::ValidationError("give either components or --csv, not both");
        }
    } catch (const CLI::ParseError& error) {
        const int cli_code = app.exit(error);
        return {std::nullopt, cli_code == 0 ? exit_ok : exit_usage};
    }
    options.unit = *unit_from_name(unit_text);
    options.format = format_text == "jsonl" ? BatchFormat::jsonl : BatchFormat::csv;
    return {options, exit_ok};
}

} // namespace mncalc
