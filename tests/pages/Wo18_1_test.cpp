// PIT/O page 1/4: identifiers, section A and the deductions from income of
// section B in the taxpayer's and the spouse's columns.
#include <gtest/gtest.h>

#include <string>

#include "pages/page_classes.h"
#include "tests/pages/attachment_cases.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::Look;

// Each amount of section B distinct, so that a box filled from the wrong
// field shows.
HostData pito_return() {
    HostData d = testing::joint_couple();
    auto& r = d.rekdek;
    r.rok = 2018;
    r.odl2013 = {1500.00, 400.00, 5331.60};
    r.odl2013_m = {300.00, 20.50, 2000.00};
    for (int i = 0; i <= 10; ++i) {
        r.pito.odl[i] = 100.0 * (i + 1) + 0.11;     // 100,11 200,11 ...
        r.pito_m.odl[i] = 1000.0 * (i + 1) + 0.22;  // 1.000,22 2.000,22 ...
    }
    r.in_odld = {"Ulga", "na", "termomodernizację"};
    return d;
}

TEST(Wo18_1, JointReturnPrintsBothColumnsFromTheirFields) {
    HostData d = pito_return();
    FilledPage p("TF_wo18_1", d);
    // Section B: the taxpayer's box (odd poz.) before the spouse's (even poz.).
    const std::pair<const char*, const char*> expected[] = {
        {"QRL_rok", "2 0 1 8"},
        {"QRL_ilzalo", "1"},
        {"QRL_nazw", "Wąsowicz"},
        {"QRL_im", "Grzegorz"},
        {"QRL_dur", "14-09-1978"},
        {"QRL_nazw1", "Wąsowicz-Przybyszewska"},
        {"QRL_im1", "Małgorzata"},
        {"QRL_dur1", "27-03-1981"},
        // poz. 11 to 14: odl2013[1], odl2013[2]
        {"QRL_odl2013_11", "1.500,00"},
        {"QRL_odl2013_21", "300,00"},
        {"QRL_odl2013_12", "400,00"},
        {"QRL_odl2013_22", "20,50"},
        // poz. 15 to 26: odl[0], then odl[2] to odl[6]
        {"QRL_odl11", "100,11"},
        {"QRL_odl21", "1.000,22"},
        {"QRL_odl12", "300,11"},
        {"QRL_odl22", "3.000,22"},
        {"QRL_odl13", "400,11"},
        {"QRL_odl23", "4.000,22"},
        {"QRL_odl14", "500,11"},
        {"QRL_odl24", "5.000,22"},
        {"QRL_odl15", "600,11"},
        {"QRL_odl25", "6.000,22"},
        {"QRL_odl16", "700,11"},
        {"QRL_odl26", "7.000,22"},
        // poz. 27, 28: odl2013[3]
        {"QRL_odl2013_13", "5.331,60"},
        {"QRL_odl2013_23", "2.000,00"},
        // poz. 29: in_odld; poz. 30, 31: odl[7]; poz. 32, 33: odl[10]
        {"QRL_in_odlp", "Ulga na termomodernizację"},
        {"QRL_odl17", "800,11"},
        {"QRL_odl27", "8.000,22"},
        {"QRL_odl18", "1.100,11"},
        {"QRL_odl28", "11.000,22"},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(p.printed(name), text) << name;
    // Elements 1 (social insurance), 8 and 9 of the blocks print nowhere here.
    for (const auto& e : p.page().DB_dane.elements)
        for (const char* absent : {"200,11", "900,11", "1.000,11", "2.000,22", "9.000,22", "10.000,22"})
            EXPECT_NE(e.caption, absent) << e.name;
}

// The covers of the two identifier boxes carry the words they strike out;
// both "numer PESEL" covers end in three blanks.
TEST(Wo18_1, IdentifierBoxesByNipOrPesel) {
    testing::expect_identifier_boxes("TF_wo18_1", pito_return(), "numer PESEL   ", "numer PESEL   ");
}

// Outside joint taxation poz. 2, 8 to 10 and the whole spouse column stay
// blank, whatever the record still holds for the spouse.
TEST(Wo18_1, IndividualTaxationBlanksTheSpouse) {
    for (int sp_opod : {0, 2, 3, 200}) {
        SCOPED_TRACE(sp_opod);
        HostData d = pito_return();
        d.rekdek.sp_opod = static_cast<byte>(sp_opod);
        FilledPage p("TF_wo18_1", d);
        EXPECT_EQ(p.printed("QRL_nip1"), "<disabled>");
        EXPECT_EQ(p.caption("QRL_nip1"), "");
        EXPECT_FALSE(p.enabled("QRL_kas_nip1"));
        EXPECT_FALSE(p.enabled("QRL_kas_pes1"));
        for (const char* n :
             {"QRL_nazw1", "QRL_im1", "QRL_dur1", "QRL_odl2013_21", "QRL_odl2013_22", "QRL_odl21", "QRL_odl22",
              "QRL_odl23", "QRL_odl24", "QRL_odl25", "QRL_odl26", "QRL_odl2013_23", "QRL_odl27", "QRL_odl28"})
            EXPECT_EQ(p.printed(n), "") << n;
        // The taxpayer's side stays.
        EXPECT_EQ(p.printed("QRL_nip"), "6 8 3 - 2 1 3 - 4 5 - 7 6");
        EXPECT_EQ(p.printed("QRL_odl11"), "100,11");
        EXPECT_EQ(p.printed("QRL_odl18"), "1.100,11");
        EXPECT_EQ(p.printed("QRL_in_odlp"), "Ulga na termomodernizację");
    }
}

// Zero amounts print "0,00" in every box, through rstrsp (poz. 15, 16, 32, 33)
// and through ust_wart alike, an amount that rounds to zero without a sign.
TEST(Wo18_1, ZeroAmountsPrintInEveryBox) {
    for (double zero : {0.0, -0.004, 0.004}) {
        SCOPED_TRACE(zero);
        HostData d = testing::joint_couple();
        auto& r = d.rekdek;
        r.odl2013 = {zero, zero, zero};
        r.odl2013_m = {zero, zero, zero};
        for (int i = 0; i <= 14; ++i) r.pito.odl[i] = r.pito_m.odl[i] = zero;
        FilledPage p("TF_wo18_1", d);
        for (const char* n : {"QRL_odl11", "QRL_odl21", "QRL_odl18", "QRL_odl28"}) EXPECT_EQ(p.printed(n), "0,00") << n;
        for (const char* n :
             {"QRL_odl2013_11", "QRL_odl2013_21", "QRL_odl2013_12", "QRL_odl2013_22", "QRL_odl12", "QRL_odl22",
              "QRL_odl16", "QRL_odl26", "QRL_odl2013_13", "QRL_odl2013_23", "QRL_odl17", "QRL_odl27"})
            EXPECT_EQ(p.printed(n), "0,00") << n;
    }
}

TEST(Wo18_1, KindOfOtherDeductionsJoinsItsThreeLines) {
    testing::expect_kind_lines(
        "TF_wo18_1", pito_return(), "QRL_in_odlp",
        [](HostData& d, const testing::KindCase& c) {
            d.rekdek.in_odld = {c.a, c.b, c.c};
        },
        {
            {"Ulga", "na", "termomodernizację", "Ulga na termomodernizację"},
            {"Ulga", "", "termomodernizacyjna", "Ulga  termomodernizacyjna"},  // two blanks stay inside
            {"", "", "termomodernizacyjna", "termomodernizacyjna"},            // no leading blanks
            {"", "", "", ""},
            {"123456789012345678901234567890", "123456789012345678901234567890", "123456789012345678901234567890",
             "123456789012345678901234567890 123456789012345678901234567890 123456789012345678901234567890"},
        });
}

// The sample captions never reach the paper, except the "1" of poz. 4, which
// the page leaves as designed; the covers keep their words.
TEST(Wo18_1, OnlyTheAttachmentNumberKeepsItsDesignCaption) {
    for (int sp_opod : {0, 1}) {
        SCOPED_TRACE(sp_opod);
        HostData d;
        d.rekdek.sp_opod = static_cast<byte>(sp_opod);
        FilledPage p("TF_wo18_1", d);
        const report::Layout& designed = pages::layout_of("Wo18_1");
        for (const auto& e : designed.elements) {
            SCOPED_TRACE(e.name);
            const std::string now = p.caption(e.name);
            if (e.name == "QRL_ilzalo" || e.name.starts_with("QRL_kas_")) {
                EXPECT_EQ(now, e.caption);
            } else {
                EXPECT_NE(now, e.caption);
            }
        }
        EXPECT_EQ(p.printed("QRL_ilzalo"), "1");
    }
}

// Section B, row by row: the taxpayer's box, the spouse's, the top of both
// and the left edge of the spouse's.
struct RowB {
    const char *taxpayer, *spouse;
    int top, spouse_left;
};
const RowB kRowsB[] = {
    {"QRL_odl2013_11", "QRL_odl2013_21", 491, 664}, {"QRL_odl2013_12", "QRL_odl2013_22", 525, 664},
    {"QRL_odl11", "QRL_odl21", 555, 664},           {"QRL_odl12", "QRL_odl22", 593, 664},
    {"QRL_odl13", "QRL_odl23", 622, 664},           {"QRL_odl14", "QRL_odl24", 655, 664},
    {"QRL_odl15", "QRL_odl25", 686, 664},           {"QRL_odl16", "QRL_odl26", 718, 664},
    {"QRL_odl2013_13", "QRL_odl2013_23", 752, 664}, {"QRL_odl17", "QRL_odl27", 808, 658},
    {"QRL_odl18", "QRL_odl28", 871, 658},
};

// The covers start off and print on white in the small strike-out font; the
// taxpayer's names blank their boxes centred, the spouse's from the left; the
// amounts keep their right edges on the right edges of the boxes; the kind
// text of poz. 29 wraps in regular weight.
TEST(Wo18_1, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    const Look left{Align::Left};
    const Look cover{Align::Left, true, true, false, FontClass::SmallStrike};
    const Look opaque{Align::Center, false, true};
    const Look opaque_left{Align::Left, false, true};
    const Look sized{Align::Center, true};
    const Look amount{Align::Right, true, true};
    std::vector<testing::LabelLook> labels = {
        {"QRL_nip", left},
        {"QRL_kas_nip", cover},
        {"QRL_kas_pes", cover},
        {"QRL_nip1", left},
        {"QRL_kas_nip1", cover},
        {"QRL_kas_pes1", {Align::Center, true, true, false, FontClass::SmallStrike}},
        {"QRL_rok", left},
        {"QRL_ilzalo", sized},
        {"QRL_nazw", opaque},
        {"QRL_im", opaque},
        {"QRL_dur", sized},
        {"QRL_nazw1", opaque_left},
        {"QRL_im1", opaque_left},
        {"QRL_dur1", sized},
        {"QRL_in_odlp", {Align::Left, false, true, true, FontClass::Plain, true}},
    };
    for (const auto& row : kRowsB) {
        labels.push_back({row.taxpayer, amount});
        labels.push_back({row.spouse, amount});
    }
    testing::expect_label_looks("Wo18_1", labels);
}

// The taxpayer's amounts end at 590, the spouse's at 722 (poz. 31 and 33 at
// 716), on the rows of their boxes.
TEST(Wo18_1, TellingRectangles) {
    std::vector<testing::Placed> rects = {
        {"QRL_nip", 102, 40, 200, 17},    {"QRL_nip1", 467, 40, 200, 17}, {"QRL_kas_nip", 138, 28, -1, 14},
        {"QRL_kas_pes", 162, 28, -1, 14}, {"QRL_kas_nip1", 514, 28},      {"QRL_kas_pes1", 527, 28},
        {"QRL_rok", 351, 148, 59, 17},    {"QRL_ilzalo", 725, 145},       {"QRL_in_odlp", 181, 792, 283, 41},
    };
    for (const auto& row : kRowsB) {
        rects.push_back({row.taxpayer, 532, row.top, 58});
        rects.push_back({row.spouse, row.spouse_left, row.top, 58});
    }
    testing::expect_placed("Wo18_1", rects);
}

}  // namespace
}  // namespace dek
