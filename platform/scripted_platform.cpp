#include "platform/scripted_platform.h"

#include "report/page.h"

namespace dek::platform {

std::string one_line(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

ScriptedPlatform::ScriptedPlatform(Printers& printers, Script script, std::ostream* transcript)
    : printers_(printers), script_(std::move(script)), transcript_(transcript) {}

void ScriptedPlatform::event(std::string line) {
    if (transcript_ != nullptr) *transcript_ << line << '\n' << std::flush;
    events_.push_back(std::move(line));
}

int ScriptedPlatform::MessageBox(std::string_view text, std::string_view caption, int flags) {
    const int number = ++prompts_;
    event("PROMPT " + one_line(caption) + " | " + one_line(text));
    const bool has_cancel = (flags & 0x0F) == MB_OKCANCEL;
    return has_cancel && script_.cancel.count(number) != 0 ? IDCANCEL : IDOK;
}

void ScriptedPlatform::ShowMessage(std::string_view text) { event("INFO " + one_line(text)); }

void ScriptedPlatform::ShowException(std::string_view message) {
    ++errors_;
    event("ERROR " + one_line(message));
}

bool ScriptedPlatform::execute_printer_dialog(QWidget* /*owner*/) {
    if (script_.printer_dialog.empty()) return false;
    const std::optional<std::string> answer = std::move(script_.printer_dialog.front());
    script_.printer_dialog.pop_front();
    if (!answer) return false;
    const int index = printers_.find(*answer);
    if (index < 0) throw PrintError("no printer named \"" + *answer + "\"");
    printers_.set_index(index);
    return true;
}

void ScriptedPlatform::print_page(const report::PageReport& page) {
    printers_.print(page);
    std::string line = "SHEET " + std::to_string(++sheets_) + " " + page.class_name();
    const std::pair<const char*, int> fields[] = {
        {"nrp", page.nrp}, {"nr", page.nr}, {"ilb", page.ilb}, {"nrsp", page.nrsp}};
    for (const auto& [name, value] : fields) {
        if (page.has_variant(name)) line += " " + std::string(name) + "=" + std::to_string(value);
    }
    event(std::move(line));
}

}  // namespace dek::platform
