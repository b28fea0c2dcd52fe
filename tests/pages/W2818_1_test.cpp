#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"
#include "tests/pages/pit28_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::pit28_return;

// Section C rows filled through the limit test, with their record arrays.
struct TableRow {
    const char* stem;
    Arr<real, 1, 7> rek28_t::*values;
};
const TableRow kLimitedRows[] = {{"QRL_przdg", &rek28_t::przdg},
                                 {"QRL_przsp", &rek28_t::przsp},
                                 {"QRL_gbl", &rek28_t::gbl},
                                 {"QRL_osz", &rek28_t::osz}};

TEST(W2818_1, FormVariantStrikesOutTheNameThatDoesNotApply) {
    for (bool spadek : {false, true}) {
        SCOPED_TRACE(spadek ? "PIT-28S" : "PIT-28");
        HostData d = pit28_return();
        d.rek28.spadek = spadek;
        FilledPage p("TF_w2818_1", d);
        EXPECT_EQ(p.printed("QRL_28s"), spadek ? "<disabled>" : "PIT-28S");
        EXPECT_EQ(p.printed("QRL_28"), spadek ? "PIT-28" : "<disabled>");
    }
}

TEST(W2818_1, SectionsAAndBPrintAsStored) {
    HostData d = pit28_return();
    FilledPage p("TF_w2818_1", d);
    EXPECT_EQ(p.printed("QRL_rok"), "2 0 1 8");
    EXPECT_EQ(p.printed("QRL_urz"), "Urząd Skarbowy w Cieszynie");
    EXPECT_EQ(p.printed("QRL_zl_dek"), "x");
    EXPECT_EQ(p.printed("QRL_kor_dek"), "");
    const std::map<std::string, std::string> b = {
        {"QRL_nazw", "Wąsowicz "},  // not trimmed
        {"QRL_im", "Grzegorz"},    {"QRL_dur", "14-09-1978"}, {"QRL_kr", "Polska"},   {"QRL_woj", "śląskie"},
        {"QRL_pow", "cieszyński"}, {"QRL_gmina", "Cieszyn"},  {"QRL_ul", "Stawowa"},  {"QRL_nrd", "12"},
        {"QRL_nrlok", "3A"},       {"QRL_miejsc", "Cieszyn"}, {"QRL_kodp", "43-400"}, {"QRL_poczta", "Cieszyn 1"},
    };
    for (const auto& [name, text] : b) EXPECT_EQ(p.printed(name), text) << name;

    d.rek28.korekta = true;
    FilledPage k("TF_w2818_1", d);
    EXPECT_EQ(k.printed("QRL_zl_dek"), "");
    EXPECT_EQ(k.printed("QRL_kor_dek"), "x");
}

// The six rates of the record in their columns (the 2.0 % and 12.5 % columns
// have no labels), the total in column 7; rent and lease only at 8.5 % and in
// the total; the shares in percent.
TEST(W2818_1, RevenueByRateInItsRowAndColumn) {
    HostData d = pit28_return();
    FilledPage p("TF_w2818_1", d);
    for (int k = 1; k <= 7; ++k) {
        const std::string c = std::to_string(k);
        EXPECT_EQ(p.printed("QRL_przdg" + c), "1.00" + c + ",01");
        EXPECT_EQ(p.printed("QRL_przsp" + c), "2.00" + c + ",02");
        EXPECT_EQ(p.printed("QRL_gbl" + c), "5.00" + c + ",05");
        EXPECT_EQ(p.printed("QRL_osz" + c), "6.00" + c + ",06");
    }
    EXPECT_EQ(p.printed("QRL_prznaj3"), "3.003,03");
    EXPECT_EQ(p.printed("QRL_prznaj7"), "3.007,03");
    for (const char* n : {"QRL_prznaj1", "QRL_prznaj2", "QRL_prznaj4", "QRL_prznaj5", "QRL_prznaj6", "QRL_pr7"})
        EXPECT_EQ(p.page().DB_dane.find(n), nullptr) << n;
    EXPECT_EQ(p.printed("QRL_pr1"), "10,46");
    EXPECT_EQ(p.printed("QRL_pr6"), "60,46");
    EXPECT_EQ(p.printed("QRL_prosz3"), "3,00");
}

