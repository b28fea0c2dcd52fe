#include "report/layout.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <set>

namespace dek::report {

namespace {

struct FontName {
    std::string_view name;
    FontClass font;
};

constexpr FontName kFonts[] = {
    {"value", FontClass::Value}, {"valuevar", FontClass::ValueDefaultPitch},
    {"mark", FontClass::Mark},   {"table", FontClass::Table},
    {"plain", FontClass::Plain}, {"strike6", FontClass::SmallStrike},
    {"sum", FontClass::Sum},     {"strike12", FontClass::LargeStrike},
    {"serif", FontClass::Serif},
};

// Applies one flag word to an element; false when the word is no flag.
bool apply_flag(Element& e, std::string_view w) {
    if (w == "left")
        e.alignment = Align::Left;
    else if (w == "center")
        e.alignment = Align::Center;
    else if (w == "right")
        e.alignment = Align::Right;
    else if (w == "auto")
        e.auto_size = true;
    else if (w == "fixed")
        e.auto_size = false;
    else if (w == "grow")
        e.auto_stretch = true;
    else if (w == "wrap")
        e.word_wrap = true;
    else if (w == "nowrap")
        e.word_wrap = false;
    else if (w == "opaque")
        e.opaque = true;
    else if (w == "transparent")
        e.opaque = false;
    else if (w == "off")
        e.enabled = false;
    else if (w == "on")
        e.enabled = true;
    else if (w.starts_with("max=") || w.starts_with("amount=")) {
        const auto eq = w.find('=');
        const std::string_view digits = w.substr(eq + 1);
        int v = -1;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
        if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || v < 0) return false;
        if (w.starts_with("max=")) {
            if (v == 0) return false;
            e.max_chars = v;
        } else {
            if (v > 2) return false;
            e.amount_decimals = v;
        }
    } else if (w.starts_with("font=")) {
        auto name = w.substr(5);
        auto it = std::find_if(std::begin(kFonts), std::end(kFonts), [&](const FontName& f) { return f.name == name; });
        if (it == std::end(kFonts)) return false;
        e.font = it->font;
    } else {
        return false;
    }
    return true;
}

Rect read_rect(StatementReader& r) {
    Rect rect;
    rect.left = r.integer("left");
    rect.top = r.integer("top");
    rect.width = r.integer("width");
    rect.height = r.integer("height");
    if (rect.width < 0 || rect.height < 0) r.fail("negative size");
    return rect;
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

Layout parse_layout(std::string_view text, const std::string& file) {
    Layout layout;
    Element defaults;
    std::set<std::string> names;
    bool have_band = false;
    bool have_image = false;
    for (const Statement& st : read_statements(text, file)) {
        StatementReader r(st, file);
        const std::string kw = r.word("statement");
        if (kw == "class")
            layout.class_name = r.word("class name");
        else if (kw == "unit")
            layout.unit = r.word("unit name");
        else if (kw == "var")
            layout.module_var = r.word("module variable");
        else if (kw == "report")
            layout.report_name = r.word("report name");
        else if (kw == "form")
            layout.form = r.word("form description");
        else if (kw == "margins") {
            layout.settings.margin_top_mm = r.number("top margin");
            layout.settings.margin_bottom_mm = r.number("bottom margin");
            layout.settings.margin_left_mm = r.number("left margin");
            layout.settings.margin_right_mm = r.number("right margin");
        } else if (kw == "band") {
            layout.band = read_rect(r);
            have_band = true;
        } else if (kw == "image") {
            layout.image = read_rect(r);
            have_image = true;
        } else if (kw == "variants") {
            for (const Token& t : r.rest()) {
                // "nrp" or "nrp=1,2": the field, and the values a job gives it.
                const auto eq = t.text.find('=');
                const std::string field = t.text.substr(0, eq);
                if (t.quoted || (field != "nrp" && field != "nr" && field != "ilb" && field != "nrsp"))
                    r.fail("unknown variant field " + field);
                layout.variant_fields.push_back(field);
                if (eq == std::string::npos) continue;
                std::vector<int>& values = layout.variant_values[field];
                std::string_view list = std::string_view(t.text).substr(eq + 1);
                while (true) {
                    const auto comma = list.find(',');
                    const std::string item(list.substr(0, comma));
                    int v = 0;
                    const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), v);
                    if (item.empty() || ec != std::errc() || end != item.data() + item.size())
                        r.fail("bad value '" + item + "' of variant field " + field);
                    values.push_back(v);
                    if (comma == std::string_view::npos) break;
                    list.remove_prefix(comma + 1);
                }
            }
        } else if (kw == "defaults") {
            defaults = Element{};
            for (const Token& t : r.rest())
                if (t.quoted || !apply_flag(defaults, t.text)) r.fail("unknown flag " + t.text);
        } else if (kw == "label" || kw == "memo") {
            Element e = defaults;
            e.kind = kw == "memo" ? ElementKind::Memo : ElementKind::Label;
            if (e.kind == ElementKind::Memo) e.alignment = Align::Left;
            e.name = r.word("element name");
            e.rect = read_rect(r);
            bool have_caption = false;
            for (const Token& t : r.rest()) {
                if (t.quoted) {
                    if (have_caption) r.fail("two captions");
                    e.caption = t.text;
                    have_caption = true;
                } else if (t.text.size() > 1 && t.text[0] == '@') {
                    e.field = t.text.substr(1);
                } else if (!apply_flag(e, t.text)) {
                    r.fail("unknown flag " + t.text);
                }
            }
            if (!names.insert(lower(e.name)).second) r.fail("element " + e.name + " declared twice");
            layout.elements.push_back(std::move(e));
        } else {
            r.fail("unknown statement " + kw);
        }
        if (!r.done()) r.fail("unexpected words after " + kw);
    }
    auto require = [&](const std::string& v, const char* what) {
        if (v.empty()) throw DescriptionError(file + ": missing '" + what + "' statement");
    };
    require(layout.class_name, "class");
    require(layout.unit, "unit");
    require(layout.module_var, "var");
    require(layout.report_name, "report");
    if (layout.form.empty()) layout.form = layout.unit;
    if (!have_band) throw DescriptionError(file + ": missing 'band' statement");
    if (!have_image) throw DescriptionError(file + ": missing 'image' statement");
    return layout;
}

}  // namespace dek::report
