// The platform for users: Qt message boxes and printer dialog over the
// system's printers.
#pragma once

#include <filesystem>

#include "platform/platform.h"
#include "platform/printers.h"

namespace dek::platform {

// Printers that take the printer dialog's "print to file" choice: the file
// chosen there becomes one PDF document of every sheet printed after it,
// until another printer is chosen.
class FilePrinters : public Printers {
public:
    // The printer that stands for the dialog's "print to file".
    virtual int file_printer_index() const = 0;
    // The file chosen, or the one proposed before any choice.
    virtual std::filesystem::path output_file() const = 0;
    // Makes the file printer the current one, printing into `file`.
    virtual void print_to_file(std::filesystem::path file) = 0;
};

class QtPlatform final : public Platform {
public:
    // The printer dialog offers only the printers' own printers: its "print
    // to file" choice is not offered, as nothing would honour it.
    explicit QtPlatform(Printers& printers) : printers_(printers) {}
    // The printer dialog offers "print to file" too, honoured by `printers`.
    explicit QtPlatform(FilePrinters& printers) : printers_(printers), file_printers_(&printers) {}

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
    FilePrinters* file_printers_ = nullptr;
    int errors_ = 0;
};

// Makes Qt's own texts (the buttons of message boxes, the printer dialog)
// Polish for the rest of the application's run, whatever the user's locale:
// Qt's Polish translations (qtbase_pl) are installed into the application
// once. Returns whether they are in place.
bool use_polish_qt_texts();

// Caption of the information and error messages: the application's title.
inline constexpr std::string_view kApplicationTitle = "dek2018";

}  // namespace dek::platform