TEST(W2818_1, ShareStoredAsAFractionPrintsInPercent) {
    struct Case {
        double stored;
        const char* printed;
    };
    const Case cases[] = {{0.5146, "51,46"}, {real48_round(0.5146), "51,46"}, {1.0, "100,00"}, {0.0, "0,00"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        HostData d = pit28_return();
        d.rek28.pr[5] = c.stored;
        d.rek28.prosz[2] = c.stored;
        FilledPage p("TF_w2818_1", d);
        EXPECT_EQ(p.printed("QRL_pr5"), c.printed);
        EXPECT_EQ(p.printed("QRL_prosz2"), c.printed);
    }
}

// Rows 1, 2, 5 and 6 print amounts above 99 999,99 in the smaller font;
// rent and lease and the shares never change font.
TEST(W2818_1, AmountsAbove99999_99PrintSmaller) {
    struct Case {
        double value;
        const char* printed;
        bool smaller;
    };
    // A return file holds 6-byte reals: its 99 999,99 is a hair above the
    // binary 99999.99 and still not beyond the limit.
    const Case cases[] = {{99999.99, "99.999,99", false},
                          {real48_round(99999.99), "99.999,99", false},
                          {100000.00, "100.000,00", true},
                          {1234567.89, "1.234.567,89", true}};
    for (const auto& c : cases) {
        for (int k = 1; k <= 7; ++k) {
            SCOPED_TRACE(std::string(c.printed) + " rate " + std::to_string(k));
            HostData d = pit28_return();
            for (const auto& row : kLimitedRows) (d.rek28.*row.values)[k] = c.value;
            d.rek28.prznaj[k] = c.value;
            if (k <= 6) d.rek28.pr[k] = c.value;
            FilledPage p("TF_w2818_1", d);
            for (const auto& row : kLimitedRows) {
                const std::string name = row.stem + std::to_string(k);
                EXPECT_EQ(p.printed(name), c.printed) << name;
                EXPECT_EQ(p.element(name).font_px != 0, c.smaller) << name;
            }
            for (const char* n : {"QRL_prznaj3", "QRL_prznaj7", "QRL_pr1", "QRL_pr6"})
                EXPECT_EQ(p.element(n).font_px, 0) << n;
        }
    }
}

TEST(W2818_1, ReferenceNumberWholeOnOneLine) {
    HostData d = pit28_return();
    d.nr_dek_refer = "3b9e0f41c2d84a7e95b16c0d7a2f8e63";
    {
        FilledPage p("TF_w2818_1", d);
        EXPECT_FALSE(p.enabled("QRL_nrref"));
        EXPECT_TRUE(p.element("QRL_nrref").lines.empty());
    }
    d.dr_dek_ref = true;
    FilledPage p("TF_w2818_1", d);
    EXPECT_TRUE(p.enabled("QRL_nrref"));
    EXPECT_EQ(p.element("QRL_nrref").lines, std::vector<std::string>{"3b9e0f41c2d84a7e95b16c0d7a2f8e63"});
}

// An empty record: every amount prints 0,00, every text nothing; no design
// caption reaches the paper.
TEST(W2818_1, EmptyRecordPrintsNoSampleCaption) {
    HostData d;
    FilledPage p("TF_w2818_1", d);
    const std::map<std::string, std::string> set = {{"QRL_rok", "0"}, {"QRL_zl_dek", "x"}};
    for (const auto& e : pages::layout_of("W2818_1").elements) {
        if (e.kind != report::ElementKind::Label || !e.enabled) continue;  // covers and the memo stay off
        const auto it = set.find(e.name);
        const std::string want = it != set.end() ? it->second : e.amount_decimals == 2 ? "0,00" : "";
        EXPECT_EQ(p.caption(e.name), want) << e.name;
    }
}

// Values bold and centred in fixed boxes unless the box asks for more: the
// identifier and the year left-aligned, the office and the country regular,
// the commune 8 pt, the street and the house and flat numbers sized to their
// text, the squares "x" in the value font, and section C in Arial,
// right-aligned and sized to the amount.
TEST(W2818_1, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    using testing::Look;
    const Look cover{Align::Left, true, true, false, FontClass::SmallStrike};
    const Look name_cover{Align::Left, true, true, false, FontClass::LargeStrike};
    const Look sized{Align::Center, true};
    const Look amount{Align::Right, true, false, true, FontClass::Table};
    std::map<std::string, Look> other = {
        {"QRL_28", name_cover},
        {"QRL_28s", name_cover},
        {"QRL_nip", {.align = Align::Left, .width = 205}},
        {"QRL_kas_nip", cover},
        {"QRL_kas_pes", cover},
        {"QRL_rok", {.align = Align::Left}},
        {"QRL_urz", {.opaque = true, .font = FontClass::Plain}},
        {"QRL_zl_dek", sized},
        {"QRL_kor_dek", sized},
        {"QRL_kr", {.font = FontClass::Plain}},
        {"QRL_gmina", {.align = Align::Left, .font = FontClass::Mark}},
        {"QRL_ul", {Align::Left, true}},
        {"QRL_nrd", sized},
        {"QRL_nrlok", sized},
    };
    for (const char* stem : {"QRL_przdg", "QRL_przsp", "QRL_gbl", "QRL_osz", "QRL_pr", "QRL_prosz"})
        for (int k = 1; k <= 7; ++k) other[stem + std::to_string(k)] = amount;
    for (const char* stem : {"QRL_pr7", "QRL_prosz7"}) other.erase(stem);
    other["QRL_prznaj3"] = amount;
    other["QRL_prznaj7"] = amount;
    testing::expect_label_looks("W2818_1", Look{}, other);
    EXPECT_EQ(pages::layout_of("W2818_1").elements.size(), 65U);  // 64 labels and the memo

    // The covers repeat their words exactly, without trailing blanks.
    EXPECT_EQ(testing::designed_element("W2818_1", "QRL_kas_nip")->caption, "NIP");
    EXPECT_EQ(testing::designed_element("W2818_1", "QRL_kas_pes")->caption, "numer PESEL");
    EXPECT_EQ(testing::designed_element("W2818_1", "QRL_28")->caption, "PIT-28");
    EXPECT_EQ(testing::designed_element("W2818_1", "QRL_28s")->caption, "PIT-28S");

    // The reference number: one line sized to its text, off until asked for.
    const report::Element* memo = testing::designed_element("W2818_1", "QRL_nrref");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->kind, report::ElementKind::Memo);
    EXPECT_EQ(memo->font, FontClass::ValueDefaultPitch);
    EXPECT_FALSE(memo->enabled);
    EXPECT_FALSE(memo->auto_stretch);

    testing::expect_placed("W2818_1", {{"QRL_nrref", 400, 38},
                                       {"QRL_28", 19, 64},
                                       {"QRL_28s", 91, 64},
                                       {"QRL_nip", 148, 40, 205, 17},
                                       {"QRL_kas_nip", 138, 24},
                                       {"QRL_kas_pes", 161, 24},
                                       {"QRL_przdg1", 185, 598, 58},
                                       {"QRL_przdg2", 253, 598, 58},
                                       {"QRL_przdg3", 321, 598, 58},
                                       {"QRL_przdg4", 389, 598, 58},
                                       {"QRL_przdg5", 527, 598, 58},
                                       {"QRL_przdg6", 591, 598, 58},
                                       {"QRL_przdg7", 656, 598, 105},
                                       {"QRL_przsp1", 185, 645},
                                       {"QRL_prznaj3", 321, 704},
                                       {"QRL_gbl1", 185, 814},
                                       {"QRL_osz1", 185, 864},
                                       {"QRL_pr1", 185, 944, 50},
                                       {"QRL_prosz6", 591, 1020, 50}});
}

}  // namespace
}  // namespace dek
