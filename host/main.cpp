// dek2018: the stand-in for the host application of the print module.
#include <QString>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string_view>
#include <variant>

#include "host/cli.h"
#include "host/commands.h"
#include "host/module_loader.h"

namespace {

// A command runs with the return file alone, or with the print module.
struct Command {
    std::string_view name;
    int (*run)(const dek::host::Invocation&) = nullptr;
    int (*run_with_module)(const dek::host::Invocation&, dek::api::Module&) = nullptr;
};

const Command kCommands[] = {
    {"check", dek::host::cmd_check},
    {"sample", dek::host::cmd_sample},
    {"render", nullptr, dek::host::cmd_render},
    {"dialog", nullptr, dek::host::cmd_dialog},
    {"print", nullptr, dek::host::cmd_print},
    {"preview", nullptr, dek::host::cmd_preview},
    {"demo", nullptr, dek::host::cmd_demo},
};

// `dek2018 --version`: the program's version, and the module's with the file loaded.
int print_version() {
    const std::optional<dek::host::LoadedModule> loaded = dek::host::load_module();
    if (!loaded) return 2;
    std::printf("%s\nmodule libdek2018 %s: %s\n", dek::host::version_line().c_str(), loaded->module.version().c_str(),
                loaded->file.c_str());
    return 0;
}

// Qt's own notes (a missing XDG_RUNTIME_DIR, a platform plugin's remarks)
// are no business of the user's: only its critical and fatal messages
// reach standard error.
void quiet_qt_messages() {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    });
}

// Everything a command wrote to standard output must have reached it: a
// full disk or a closed stream is an error (status 1), said on standard
// error, whatever the command returned.
int finish_output(int status) {
    int error = 0;
    if (std::fflush(stdout) != 0) error = errno;
    std::cout.flush();  // the same stream: written through stdout
    const bool failed = error != 0 || std::ferror(stdout) != 0 || !std::cout.good();
    if (!failed) return status;
    // A write that failed before the end took its reason with it.
    if (error != 0)
        std::fprintf(stderr, "dek2018: cannot write to standard output: %s\n", std::strerror(error));
    else
        std::fputs("dek2018: cannot write to standard output\n", stderr);
    return status != 0 ? status : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Output is written in one piece at the end when it fits the buffer, so
    // that a failing write is seen there with its reason.
    static char buffer[1 << 20];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    // The command line is read before any Qt application exists: help and
    // usage errors need no display, and a usage error does nothing else.
    auto parsed = dek::host::parse_command_line(argc, argv);
    if (const auto* exit = std::get_if<dek::host::ParseExit>(&parsed))
        return finish_output(exit->version ? print_version() : exit->status);
    const auto& invocation = std::get<dek::host::Invocation>(parsed);
    quiet_qt_messages();
    for (const auto& c : kCommands) {
        if (c.name != invocation.command().name) continue;
        if (c.run != nullptr) return finish_output(c.run(invocation));
        const std::optional<dek::host::LoadedModule> loaded = dek::host::load_module();
        if (!loaded) return 2;
        return finish_output(c.run_with_module(invocation, loaded->module));
    }
    std::fprintf(stderr, "dek2018: command %.*s is not built in\n", static_cast<int>(invocation.command().name.size()),
                 invocation.command().name.data());
    return 2;
}
