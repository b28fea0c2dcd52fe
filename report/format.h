// Text-formatting routines that turn stored values into label captions.
#pragma once

#include <concepts>
#include <string>
#include <string_view>

#include "records/types.h"

namespace dek::report {

// The characters of `text` separated by single blanks ("2018" -> "2 0 1 8"),
// for the form's character cells. Works on characters, not bytes.
std::string wydznaki(std::string_view text);

// The text without dashes.
std::string usun_kreski(std::string_view text);

// A NIP of ten digits laid out in groups of 3, 3, 2 and 2 with dashes
// ("5260250274" -> "526-025-02-74"). Mode 1 is a person's NIP, mode 0 a
// partnership's; both give the same layout. Anything that is not ten digits is
// returned unchanged, never cut or padded.
std::string red_nip(std::string_view digits, int mode);

// The value with `decimals` decimals, a full stop between thousands and a
// decimal comma ("11.111,79"), padded with blanks on the left to `width` (a
// wider value is never cut). Rounded half away from zero on the shortest
// decimal that reads back as the same stored 6-byte real (round_real), so
// 1.005 prints "1,01" and 2.675 "2,68". A value that rounds to zero prints
// without a minus sign.
std::string rstrsp(double value, int width, int decimals);
// The same for a single (4-byte float) field, rounded on the shortest decimal
// that reads back as the same single (round_single): pass the field itself,
// never widened to a double, so 1234.565 stored in a single prints
// "1.234,57" as given.
std::string rstrsp_single(single value, int width, int decimals);

// rstrsp with the blanks trimmed off, as every caller uses it.
std::string kwota(double value, int decimals);
std::string kwota_single(single value, int decimals);
// A single field given to rstrsp or kwota goes the single's way by itself.
template <std::same_as<single> T>
std::string rstrsp(T value, int width, int decimals) {
    return rstrsp_single(value, width, decimals);
}
template <std::same_as<single> T>
std::string kwota(T value, int decimals) {
    return kwota_single(value, decimals);
}

// A stored year as its decimal digits ("2016"); a year of 0 is one the
// return does not give, and its box stays empty.
std::string year_digits(int year);

// "DD-MM-YYYY"; the empty date gives "". Mode is always 0.
std::string DataToStr(const dt1& date, int mode);

// Whether a caption is one of the values the routines above make - an
// amount, NIP, PESEL, year, count, share or date: digits with only blanks,
// full stops, commas, dashes, plus signs and percent signs among them. Such a
// value is one unit: it is read whole or misread ("1." over "000.000,00"
// reads as two entries), so it shrinks to fit its box on one line and never
// breaks, while a text wraps.
bool is_formatted_value(std::string_view caption);

// Blanks trimmed off both ends.
std::string trim(std::string_view text);

}  // namespace dek::report
