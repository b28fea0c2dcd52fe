// What the PIT-28 pages share: their place in the page catalogue, and the
// heading of PIT-28 page 1, PIT-28/A and PIT-28/B page 1 (identifier, year,
// the taxpayer's names).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/page_classes.h"
#include "tests/pages/page_fixture.h"
#include "tests/pages/pit28_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::pit28_return;

TEST(Pit28Pages, NamesBandAndBackgroundAsCatalogued) {
    struct Case {
        const char *cls, *unit, *var, *report;
        report::Rect image;
        std::size_t elements;
        bool by_partnership;  // has the variant field `nrsp`
    };
    const Case cases[] = {
        {"TF_w2818_1", "W2818_1", "F_w2818_1", "QR_28_1", {1, 1, 777, 1090}, 65, false},
        {"TF_w2818_2", "W2818_2", "F_w2818_2", "QR_28_2", {1, 1, 776, 1098}, 23, false},
        {"TF_w2818_3", "W2818_3", "F_w2818_3", "QR_28_3", {3, 1, 777, 1096}, 26, false},
        {"TF_w2818_4", "W2818_4", "F_w2818_4", "QR_28_4", {2, 1, 777, 1096}, 32, false},
        {"TF_w28a18_1", "W28a18_1", "F_w28a18_1", "QR_28a_1", {1, 1, 777, 1092}, 22, false},
        {"TF_w28b18_1", "W28b18_1", "F_w28b18_1", "QR_28b_1", {1, 1, 777, 1090}, 35, true},
        {"TF_w28b18_2", "W28b18_2", "F_w28b18_2", "QR_28b_2", {1, 1, 777, 1090}, 41, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cls);
        const report::Layout& l = pages::layout_of(c.unit);
        EXPECT_EQ((std::vector<std::string>{l.class_name, l.unit, l.module_var, l.report_name}),
                  (std::vector<std::string>{c.cls, c.unit, c.var, c.report}));
        EXPECT_EQ((std::vector<report::Rect>{l.band, l.image}),
                  (std::vector<report::Rect>{{8, 11, 779, 1100}, c.image}));
        EXPECT_EQ((std::vector<double>{l.settings.margin_top_mm, l.settings.margin_bottom_mm, l.settings.margin_left_mm,
                                       l.settings.margin_right_mm}),
                  (std::vector<double>{3, 3, 2, 2}));
        EXPECT_EQ(l.elements.size(), c.elements);
        // PIT-28/B takes any partnership number: the render command may ask
        // for one the record does not hold.
        EXPECT_EQ(l.variant_fields, c.by_partnership ? std::vector<std::string>{"nrsp"} : std::vector<std::string>{});
        EXPECT_TRUE(l.variant_values.empty());
        // The drawn sheet covers the background rectangle.
        const report::FormDescription& form = pages::form_of(c.unit);
        EXPECT_EQ(form.sheet, c.image);
    }
}

// PIT-28 and PIT-28/A print the PESEL of a taxpayer known by it and strike out
// the word "NIP"; PIT-28/B has room for a NIP only and prints it always.
TEST(Pit28Pages, IdentifierByNipOrPesel) {
    struct Case {
        const char* cls;
        bool by_pesel;
        const char* printed;
        const char* struck;  // the cover enabled, or nullptr for a page without covers
    };
    const Case cases[] = {
        {"TF_w2818_1", false, "5 4 8 - 2 1 1 - 0 3 - 7 8", "QRL_kas_pes"},
        {"TF_w2818_1", true, "7 9 0 2 1 1 8 6 2 4 0", "QRL_kas_nip"},
        {"TF_w28a18_1", false, "5 4 8 - 2 1 1 - 0 3 - 7 8", "QRL_kas_pes"},
        {"TF_w28a18_1", true, "7 9 0 2 1 1 8 6 2 4 0", "QRL_kas_nip"},
        {"TF_w28b18_1", false, "5 4 8 - 2 1 1 - 0 3 - 7 8", nullptr},
        {"TF_w28b18_1", true, "5 4 8 - 2 1 1 - 0 3 - 7 8", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.cls) + (c.by_pesel ? " by PESEL" : " by NIP"));
        HostData d = pit28_return();
        d.rek28.ident_pesel = c.by_pesel;
        FilledPage p(c.cls, d, 0, 0, 0, 1);
        EXPECT_EQ(p.printed("QRL_nip"), c.printed);
        for (const char* cover : {"QRL_kas_nip", "QRL_kas_pes"}) {
            const report::Element* e = p.page().DB_dane.find(cover);
            if (c.struck == nullptr) {
                EXPECT_EQ(e, nullptr) << cover;
            } else {
                ASSERT_NE(e, nullptr) << cover;
                EXPECT_EQ(e->enabled, std::string(cover) == c.struck) << cover;
            }
        }
    }
}

// The record has no 2.0 % and 12.5 % rates and no processed plant and animal
// products: their boxes on the form stay blank, whatever the host computed,
// because no element lies in them.
TEST(Pit28Pages, BoxesTheRecordHasNoValueForStayBlank) {
    struct Case {
        const char* unit;
        std::vector<std::string> blank;
    };
    const Case cases[] = {
        {"W2818_1",
         {"poz35", "poz37", "poz38", "poz39", "poz44", "poz48", "poz53", "poz57", "poz62", "poz65", "poz70"}},
        {"W2818_2", {"poz82", "poz87", "poz91", "poz96"}},
        {"W2818_3", {"poz101", "poz106"}},
        {"W28a18_1", {"poz15", "poz16", "poz17", "poz22"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        const report::FormDescription& form = pages::form_of(c.unit);
        for (const std::string& box : c.blank) {
            report::Rect r;
            EXPECT_TRUE(form.area(box, r)) << box << " is no box of the form";
            for (const auto& e : pages::layout_of(c.unit).elements) EXPECT_NE(e.field, box) << e.name;
        }
    }
}

TEST(Pit28Pages, YearAndNamesFromTheRecord) {
    for (const char* cls : {"TF_w2818_1", "TF_w28a18_1", "TF_w28b18_1"}) {
        SCOPED_TRACE(cls);
        HostData d = pit28_return();
        d.rekdek.rok = 2017;  // the general return record is not read
        d.rekdek.podatnik.nazw = "Nowak";
        FilledPage p(cls, d, 0, 0, 0, 1);
        EXPECT_EQ(p.printed("QRL_rok"), "2 0 1 8");
        EXPECT_EQ(p.printed("QRL_nazw"), "Wąsowicz ");
        EXPECT_EQ(p.printed("QRL_im"), "Grzegorz");
        EXPECT_EQ(p.printed("QRL_dur"), "14-09-1978");
    }
}

}  // namespace
}  // namespace dek
