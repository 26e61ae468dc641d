#include "core_state.hpp"

namespace tervol {

void assess(CoreState&, bool, Result&) {}

void run_core(CoreState& state, Result& result, IterationObserver* observer) {
    const bool optimised = set_up_apportionment(state);
    if (optimised) {
        optimise(state, observer);
    }
    result.optimised = optimised;
    assess(state, optimised, result);
}

} // namespace tervol
