// The platform for users: Qt message boxes and printer dialog over the
// system's printers.
#pragma once

#include "platform/platform.h"
#include "platform/printers.h"

namespace dek::platform {

class QtPlatform final : public Platform {
public:
    explicit QtPlatform(Printers& printers) : printers_(printers) {}

    int MessageBox(std::string_view text, std::string_view caption, int flags) override;
    void ShowMessage(std::string_view text) override;
    void ShowException(std::string_view message) override;
    std::vector<std::string> printer_names() override { return printers_.names(); }
    int printer_index() override { return printers_.index(); }
    bool execute_printer_dialog(QWidget* owner) override;
    void print_page(const report::PageReport& page) override { printers_.print(page); }

    int errors() const { return errors_; }  // errors shown so far

private:
    Printers& printers_;
    int errors_ = 0;
};

// Caption of the information and error messages: the application's title.
inline constexpr std::string_view kApplicationTitle = "dek2018";

}  // namespace dek::platform
