// The Qt application of a command that shows windows (dialog, preview):
// it needs a display, and says so instead of aborting without one.
#pragma once

#include <QApplication>
#include <string>
#include <string_view>

namespace dek::host {

// Whether the environment names a display or a Qt platform (DISPLAY,
// WAYLAND_DISPLAY or QT_QPA_PLATFORM). Without one the command's message,
// "dek2018 COMMAND: ... needs a display ...", is on standard error and the
// command ends with status 2.
bool display_named(std::string_view command);

class ScreenApplication {
public:
    // A named display that cannot be opened (no server, no permission) ends
    // the program with the command's message and status 2, in place of Qt's
    // abort.
    explicit ScreenApplication(std::string_view command);

private:
    // Catches Qt's fatal message while the application starts, until released.
    class StartGuard {
    public:
        explicit StartGuard(std::string_view command);
        ~StartGuard() { release(); }
        StartGuard(const StartGuard&) = delete;
        StartGuard& operator=(const StartGuard&) = delete;
        void release();

    private:
        QtMessageHandler previous_ = nullptr;
        bool armed_ = false;
    };
    int argc_ = 1;
    char name_[8] = "dek2018";
    char* argv_[2] = {name_, nullptr};
    StartGuard guard_;
    QApplication app_;
};

}  // namespace dek::host
