/*
 * tervol: methane number of a fuel gas.
 *
 * Three entries, every argument passed by address; none returns a value.
 * Usable from C, C++, Fortran, Python (ctypes) and anything else that can
 * call a C function.
 *
 * Component vector: 17 values in volume percent, always in this slot order
 * (index 0 holds slot 1):
 *
 *    1 CO     carbon monoxide        10 C4H10  butane
 *    2 C4H6   butadiene              11 CH4    methane
 *    3 C4H8   butylene               12 CxHy   higher hydrocarbons ("C6+")
 *    4 C2H4   ethylene               13 C5H12  pentane
 *    5 C3H6   propylene              14 N2     nitrogen        (inert)
 *    6 H2S    hydrogen sulphide      15 CO2    carbon dioxide  (inert)
 *    7 H2     hydrogen               16 O2     oxygen    (neglected)
 *    8 C3H8   propane                17 H2O    water vapour (neglected)
 *    9 C2H6   ethane
 *
 * The values must add up to 100 within 1 (99 and 101 are accepted).
 *
 * Status code (32-bit signed integer):
 *   -1  input rejected: the sum is not positive or differs from 100 by more
 *       than 1 (or a value is not a finite number); nothing is calculated
 *    0  valid methane number
 *    1  methane number with inert gases extrapolated: combustible share below
 *       40 %, or more than 60 % CO2 or N2
 *    2  a participating mixture group lies outside its measured range; its
 *       methane number is extrapolated
 *    3  the methane numbers of the participating groups differ by more than 5;
 *       the result stands with reservation
 *    4  no valid methane number: the apportionment does not reproduce the
 *       composition, or too little combustible or too much CO2
 *  +10  added to 0..4 when the gas holds too much of the higher hydrocarbons
 *       (CxHy above 3 %, C5H12 above 3 % or both together above 5 % of the
 *       nitrogen-free gas)
 * Possible values: -1, 0, 1, 2, 3, 4, 10, 11, 12, 13, 14.
 *
 * Every METHAN call (and so every MZVEKS call) also writes a report,
 * "tervol.lst", into the directory named by the environment variable TEMP (up
 * to its first blank). Calls are not re-entrant: they share that file and the
 * library's storage, so callers must not overlap them.
 */
#ifndef TERVOL_TERVOL_H
#define TERVOL_TERVOL_H

#include <stdint.h>

/* Calling convention: __stdcall on 32-bit Windows, where the entries are
 * exported as _METHAN@16, _DLLVER@12 and _MZVEKS@88; the platform default
 * elsewhere. */
#if defined(_WIN32) && !defined(_WIN64)
#define TERVOL_CALL __stdcall
#else
#define TERVOL_CALL
#endif

#if defined(_WIN32)
#if defined(TERVOL_BUILDING_LIBRARY)
#define TERVOL_API __declspec(dllexport)
#else
#define TERVOL_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define TERVOL_API __attribute__((visibility("default")))
#else
#define TERVOL_API
#endif

#define TERVOL_COMPONENT_COUNT 17

#ifdef __cplusplus
extern "C" {
#endif

/*
 * METHAN: methane number of a composition.
 *   composition                [vol-%]  in, 17 values in slot order, never written
 *   status                     [-]      out, status code (value on entry ignored)
 *   methane_number             [-]      out, methane number of the gas with its
 *                                       CO2, nitrogen left out (0 when rejected
 *                                       or without combustible part)
 *   methane_number_inert_free  [-]      out, methane number of the gas without
 *                                       its inert components
 */
TERVOL_API void TERVOL_CALL METHAN(const float composition[TERVOL_COMPONENT_COUNT],
                                   int32_t* status, float* methane_number,
                                   float* methane_number_inert_free);

/*
 * MZVEKS: METHAN for callers holding doubles, plus two volumetric properties.
 *   co ... h2o                   [vol-%]  in and out, the 17 slots in order;
 *                                         on return each holds its input
 *                                         rounded to single precision
 *   status                       [-]      out, as METHAN
 *   methane_number               [-]      out, as METHAN, widened
 *   methane_number_inert_free    [-]      out, as METHAN, widened
 *   heating_value                [kWh/m3] out, lower heating value at 0 C and
 *                                         101325 Pa
 *   air_requirement              [m3/m3]  out, minimum air per volume of gas
 * The last two are those of the last accepted call (0 before the first) when
 * the input is rejected: read them only when status is not -1.
 */
TERVOL_API void TERVOL_CALL MZVEKS(double* co, double* c4h6, double* c4h8, double* c2h4,
                                   double* c3h6, double* h2s, double* h2, double* c3h8,
                                   double* c2h6, double* c4h10, double* ch4, double* cxhy,
                                   double* c5h12, double* n2, double* co2, double* o2,
                                   double* h2o, int32_t* status, double* methane_number,
                                   double* methane_number_inert_free, double* heating_value,
                                   double* air_requirement);

/* DLLVER: version triple of the library, 2, 0, 1 (text form "2.0.1"). */
TERVOL_API void TERVOL_CALL DLLVER(int32_t* major, int32_t* minor, int32_t* patch);

#ifdef __cplusplus
}
#endif

#endif /* TERVOL_TERVOL_H */
