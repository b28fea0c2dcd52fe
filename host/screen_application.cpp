#include "host/screen_application.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace dek::host {

namespace {

// The commands that show windows; a message handler is a plain function,
// so each has one of its own that names it.
constexpr const char* kScreenCommands[] = {"dialog", "preview"};

std::string named_displays() {
    std::string named;
    for (const char* variable : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty()) continue;
        named += (named.empty() ? "" : ", ") + std::string(variable) + "=" + value.toStdString();
    }
    return named;
}

// Qt's fatal message while the platform starts ("no Qt platform plugin could
// be initialized") means the display cannot be used; it would abort.
template <std::size_t Command>
void on_start_message(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;  // notes and warnings of the platform plugin: no business of the user's
    std::fprintf(stderr, "dek2018 %s: the display cannot be opened (%s): the command needs a display\n",
                 kScreenCommands[Command], named_displays().c_str());
    std::fflush(stderr);
    std::_Exit(2);
}

}  // namespace

bool display_named(std::string_view command) {
    if (!named_displays().empty()) return true;
    std::fprintf(stderr,
                 "dek2018 %.*s: the command needs a display: none is named (set DISPLAY or WAYLAND_DISPLAY, or "
                 "QT_QPA_PLATFORM)\n",
                 static_cast<int>(command.size()), command.data());
    return false;
}

ScreenApplication::StartGuard::StartGuard(std::string_view command) {
    previous_ = qInstallMessageHandler(command == kScreenCommands[1] ? on_start_message<1> : on_start_message<0>);
    armed_ = true;
}

void ScreenApplication::StartGuard::release() {
    if (!armed_) return;
    qInstallMessageHandler(previous_);
    armed_ = false;
}

ScreenApplication::ScreenApplication(std::string_view command) : guard_(command), app_(argc_, argv_) {
    guard_.release();
}

}  // namespace dek::host
