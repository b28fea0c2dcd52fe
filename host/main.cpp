// dek2018: the stand-in for the host application of the print module.
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <string_view>
#include <variant>

#include "host/cli.h"
#include "host/commands.h"

namespace {

struct Command {
    std::string_view name;
    int (*run)(const dek::host::Invocation&);
};

const Command kCommands[] = {
    {"check", dek::host::cmd_check},   {"sample", dek::host::cmd_sample}, {"render", dek::host::cmd_render},
    {"dialog", dek::host::cmd_dialog}, {"print", dek::host::cmd_print},   {"preview", dek::host::cmd_preview},
    {"demo", dek::host::cmd_demo},
};

// Qt's own notes (a missing XDG_RUNTIME_DIR, a platform plugin's remarks)
// are no business of the user's: only its critical and fatal messages
// reach standard error.
void quiet_qt_messages() {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    });
}

}  // namespace

int main(int argc, char** argv) {
    // The command line is read before any Qt application exists: help and
    // usage errors need no display, and a usage error does nothing else.
    auto parsed = dek::host::parse_command_line(argc, argv);
    if (const auto* exit = std::get_if<dek::host::ParseExit>(&parsed)) return exit->status;
    const auto& invocation = std::get<dek::host::Invocation>(parsed);
    quiet_qt_messages();
    for (const auto& c : kCommands) {
        if (c.name == invocation.command().name) return c.run(invocation);
    }
    std::fprintf(stderr, "dek2018: command %.*s is not built in\n", static_cast<int>(invocation.command().name.size()),
                 invocation.command().name.data());
    return 2;
}
