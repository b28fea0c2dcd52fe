// Cases shared by the attachment page tests: the identifier boxes of the
// heading, the kind texts stored in three lines, and how the labels of a page
// lie over their boxes.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "pages/page_classes.h"
#include "tests/pages/page_fixture.h"

namespace dek::testing {

// The identifier boxes of both persons of a joint return, by NIP or PESEL
// each: the value printed, and the cover over the word that does not apply,
// carrying that word with the trailing blanks of its design (`pesel_cover`
// for poz. 1, `pesel_cover1` for poz. 2).
inline void expect_identifier_boxes(const char* page_class, const HostData& base, const char* pesel_cover,
                                    const char* pesel_cover1) {
    struct Case {
        bool pesel, pesel_m;
        const char *nip, *nip1;
    };
    const Case cases[] = {
        {false, false, "6 8 3 - 2 1 3 - 4 5 - 7 6", "9 5 4 - 2 7 5 - 1 3 - 6 8"},
        {true, false, "7 8 0 9 1 4 1 2 3 5 2", "9 5 4 - 2 7 5 - 1 3 - 6 8"},
        {false, true, "6 8 3 - 2 1 3 - 4 5 - 7 6", "8 1 0 3 2 7 0 8 7 4 8"},
        {true, true, "7 8 0 9 1 4 1 2 3 5 2", "8 1 0 3 2 7 0 8 7 4 8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "pesel " << c.pesel << " pesel_m " << c.pesel_m);
        HostData d = base;
        d.rekdek.ident_pesel = c.pesel;
        d.rekdek.ident_pesel_m = c.pesel_m;
        FilledPage p(page_class, d);
        EXPECT_EQ(p.printed("QRL_nip"), c.nip);
        EXPECT_EQ(p.printed("QRL_kas_nip"), c.pesel ? "NIP" : "<disabled>");
        EXPECT_EQ(p.printed("QRL_kas_pes"), c.pesel ? "<disabled>" : pesel_cover);
        EXPECT_EQ(p.printed("QRL_nip1"), c.nip1);
        EXPECT_EQ(p.printed("QRL_kas_nip1"), c.pesel_m ? "NIP" : "<disabled>");
        EXPECT_EQ(p.printed("QRL_kas_pes1"), c.pesel_m ? "<disabled>" : pesel_cover1);
    }
}

// Three stored lines of a kind text and what their label prints.
struct KindCase {
    const char *a, *b, *c, *printed;
};

// Stores each case's lines with `store`, fills the page and reads `label`.
inline void expect_kind_lines(const char* page_class, const HostData& base, const char* label,
                              const std::function<void(HostData&, const KindCase&)>& store,
                              std::initializer_list<KindCase> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printed);
        HostData d = base;
        store(d, c);
        FilledPage p(page_class, d);
        EXPECT_EQ(p.printed(label), c.printed);
    }
}

// How a label lies over its box: alignment, width following the caption,
// white ground, printed from the start, font class, and wrapping lines that
// grow downwards.
struct Look {
    report::Align align = report::Align::Center;
    bool auto_size = false;
    bool opaque = false;
    bool enabled = true;
    report::FontClass font = report::FontClass::Value;
    bool wraps = false;
};

// The element of that name in the unit's layout, or nullptr.
inline const report::Element* designed_element(const char* unit, const std::string& name) {
    for (const auto& e : pages::layout_of(unit).elements)
        if (e.name == name) return &e;
    return nullptr;
}

struct LabelLook {
    std::string name;
    Look look;
};

// The unit's elements are exactly these labels, each laid out as its look
// says.
inline void expect_label_looks(const char* unit, const std::vector<LabelLook>& labels) {
    const report::Layout& layout = pages::layout_of(unit);
    std::set<std::string> designed;
    for (const auto& e : layout.elements) designed.insert(e.name);
    std::set<std::string> wanted;
    for (const auto& l : labels) {
        SCOPED_TRACE(l.name);
        EXPECT_TRUE(wanted.insert(l.name).second) << "listed twice";
        const report::Element* e = designed_element(unit, l.name);
        if (e == nullptr) {
            ADD_FAILURE() << "missing from " << unit;
            continue;
        }
        EXPECT_EQ(e->kind, report::ElementKind::Label);
        EXPECT_EQ(e->alignment, l.look.align);
        EXPECT_EQ(e->auto_size, l.look.auto_size);
        EXPECT_EQ(e->opaque, l.look.opaque);
        EXPECT_EQ(e->enabled, l.look.enabled);
        EXPECT_EQ(e->font, l.look.font);
        EXPECT_EQ(e->word_wrap, l.look.wraps);
        EXPECT_EQ(e->auto_stretch, l.look.wraps);
    }
    EXPECT_EQ(designed, wanted);
}

// A rectangle the page must keep; -1 leaves that measure to the form's box.
struct Placed {
    std::string name;
    int left, top, width = -1, height = -1;
};

inline void expect_placed(const char* unit, const std::vector<Placed>& rects) {
    for (const auto& want : rects) {
        SCOPED_TRACE(want.name);
        const report::Element* e = designed_element(unit, want.name);
        if (e == nullptr) {
            ADD_FAILURE() << "missing from " << unit;
            continue;
        }
        EXPECT_EQ(e->rect.left, want.left);
        EXPECT_EQ(e->rect.top, want.top);
        if (want.width >= 0) {
            EXPECT_EQ(e->rect.width, want.width);
        }
        if (want.height >= 0) {
            EXPECT_EQ(e->rect.height, want.height);
        }
    }
}

}  // namespace dek::testing
