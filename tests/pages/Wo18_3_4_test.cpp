// PIT/O pages 3/4 and 4/4: the children of section E, E.1 to E.3 on page 3
// and E.4 and E.5 on page 4, filled by one routine.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "report/children.h"
#include "tests/pages/attachment_cases.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using Printed = std::map<std::string, std::string>;

// The page that carries child k.
const char* page_of(int k) { return k <= 3 ? "TF_wo18_3" : "TF_wo18_4"; }

// Every label that prints something, with what it prints.
Printed printed_labels(FilledPage& p) {
    Printed out;
    for (const auto& e : p.page().DB_dane.elements)
        if (e.enabled && !e.caption.empty()) out[e.name] = e.caption;
    return out;
}

struct ChildText {
    const char *pes, *im, *nazw, *dur, *mc, *mc_m, *ud, *ud_m;
};

// What the block of child k prints; empty boxes are left out.
Printed block(int k, const ChildText& t) {
    const std::string n = std::to_string(k);
    const std::pair<std::string, const char*> boxes[] = {
        {"QRL_pes_d" + n, t.pes},   {"QRL_im_d" + n, t.im},       {"QRL_nazw_d" + n, t.nazw},
        {"QRL_dur_d" + n, t.dur},   {"QRL_mc" + n + "1", t.mc},   {"QRL_mc" + n + "2", t.mc_m},
        {"QRL_ud" + n + "1", t.ud}, {"QRL_ud" + n + "2", t.ud_m},
    };
    Printed out;
    for (const auto& [name, text] : boxes)
        if (*text != '\0') out[name] = text;
    return out;
}

dane_dziecka full_child() {
    dane_dziecka c;
    c.pes = "09262104547";
    c.im = "Zuzanna";
    c.nazw = "Wąsowicz-Przybyszewska";
    c.dur = dt1{2009, 6, 21};
    c.mc = 11;
    c.mc_m = 7;
    c.ud = 1112.04F;
    c.ud_m = 556.02F;
    return c;
}

const ChildText kFullChild = {
    "0 9 2 6 2 1 0 4 5 4 7", "Zuzanna", "Wąsowicz-Przybyszewska", "21-06-2009", "11", "7", "1.112,04", "556,02"};

// A child entered in any of the five places prints in its own block of its
// own page and nowhere else.
TEST(Wo18_3_4, EachChildPrintsInItsBlockOnItsPage) {
    for (int k = 1; k <= 5; ++k) {
        SCOPED_TRACE(k);
        HostData d = testing::joint_couple();
        d.rekdek.dzieci[k] = full_child();
        for (const char* page : {"TF_wo18_3", "TF_wo18_4"}) {
            SCOPED_TRACE(page);
            FilledPage p(page, d);
            EXPECT_EQ(printed_labels(p), std::string(page) == page_of(k) ? block(k, kFullChild) : Printed{});
        }
    }
}

// Present by a PESEL alone, or else by a first name, a surname and a date of
// birth with its month set; otherwise the whole block stays empty, whatever
// months and reliefs are stored.
TEST(Wo18_3_4, ChildPresentByPeselOrByNamesAndDate) {
    struct Case {
        const char* what;
        dane_dziecka child;
        ChildText printed;  // all empty: the child is absent
    };
    auto without_pesel = [] {
        dane_dziecka c = full_child();
        c.pes = "";
        return c;
    };
    dane_dziecka pesel_only;
    pesel_only.pes = "09262104547";
    dane_dziecka no_im = without_pesel(), no_nazw = without_pesel(), no_dur = without_pesel(),
                 no_month = without_pesel();
    no_im.im = "";
    no_nazw.nazw = "";
    no_dur.dur = dt1{};
    no_month.dur = dt1{2009, 0, 21};
    const ChildText absent = {"", "", "", "", "", "", "", ""};
    const Case cases[] = {
        {"PESEL only", pesel_only, {"0 9 2 6 2 1 0 4 5 4 7", "", "", "", "0", "0", "0,00", "0,00"}},
        {"full child", full_child(), kFullChild},
        {"names and date, no PESEL",
         without_pesel(),
         {"", "Zuzanna", "Wąsowicz-Przybyszewska", "21-06-2009", "11", "7", "1.112,04", "556,02"}},
        {"no PESEL, no first name", no_im, absent},
        {"no PESEL, no surname", no_nazw, absent},
        {"no PESEL, no date of birth", no_dur, absent},
        {"no PESEL, date without its month", no_month, absent},
    };
    for (const auto& c : cases) {
        for (int k : {1, 5}) {
            SCOPED_TRACE(::testing::Message() << c.what << ", child " << k);
            HostData d = testing::joint_couple();
            d.rekdek.dzieci[k] = c.child;
            FilledPage p(page_of(k), d);
            EXPECT_EQ(printed_labels(p), block(k, c.printed));
        }
    }
}

