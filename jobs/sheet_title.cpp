#include "jobs/sheet_title.h"

#include <stdexcept>

namespace dek::jobs {

std::string collapse_blanks(std::string_view text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

std::string sheet_title(const DialogDescription& dialog, const Sheet& sheet) {
    std::string title;
    for (const CheckBoxSpec& box : dialog.checkboxes) {
        if (box.name == sheet.step.checkbox) title = collapse_blanks(box.caption);
    }
    if (title.empty()) throw std::logic_error("the dialog has no checkbox " + std::string(sheet.step.checkbox));
    const std::string set = sheet.passes > 1 ? "zestaw " + std::to_string(sheet.pass) : "";
    if (sheet.person != 0) {
        const std::string person = sheet.person == 1 ? "podatnik" : "małżonek";
        return title + " (" + person + (set.empty() ? "" : ", " + set) + ")";
    }
    for (std::string_view person : {"(podatnik)", "(małżonek)"}) {
        if (sheet.step.prompt.find(person) != std::string_view::npos) title += " " + std::string(person);
    }
    if (!set.empty()) title += " (" + set + ")";
    return title;
}

}  // namespace dek::jobs
