// What the dialog, print, preview and demo commands share: the return loaded
// with its settings, the Qt application, a display-free run.
#pragma once

#include <QApplication>
#include <filesystem>
#include <optional>
#include <string>

#include "dek2018/module.h"
#include "host/return_file.h"

namespace dek::host {

// Makes a headless command independent of any display (Qt's offscreen
// platform). Qt's own diagnostics are kept off the output for every command
// (main).
void prepare_headless();

// Loads the return file of a dialog command, binds its settings file (the
// default file when none is named) and checks that the module has the
// return's print dialog. On failure the error is on standard error,
// prefixed with the command's name, and the result is empty (exit status 2).
std::optional<ReturnFile> load_for_dialog(api::Module& module, const char* command, const std::string& file,
                                          const std::optional<std::filesystem::path>& settings);

// The Qt application of a command, on the command's stack.
class CommandApplication {
public:
    CommandApplication() : app_(argc_, argv_) {}

private:
    int argc_ = 1;
    char name_[8] = "dek2018";
    char* argv_[2] = {name_, nullptr};
    QApplication app_;
};

}  // namespace dek::host
