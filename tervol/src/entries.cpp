// The three exported entries: thin shims over the C++ calculation. This file
// owns the one library-global record the entries need between calls.
#include "listing_file.hpp"
#include "tervol/calculation.hpp"
#include "tervol/tervol.h"
#include "version.hpp"

#include <algorithm>
#include <string>

namespace {

struct LibraryState {
    // Gas properties of the last accepted call, handed on by MZVEKS after a
    // rejected one; zero before the first.
    tervol::GasProperties last_accepted_properties{};
    // The report of the call, kept so that its storage is reused.
    std::string report;
};

LibraryState library_state;

} // namespace

extern "C" {

TERVOL_API void TERVOL_CALL METHAN(const float composition[TERVOL_COMPONENT_COUNT],
                                   int32_t* status, float* methane_number,
                                   float* methane_number_inert_free) {
    *methane_number = 0.0f;
    *methane_number_inert_free = 0.0f;
    try {
        tervol::Composition gas{};
        std::copy(composition, composition + TERVOL_COMPONENT_COUNT, gas.begin());
        const tervol::Result result =
            tervol::listing::calculate_with_listing_file(gas, library_state.report);
        *status = result.status;
        *methane_number = result.methane_number;
        *methane_number_inert_free = result.methane_number_inert_free;
        if (result.accepted) {
            library_state.last_accepted_properties = result.properties;
        }
    } catch (...) {
        // Nothing may cross the C boundary: report "no result".
        *status = -1;
        *methane_number = 0.0f;
        *methane_number_inert_free = 0.0f;
    }
}

TERVOL_API void TERVOL_CALL MZVEKS(double* co, double* c4h6, double* c4h8, double* c2h4,
                                   double* c3h6, double* h2s, double* h2, double* c3h8,
                                   double* c2h6, double* c4h10, double* ch4, double* cxhy,
                                   double* c5h12, double* n2, double* co2, double* o2,
                                   double* h2o, int32_t* status, double* methane_number,
                                   double* methane_number_inert_free, double* heating_value,
                                   double* air_requirement) {
    double* const slots[TERVOL_COMPONENT_COUNT] = {co,    c4h6, c4h8, c2h4, c3h6, h2s,
                                                   h2,    c3h8, c2h6, c4h10, ch4, cxhy,
                                                   c5h12, n2,   co2,  o2,    h2o};
    float composition[TERVOL_COMPONENT_COUNT];
    for (int i = 0; i < TERVOL_COMPONENT_COUNT; ++i) {
        composition[i] = static_cast<float>(*slots[i]); // round to nearest
    }
    float mn = 0.0f;
    float mn_inert_free = 0.0f;
    METHAN(composition, status, &mn, &mn_inert_free);
    for (int i = 0; i < TERVOL_COMPONENT_COUNT; ++i) {
        *slots[i] = static_cast<double>(composition[i]);
    }
    *methane_number = mn;
    *methane_number_inert_free = mn_inert_free;
    *heating_value = library_state.last_accepted_properties.volumetric_heating_value;
    *air_requirement = library_state.last_accepted_properties.volumetric_air_requirement;
}

TERVOL_API void TERVOL_CALL DLLVER(int32_t* major, int32_t* minor, int32_t* patch) {
    *major = tervol::version_major;
    *minor = tervol::version_minor;
    *patch = tervol::version_patch;
}

} // extern "C"
