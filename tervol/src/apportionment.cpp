#include "core_state.hpp"

namespace tervol {

bool set_up_apportionment(CoreState&) { return false; }

} // namespace tervol
