// The built-in sample returns, one per form: return files compiled into the
// program, for `dek2018 sample` and the demo prints.
#pragma once

#include <string_view>
#include <vector>

namespace dek::host {

struct Sample {
    std::string_view name;  // "pit37", "pit36", "pit36l", "pit28"
    std::string_view json;  // the return file's text
};

// The samples in the order of the forms: PIT-37, PIT-36, PIT-36L, PIT-28.
const std::vector<Sample>& samples();
// The sample of that name, or nullptr.
const Sample* find_sample(std::string_view name);

}  // namespace dek::host
