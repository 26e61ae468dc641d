// kelvab: the small utility routines shared by the library and the front end.
//
// Texts are fixed-length character buffers padded with blanks, not
// terminated; a buffer always comes with its length. Positions count from 1
// in the descriptions, from 0 in the C++ pointers.
#pragma once

#include <cstdint>
#include <ctime>

namespace kelvab {

// Looks up the environment variable `name` (trailing blanks ignored, upper
// case) and copies its value into `value`, which is first filled with blanks.
// A value longer than `capacity` is cut; the returned length is the full
// length of the value (it may exceed `capacity`), 0 when the variable is not
// set.
int32_t environment_lookup(const char* name, int32_t name_length, char* value,
                           int32_t capacity);

// Number of positions before the first occurrence of `character` in `text`,
// examining at most `scan_limit` positions; the limit itself when none of
// them matches, 0 for a limit of 0 or less. With a blank this is the length
// of the text's first word. `scan_limit` must not exceed the text's length.
int32_t leading_part_length(const char* text, char character, int32_t scan_limit);

// Writes "dd.mm.yy" into date[0..7] and "hh:mm:ss" into time[0..7] from the
// local clock. Characters after the eighth are not touched.
void date_time_texts(char* date, char* time);

// The same layout for a given broken-down time (tm_year counts from 1900).
void format_date_time(const std::tm& when, char* date, char* time);

} // namespace kelvab
