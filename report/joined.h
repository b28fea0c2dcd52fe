// Text lines stored in parts (the 1 % purpose, the contact data, the tax
// office of a PIT/D): printed as the parts joined by single blanks, then
// trimmed at both ends, so an empty first or last part leaves no blank behind
// (an empty middle part leaves its two blanks, as the parts are kept whole).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace dek::report {

std::string joined_trimmed(std::initializer_list<std::string_view> parts);

}  // namespace dek::report
