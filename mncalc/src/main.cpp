// mncalc: methane number of one gas from the command line, or of many gases
// from a CSV file.
#include "batch_command.hpp"
#include "options.hpp"
#include "single_gas_command.hpp"

int main(int argc, char** argv) {
    const mncalc::ParsedCommandLine parsed = mncalc::parse_command_line(argc, argv);
    if (!parsed.options) {
        return parsed.exit_code;
    }
    return parsed.options->batch ? mncalc::run_batch(*parsed.options)
                                 : mncalc::run_single_gas(*parsed.options);
}
