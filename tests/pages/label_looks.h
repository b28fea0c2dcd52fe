// Checks of how a page's labels lie over their boxes, shared by the page
// tests: the look of each label (alignment, sizing, ground, initial state,
// font, wrapping, fixed width) and the rectangles a page must keep.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "pages/page_classes.h"
#include "report/page.h"

namespace dek::testing {

// How a label lies over its box: alignment, width following the caption,
// white ground, printed from the start, font class, wrapping lines that grow
// downwards, and the width of a fixed label where its box gives one (0: the
// width is left to the box). A label whose wrapped lines must stay within its
// own height says so with `grows` false.
struct Look {
    report::Align align = report::Align::Center;
    bool auto_size = false;
    bool opaque = false;
    bool enabled = true;
    report::FontClass font = report::FontClass::Value;
    bool wraps = false;
    int width = 0;
    std::optional<bool> grows = std::nullopt;  // unset: grows exactly when it wraps
};

// The label is laid out as the look says.
inline void expect_look(const report::Element& e, const Look& want) {
    EXPECT_EQ(e.kind, report::ElementKind::Label);
    EXPECT_EQ(e.alignment, want.align);
    EXPECT_EQ(e.auto_size, want.auto_size);
    EXPECT_EQ(e.opaque, want.opaque);
    EXPECT_EQ(e.enabled, want.enabled);
    EXPECT_EQ(e.font, want.font);
    EXPECT_EQ(e.word_wrap, want.wraps);
    EXPECT_EQ(e.auto_stretch, want.grows.value_or(want.wraps));
    if (!want.auto_size && want.width > 0) {
        EXPECT_EQ(e.rect.width, want.width);
    }
}

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
        expect_look(*e, l.look);
    }
    EXPECT_EQ(designed, wanted);
}

// Every label of the unit looks as `usual`, except those named in `other`,
// which look as listed there; each of them must be on the page. Memos are
// not labels and are left to their own checks.
inline void expect_label_looks(const char* unit, const Look& usual, const std::map<std::string, Look>& other) {
    std::set<std::string> labels;
    for (const auto& e : pages::layout_of(unit).elements) {
        if (e.kind != report::ElementKind::Label) continue;
        SCOPED_TRACE(e.name);
        labels.insert(e.name);
        const auto it = other.find(e.name);
        expect_look(e, it == other.end() ? usual : it->second);
    }
    for (const auto& entry : other)
        EXPECT_TRUE(labels.contains(entry.first)) << entry.first << " missing from " << unit;
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
