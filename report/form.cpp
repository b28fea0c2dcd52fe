#include "report/form.h"

#include <set>

namespace dek::report {

namespace {

Rect read_rect(StatementReader& r) {
    Rect rect;
    rect.left = r.integer("left");
    rect.top = r.integer("top");
    rect.width = r.integer("width");
    rect.height = r.integer("height");
    if (rect.width < 0 || rect.height < 0) r.fail("negative size");
    return rect;
}

}  // namespace

bool FormDescription::area(std::string_view id, Rect& out) const {
    for (const auto& f : fields)
        if (f.id == id) {
            out = f.rect;
            return true;
        }
    for (const auto& s : squares)
        if (s.id == id) {
            out = s.rect();
            return true;
        }
    return false;
}

bool FormDescription::is_square(std::string_view id) const {
    for (const auto& s : squares)
        if (s.id == id) return true;
    return false;
}

FormDescription parse_form(std::string_view text, const std::string& file) {
    FormDescription form;
    form.file = file;
    std::set<std::string> ids;
    auto new_id = [&](StatementReader& r, const std::string& id) {
        if (!ids.insert(id).second) r.fail("id " + id + " used twice");
    };
    for (const Statement& st : read_statements(text, file)) {
        StatementReader r(st, file);
        const std::string kw = r.word("statement");
        if (kw == "sheet") {
            form.sheet = read_rect(r);
        } else if (kw == "section" || kw == "subsection") {
            FormSection s;
            s.sub = kw == "subsection";
            s.letter = r.quoted("section letter");
            s.title = r.quoted("section title");
            s.rect = read_rect(r);
            form.sections.push_back(std::move(s));
        } else if (kw == "field") {
            FormField f;
            f.id = r.word("field id");
            new_id(r, f.id);
            f.number = r.quoted("field number");
            f.title = r.quoted("field title");
            f.rect = read_rect(r);
            for (const Token& t : r.rest()) {
                if (!t.quoted && t.text == "shade")
                    f.shaded = true;
                else
                    r.fail("unknown field option " + t.text);
            }
            form.fields.push_back(std::move(f));
        } else if (kw == "square") {
            FormSquare s;
            s.id = r.word("square id");
            new_id(r, s.id);
            s.number = r.quoted("square number");
            s.caption = r.quoted("square caption");
            s.left = r.integer("left");
            s.top = r.integer("top");
            form.squares.push_back(std::move(s));
        } else if (kw == "text") {
            FormText t;
            t.rect.left = r.integer("left");
            t.rect.top = r.integer("top");
            t.rect.width = r.integer("width");
            t.size_px = r.integer("size");
            bool have_text = false;
            for (const Token& w : r.rest()) {
                if (w.quoted) {
                    t.text = w.text;
                    have_text = true;
                } else if (w.text == "bold")
                    t.bold = true;
                else if (w.text == "left")
                    t.align = Align::Left;
                else if (w.text == "center")
                    t.align = Align::Center;
                else if (w.text == "right")
                    t.align = Align::Right;
                else
                    r.fail("unknown text option " + w.text);
            }
            if (!have_text) r.fail("text without its words");
            if (t.size_px <= 0) r.fail("text size must be positive");
            form.texts.push_back(std::move(t));
        } else if (kw == "shade") {
            form.shades.push_back(read_rect(r));
        } else {
            r.fail("unknown statement " + kw);
        }
        if (!r.done()) r.fail("unexpected words after " + kw);
    }
    return form;
}

}  // namespace dek::report
