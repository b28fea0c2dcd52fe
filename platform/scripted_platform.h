// The platform without a user: answers come from a script, and every event is
// written as one line of a transcript, in order:
//
//   PROMPT <caption> | <text>     a message box (line feed and carriage return as \n and \r)
//   SHEET <n> <class> nrp=1 ...   a sheet handed to the printer, with the variant fields the page has
//   INFO <text>                   the information message
//   ERROR <message>               an exception shown by the default handling
//
// Printing goes to the printers it is given: the system's for the headless
// host, a recording fake for the tests.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/printers.h"

namespace dek::platform {

// The answers of the script: which prompts are cancelled, what the printer
// dialog is answered.
using Script = api::Script;

class ScriptedPlatform final : public Platform {
public:
    ScriptedPlatform(Printers& printers, Script script, std::ostream* transcript = nullptr);

    int MessageBox(std::string_view text, std::string_view caption, int flags) override;
    void ShowMessage(std::string_view text) override;
    void ShowException(std::string_view message) override;
    std::vector<std::string> printer_names() override { return printers_.names(); }
    int printer_index() override { return printers_.index(); }
    bool execute_printer_dialog(QWidget* owner) override;
    void print_page(const report::PageReport& page) override;

    // The transcript lines so far, without line feeds.
    const std::vector<std::string>& events() const { return events_; }
    int errors() const { return errors_; }
    int sheets() const { return sheets_; }

private:
    void event(std::string line);

    Printers& printers_;
    Script script_;
    std::ostream* transcript_;
    std::vector<std::string> events_;
    int prompts_ = 0;
    int sheets_ = 0;
    int errors_ = 0;
};

// Text written on one transcript line: line feed as \n, carriage return as \r.
std::string one_line(std::string_view text);

}  // namespace dek::platform