// The spouse's months print only under joint taxation; both reliefs print
// under any taxation method.
TEST(Wo18_3_4, SpouseMonthsOnlyUnderJointTaxationReliefsAlways) {
    struct Case {
        int sp_opod;
        CodeSet wsp_z_malz;
        bool joint;
    };
    const Case cases[] = {
        {0, CodeSet::of({1}), false}, {1, CodeSet::of({1}), true},    {2, CodeSet::of({1}), false},
        {3, CodeSet::of({1}), false}, {2, CodeSet::of({1, 2}), true}, {1, CodeSet::of({}), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "sp_opod " << c.sp_opod << " joint " << c.joint);
        HostData d = testing::joint_couple();
        d.rekdek.sp_opod = static_cast<byte>(c.sp_opod);
        d.wsp_z_malz = c.wsp_z_malz;
        for (int k : {2, 4}) {
            d.rekdek.dzieci[k] = full_child();
            FilledPage p(page_of(k), d);
            ChildText expected = kFullChild;
            if (!c.joint) expected.mc_m = "";
            EXPECT_EQ(printed_labels(p), block(k, expected)) << "child " << k;
        }
    }
}

// Without children the pages print only the form: every label designed with a
// sample caption comes out empty.
TEST(Wo18_3_4, DesignCaptionsNeverReachThePaper) {
    for (const char* page : {"TF_wo18_3", "TF_wo18_4"}) {
        SCOPED_TRACE(page);
        HostData d = testing::joint_couple();
        FilledPage p(page, d);
        ASSERT_FALSE(p.page().layout().elements.empty());
        for (const auto& e : p.page().layout().elements) EXPECT_FALSE(e.caption.empty()) << e.name;
        EXPECT_EQ(printed_labels(p), Printed{});
    }
}

// The eight labels of each child block: the PESEL from the left on the form's
// ground, the first name centred and the surname from the left on white, the
// date from the left (on white only in E.5, the last block of page 4), the
// months and reliefs keeping their right edges on the boxes' right edges.
TEST(Wo18_3_4, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    const testing::Look number{Align::Right, true, true};
    for (const auto& [unit, first, last] : {std::tuple{"Wo18_3", 1, 3}, std::tuple{"Wo18_4", 4, 5}}) {
        SCOPED_TRACE(unit);
        std::vector<testing::LabelLook> labels;
        for (int k = first; k <= last; ++k) {
            const std::string n = std::to_string(k);
            labels.push_back({"QRL_pes_d" + n, {Align::Left, true, false}});
            labels.push_back({"QRL_im_d" + n, {Align::Center, false, true}});
            labels.push_back({"QRL_nazw_d" + n, {Align::Left, false, true}});
            labels.push_back({"QRL_dur_d" + n, {Align::Left, false, k == 5}});
            for (const char* stem : {"QRL_mc", "QRL_ud"})
                for (const char* column : {"1", "2"}) labels.push_back({stem + n + column, number});
            // The fixed text boxes of every block are as wide as the first one's.
            for (const auto& [stem, width] :
                 {std::pair{"QRL_im_d", 225}, std::pair{"QRL_nazw_d", 281}, std::pair{"QRL_dur_d", 127}}) {
                const report::Element* e = testing::designed_element(unit, stem + n);
                ASSERT_NE(e, nullptr) << stem << n;
                EXPECT_EQ(e->rect.width, width) << stem << n;
            }
        }
        testing::expect_label_looks(unit, labels);
    }
}

TEST(Wo18_3_4, TellingRectangles) {
    testing::expect_placed("Wo18_3", {
                                         {"QRL_pes_d1", 165, 412},
                                         {"QRL_im_d1", 490, 416},
                                         {"QRL_nazw_d1", 118, 448},
                                         {"QRL_dur_d1", 510, 446},
                                         {"QRL_mc11", 487, 500},
                                         {"QRL_mc12", 659, 500},
                                         {"QRL_ud11", 500, 532},
                                         {"QRL_ud12", 673, 532},
                                     });
    testing::expect_placed("Wo18_4", {
                                         {"QRL_pes_d4", 166, 64},
                                         {"QRL_mc41", 487, 152},
                                         {"QRL_mc42", 659, 152},
                                         {"QRL_ud41", 500, 182},
                                         {"QRL_ud42", 673, 182},
                                     });
}

TEST(ClearLabels, EmptiesEveryLabelAndKeepsMemoLines) {
    report::Band b;
    report::Element label;
    label.name = "QRL_a";
    label.caption = "12 ";
    report::Element memo;
    memo.name = "QRL_m";
    memo.kind = report::ElementKind::Memo;
    memo.lines = {"line 1", "line 2"};
    b.elements = {label, memo, label};
    b.elements[2].name = "QRL_b";
    report::clear_labels(b);
    EXPECT_EQ(b.elements[0].caption, "");
    EXPECT_EQ(b.elements[1].lines, (std::vector<std::string>{"line 1", "line 2"}));
    EXPECT_EQ(b.elements[2].caption, "");
}

}  // namespace
}  // namespace dek
