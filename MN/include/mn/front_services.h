// The platform pieces the handlers call besides the dialog: the library's
// entries, the clock and the help worker. `frontend` passes the real ones;
// tests substitute their own.
#pragma once

#include <cstdint>
#include <functional>

namespace mn {

// Signatures of the library entries of tervol/tervol.h.
using MethanEntry = void (*)(const float composition[17], int32_t* status,
                             float* methane_number, float* methane_number_inert_free);
using DllverEntry = void (*)(int32_t* major, int32_t* minor, int32_t* patch);

// Writes "dd.mm.yy" into date[0..7] and "hh:mm:ss" into time[0..7].
using DateTimeSource = void (*)(char* date, char* time);

struct FrontServices {
    MethanEntry methan = nullptr;
    DllverEntry dllver = nullptr;
    DateTimeSource date_time = nullptr;
    // Starts a help worker with the given request code and returns at once.
    std::function<void(int32_t request_code)> start_help_worker;
};

} // namespace mn
