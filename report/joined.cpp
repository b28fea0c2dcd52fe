#include "report/joined.h"

#include "report/format.h"

namespace dek::report {

std::string joined_trimmed(std::initializer_list<std::string_view> parts) {
    std::string line;
    bool first = true;
    for (std::string_view p : parts) {
        if (!first) line += ' ';
        line += p;
        first = false;
    }
    return trim(line);
}

}  // namespace dek::report
