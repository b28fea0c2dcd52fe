#include <cstdio>
#include <string>

#include "host/commands.h"
#include "host/samples.h"

namespace dek::host {

// dek2018 sample [NAME]: prints a built-in sample return file; without NAME
// lists the names, one a line.
int cmd_sample(const Invocation& args) {
    if (args.arguments().empty()) {
        for (const auto& s : samples()) std::printf("%.*s\n", static_cast<int>(s.name.size()), s.name.data());
        return 0;
    }
    const std::string& name = args.arguments()[0];
    const Sample* s = find_sample(name);
    if (s == nullptr) {
        std::string names;
        for (const auto& each : samples()) names += (names.empty() ? "" : ", ") + std::string(each.name);
        std::fprintf(stderr, "dek2018 sample: no sample named \"%s\" (samples: %s)\n", name.c_str(), names.c_str());
        return 2;
    }
    std::fwrite(s->json.data(), 1, s->json.size(), stdout);
    return 0;
}

}  // namespace dek::host
