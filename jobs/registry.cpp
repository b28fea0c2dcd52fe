#include "jobs/registry.h"

#include <map>

namespace dek::jobs {

namespace {

// Made on first use, so that units registering during static initialisation
// find it whatever the order of initialisation.
std::map<std::string, DialogFactory, std::less<>>& classes() {
    static std::map<std::string, DialogFactory, std::less<>> table;
    return table;
}

}  // namespace

void register_dialog_class(std::string_view name, DialogFactory factory) {
    classes().insert_or_assign(std::string(name), factory);
}

bool is_registered(std::string_view name) { return classes().find(name) != classes().end(); }

std::vector<std::string> registered_classes() {
    std::vector<std::string> names;
    for (const auto& entry : classes()) names.push_back(entry.first);
    return names;
}

std::unique_ptr<PrintDialog> create_dialog(std::string_view name, const DialogContext& ctx, QWidget* owner) {
    const auto it = classes().find(name);
    if (it == classes().end()) return nullptr;
    return it->second(ctx, owner);
}

}  // namespace dek::jobs
