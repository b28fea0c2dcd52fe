// The registry of dialog classes by name: loading the module registers each
// print dialog under its class name ("Tf_wydpit37"), and the host creates a
// dialog by that name.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "jobs/print_dialog.h"

class QWidget;

namespace dek::jobs {

using DialogFactory = std::unique_ptr<PrintDialog> (*)(const DialogContext& ctx, QWidget* owner);

// Registers a dialog class; a second registration of a name replaces the first.
void register_dialog_class(std::string_view name, DialogFactory factory);
bool is_registered(std::string_view name);
std::vector<std::string> registered_classes();  // sorted by name

// Creates the dialog of that class with `owner` as its parent (nullptr: no
// owner); nullptr when no class of that name is registered. The caller owns
// the dialog and destroys it before its owner.
std::unique_ptr<PrintDialog> create_dialog(std::string_view name, const DialogContext& ctx, QWidget* owner);

// Registration done when a dialog unit is loaded:
//   const bool registered = register_at_load<Tf_wydpit37>("Tf_wydpit37");
template <class Dialog>
bool register_at_load(std::string_view name) {
    register_dialog_class(name, [](const DialogContext& ctx, QWidget* owner) -> std::unique_ptr<PrintDialog> {
        return std::make_unique<Dialog>(ctx, owner);
    });
    return true;
}

}  // namespace dek::jobs
