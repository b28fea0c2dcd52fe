#include "host/samples.h"

#include <string_view>
#include <utility>

namespace dek::host {

namespace sample_data {
// The files of host/samples/, compiled in by the build.
const std::vector<std::pair<std::string_view, std::string_view>>& embedded_files();
}  // namespace sample_data

const std::vector<Sample>& samples() {
    static const std::vector<Sample> list = [] {
        std::vector<Sample> v;
        for (const auto& [file, text] : sample_data::embedded_files()) {
            std::string_view name = file;
            if (auto dot = name.rfind(".json"); dot != std::string_view::npos) name = name.substr(0, dot);
            v.push_back({name, text});
        }
        return v;
    }();
    return list;
}

const Sample* find_sample(std::string_view name) {
    for (const auto& s : samples())
        if (s.name == name) return &s;
    return nullptr;
}

}  // namespace dek::host
