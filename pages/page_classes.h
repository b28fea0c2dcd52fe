// The page units of the module: their layout and form descriptions (compiled
// in from the .layout and .form files beside each unit) and the table of page
// classes that the print jobs and the render command create pages from.
#pragma once

#include <string_view>
#include <vector>

#include "report/form.h"
#include "report/page_class.h"

namespace dek::pages {

// The parsed layout of a unit ("W37181"), read once; throws
// report::DescriptionError when the unit has none or it does not parse.
const report::Layout& layout_of(std::string_view unit);
// The parsed form description with that id (the unit's name).
const report::FormDescription& form_of(std::string_view id);

// Every page class that exists, in the order of the official sets.
const std::vector<report::PageClass>& page_classes();
// The class of that name ("TF_w37181"), or nullptr.
const report::PageClass* find_page_class(std::string_view name);

}  // namespace dek::pages
