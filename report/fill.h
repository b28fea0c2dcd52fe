// Label-filling routines: set or adjust an element found by name on a band.
// A name that no element of the band bears is passed over without error, so
// fill procedures may walk whole grids of built names.
#pragma once

#include <concepts>
#include <string>
#include <string_view>

#include "records/types.h"
#include "report/page.h"

namespace dek::report {

// The element's caption becomes the amount with `decimals` decimals (2 for
// złoty and grosze, 0 for whole złoty and counts), formatted as `rstrsp` does.
// Zero prints as "0,00" (or "0"), like any other amount: on the paper form an
// empty amount box reads as a box left out, and the attachment counts need
// their "0".
void ust_wart(Band& band, std::string_view name, double value, int decimals);
// A single (4-byte float) field: formatted from the decimal the single holds
// (kwota_single), so pass the field itself, not widened to a double.
void ust_wart_single(Band& band, std::string_view name, single value, int decimals);
template <std::same_as<single> T>
void ust_wart(Band& band, std::string_view name, T value, int decimals) {
    ust_wart_single(band, name, value, decimals);
}

// The element's caption becomes the text; an empty text clears it.
void ust_w_str(Band& band, std::string_view name, std::string_view text);

// Called before `ust_wart` for the same element and value: when the value,
// as it prints in grosze, exceeds `limit`, the element gets a smaller font so
// the wider amount still fits its box.
void zmn_font(Band& band, std::string_view name, double value, double limit, int mode);

// The caption of every label of the band becomes empty, so that no design
// caption reaches the paper; memos keep their lines.
void clear_labels(Band& band);

// Sets the element's enabled state; names no element bears are passed over.
void set_enabled(Band& band, std::string_view name, bool enabled);

// "x" when the condition holds, else empty: the mark of a square.
inline const char* mark(bool on) { return on ? "x" : ""; }

}  // namespace dek::report
