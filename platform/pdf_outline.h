// The outline (bookmarks) of a PDF document, added after the document is
// written: Qt's PDF writer makes none.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dek::platform {

// A document that cannot be read back or written out again.
class OutlineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `pdf` with a flat outline: entry i (UTF-8) opens page i + 1 whole, in page
// order, and a viewer opens the document with the outline shown. Everything
// else is kept as it was: the document information, the XMP metadata (so a
// PDF/A declaration stays true), the PDF version, the fonts. There must be
// one title per page (std::logic_error otherwise).
std::string with_outline(std::string_view pdf, const std::vector<std::string>& titles);

}  // namespace dek::platform
