#include "core_state.hpp"

namespace tervol {

void optimise(CoreState&, IterationObserver*) {}

} // namespace tervol
