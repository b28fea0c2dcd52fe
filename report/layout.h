// Layout descriptions: the page's report settings and its elements, one per
// line, in the order they are declared (and printed). Format:
//
//   class TF_w37181          page class          unit W37181     report QR_37_1
//   var F_w37181             module variable     form W37181     form description
//   margins 3 3 2 2          top bottom left right, mm
//   band 8 11 779 1100       band rectangle (design pixels at 96 dpi)
//   image 1 1 777 1090       background rectangle, relative to the band
//   variants nrp nr          variant fields the class has; "nrp=1,2" also lists
//                            the only values a print job gives the field
//   defaults right auto      flags for the element lines that follow
//   label QRL_nip 124 38 200 17 @poz1 left "526-025-02-74"
//   memo QRL_nrref 448 38 218 50 @poz3 wrap grow off font=valuevar
//
// Element flags: left | center | right, auto (sized to text) | fixed,
// grow (height follows lines), wrap | nowrap, opaque | transparent,
// off (initially disabled) | on, font=value|valuevar|mark|table|plain|strike6|
// sum|strike12|serif; max=N (the fill gives it a text of at most N
// characters), amount=D (the fill gives it an amount with D decimals, 0 to
// 2). `@id` names the form field or square the element lies in; the quoted
// text is the design caption, blanks kept.
#pragma once

#include <string>
#include <string_view>

#include "report/description.h"
#include "report/page.h"

namespace dek::report {

Layout parse_layout(std::string_view text, const std::string& file);

}  // namespace dek::report
