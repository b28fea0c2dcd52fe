// PIT/O page 2/4: the deductions from tax of section C, limited to each
// person's share of the tax before they print, and the donees of section D.
#include <gtest/gtest.h>

#include <string>

#include "pages/page_classes.h"
#include "tests/pages/attachment_cases.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::Look;

// A joint return whose tax leaves room for every deduction: the taxpayer's
// share is 2.988,36 + 15.521,53 / 2, the spouse's 1.112,04 + the other half.
HostData pito_return() {
    HostData d = testing::joint_couple();
    auto& r = d.rekdek;
    r.pod_o = 2988.36;
    r.pod_o_m = 1112.04;
    r.pod_po_odl = 15521.53;
    r.pito.odl[11] = 310.00;
    r.pito.odl[12] = 1876.32;
    r.pito.ildz = 2;
    r.pito.ulg_dz = 1112.04;
    r.pito.ulg_27g = 45.10;
    r.pito.odl[13] = 12.34;
    r.pito.odl_pod = 3355.80;
    r.pito_m.odl[11] = 1.01;
    r.pito_m.odl[12] = 2.02;
    r.pito_m.ulg_dz = 1112.04;
    r.pito_m.ulg_27g = 3.03;
    r.pito_m.odl[13] = 4.04;
    r.pito_m.odl_pod = 1122.14;
    r.in_odlp = {"Ulga", "abolicyjna", "za 2018"};
    r.darow[1].nazpel = "Fundacja Pomocy Dzieciom „Tęczowy Dom”";
    r.darow[1].kr = "Polska";
    r.darow[1].dar = 1500.00;
    r.darow[1].dar_m = 300.00;
    r.darow[2].nazpel = "Parafia Rzymskokatolicka św. Antoniego";
    r.darow[2].kr = "Polska";
    r.darow[2].dar = 400.00;
    r.darow[3].nazpel = "Caritas Archidiecezji Katowickiej";
    r.darow[3].kr = "Rzeczpospolita Polska";
    r.darow[3].dar_m = 650.00;
    return d;
}

TEST(Wo18_2, JointReturnPrintsSectionCAndTheDonees) {
    HostData d = pito_return();
    const rekdek_t before = d.rekdek;
    FilledPage p("TF_wo18_2", d);
    const std::pair<const char*, const char*> expected[] = {
        // poz. 34 to 47
        {"QRL_odl11", "310,00"},
        {"QRL_odl21", "1,01"},
        {"QRL_odl12", "1.876,32"},
        {"QRL_odl22", "2,02"},
        {"QRL_ildz", "2"},
        {"QRL_odl13", "1.112,04"},
        {"QRL_odl23", "1.112,04"},
        {"QRL_odl14", "45,10"},
        {"QRL_odl24", "3,03"},
        {"QRL_in_odlp", "Ulga abolicyjna za 2018"},
        {"QRL_odl15", "12,34"},
        {"QRL_odl25", "4,04"},
        {"QRL_odl16", "3.355,80"},
        {"QRL_odl26", "1.122,14"},
        // D.1 to D.3
        {"QRL_nazpel", "Fundacja Pomocy Dzieciom „Tęczowy Dom”"},
        {"QRL_kr", "Polska"},
        {"QRL_dar11", "1.500,00"},
        {"QRL_dar12", "300,00"},
        {"QRL_nazpel1", "Parafia Rzymskokatolicka św. Antoniego"},
        {"QRL_kr1", "Polska"},
        {"QRL_dar21", "400,00"},
        {"QRL_dar22", "0,00"},
        {"QRL_nazpel2", "Caritas Archidiecezji Katowickiej"},
        {"QRL_kr2", "Rzeczpospolita Polska"},
        {"QRL_dar31", "0,00"},
        {"QRL_dar32", "650,00"},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(p.printed(name), text) << name;
    // Within their shares the deductions stay as the return holds them.
    EXPECT_EQ(d.rekdek, before);
}

// Outside joint taxation the spouse's boxes of C and D stay blank, and only
// the taxpayer's deductions are limited: the spouse's stay as stored, even
// beyond any share.
TEST(Wo18_2, IndividualTaxationBlanksTheSpouseAndLimitsTheTaxpayerOnly) {
    for (int sp_opod : {0, 2, 3, 200}) {
        SCOPED_TRACE(sp_opod);
        HostData d = pito_return();
        d.rekdek.sp_opod = static_cast<byte>(sp_opod);
        d.rekdek.pito_m.ulg_dz = 99999.99;
        d.rekdek.pito_m.odl_pod = 99999.99;
        const dane_pito spouse = d.rekdek.pito_m;
        FilledPage p("TF_wo18_2", d);
        for (const char* n : {"QRL_odl21", "QRL_odl22", "QRL_odl23", "QRL_odl24", "QRL_odl25", "QRL_odl26", "QRL_dar12",
                              "QRL_dar22", "QRL_dar32"})
            EXPECT_EQ(p.printed(n), "") << n;
        EXPECT_EQ(d.rekdek.pito_m, spouse);
        EXPECT_EQ(p.printed("QRL_odl16"), "3.355,80");
        EXPECT_EQ(p.printed("QRL_dar11"), "1.500,00");
        EXPECT_EQ(p.printed("QRL_dar31"), "0,00");
    }
}

// The child-relief row follows the taxpayer's number of children alone, in
// plain digits; with no children it prints nothing, whatever relief is stored.
TEST(Wo18_2, ChildReliefRowFollowsTheTaxpayersNumberOfChildren) {
    struct Case {
        int sp_opod, ildz, ildz_m;
        const char *children, *relief, *relief_m;
    };
    const Case cases[] = {
        {1, 0, 0, "", "", ""},          {1, 0, 3, "", "", ""},  // the spouse's own number is not read
        {0, 0, 0, "", "", ""},          {1, 3, 0, "3", "1.112,04", "556,02"},
        {0, 3, 3, "3", "1.112,04", ""}, {1, 12, 0, "12", "1.112,04", "556,02"},  // not spaced as "1 2"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "sp_opod " << c.sp_opod << " ildz " << c.ildz);
        HostData d = pito_return();
        d.rekdek.sp_opod = static_cast<byte>(c.sp_opod);
        d.rekdek.pito.ildz = static_cast<byte>(c.ildz);
        d.rekdek.pito_m.ildz = static_cast<byte>(c.ildz_m);
        d.rekdek.pito_m.ulg_dz = 556.02;
        FilledPage p("TF_wo18_2", d);
        EXPECT_EQ(p.printed("QRL_ildz"), c.children);
        EXPECT_EQ(p.printed("QRL_odl13"), c.relief);
        EXPECT_EQ(p.printed("QRL_odl23"), c.relief_m);
    }
}

// On an empty joint return every amount of C and every donee amount prints
// "0,00", the texts print empty: no sample caption reaches the paper.
TEST(Wo18_2, EmptyReturnPrintsZerosAndReplacesEverySampleCaption) {
    HostData d;
    d.rekdek.sp_opod = 1;
    d.rekdek.pito.ildz = 1;
    FilledPage p("TF_wo18_2", d);
    for (const char* n : {"QRL_odl11", "QRL_odl21", "QRL_odl12", "QRL_odl22", "QRL_odl13", "QRL_odl23", "QRL_odl14",
                          "QRL_odl24", "QRL_odl15", "QRL_odl25", "QRL_odl16", "QRL_odl26", "QRL_dar11", "QRL_dar12",
                          "QRL_dar21", "QRL_dar22", "QRL_dar31", "QRL_dar32"})
        EXPECT_EQ(p.printed(n), "0,00") << n;
    for (const char* n : {"QRL_in_odlp", "QRL_nazpel", "QRL_kr", "QRL_nazpel1", "QRL_kr1", "QRL_nazpel2", "QRL_kr2"})
        EXPECT_EQ(p.printed(n), "") << n;
    for (const auto& e : pages::layout_of("Wo18_2").elements) EXPECT_NE(p.caption(e.name), e.caption) << e.name;
}

TEST(Wo18_2, KindOfOtherReliefsJoinsItsThreeLines) {
    testing::expect_kind_lines("TF_wo18_2", pito_return(), "QRL_in_odlp",
                               [](HostData& d, const testing::KindCase& c) {
                                   d.rekdek.in_odlp = {c.a, c.b, c.c};
                               },
                               {
                                   {"", "Ulga abolicyjna", "", "Ulga abolicyjna"},     // no leading blanks
                                   {"Ulga", "", "abolicyjna", "Ulga  abolicyjna"},     // two blanks stay inside
                                   {"  Ulga ", "abolicyjna", "", "Ulga  abolicyjna"},  // stored blanks stay inside
                                   {"", "", "", ""},
                               });
}

// Deductions beyond the share are cut before they print, the total with them,
// and a second print of the page gives the same sheet and the same record.
TEST(Wo18_2, DeductionsBeyondTheTaxAreCutAndAReprintIsTheSame) {
    HostData d = pito_return();
    auto& r = d.rekdek;
    r.pod_po_odl = 0;
    r.pod_o = 1000.00;   // the taxpayer's share
    r.pod_o_m = 600.00;  // the spouse's
    std::vector<std::string> first;
    rekdek_t after_first;
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        FilledPage p("TF_wo18_2", d);
        EXPECT_EQ(p.printed("QRL_odl11"), "310,00");
        EXPECT_EQ(p.printed("QRL_odl12"), "690,00");
        EXPECT_EQ(p.printed("QRL_odl14"), "0,00");
        EXPECT_EQ(p.printed("QRL_odl15"), "0,00");
        EXPECT_EQ(p.printed("QRL_odl13"), "0,00");
        EXPECT_EQ(p.printed("QRL_odl16"), "1.000,00");
        EXPECT_EQ(p.printed("QRL_odl23"), "589,90");  // 600,00 less 1,01 2,02 3,03 4,04
        EXPECT_EQ(p.printed("QRL_odl26"), "600,00");
        std::vector<std::string> sheet;
        for (const auto& e : p.page().DB_dane.elements) sheet.push_back(e.caption);
        if (run == 0) {
            first = sheet;
            after_first = d.rekdek;
        } else {
            EXPECT_EQ(sheet, first);
            EXPECT_EQ(d.rekdek, after_first);
        }
    }
}

// Section C row by row and the amounts of each donee: the taxpayer's box, the
// spouse's and the top of both (D.2 and D.3 lie 155 and 307 pixels below
// D.1).
struct AmountRow {
    const char *taxpayer, *spouse;
    int top;
};
const AmountRow kRowsC[] = {
    {"QRL_odl11", "QRL_odl21", 217}, {"QRL_odl12", "QRL_odl22", 249}, {"QRL_odl13", "QRL_odl23", 278},
    {"QRL_odl14", "QRL_odl24", 314}, {"QRL_odl15", "QRL_odl25", 370}, {"QRL_odl16", "QRL_odl26", 430},
};
const AmountRow kDonations[] = {
    {"QRL_dar11", "QRL_dar12", 634},
    {"QRL_dar21", "QRL_dar22", 789},
    {"QRL_dar31", "QRL_dar32", 941},
};

// Every label blanks its box; the amounts keep their right edges on the right
// edges of the boxes, the number of children is centred, the kind text wraps
// in regular weight, the donees' names are bold and their countries regular.
TEST(Wo18_2, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    const Look amount{Align::Right, true, true};
    const Look name{Align::Left, false, true};
    const Look country{Align::Left, false, true, true, FontClass::Plain};
    std::vector<testing::LabelLook> labels = {
        {"QRL_ildz", {Align::Center, true, true}},
        {"QRL_in_odlp", {Align::Left, false, true, true, FontClass::Plain, true}},
        {"QRL_nazpel", name},
        {"QRL_kr", country},
        {"QRL_nazpel1", name},
        {"QRL_kr1", country},
        {"QRL_nazpel2", name},
        {"QRL_kr2", country},
    };
    for (const auto& row : kRowsC) {
        labels.push_back({row.taxpayer, amount});
        labels.push_back({row.spouse, amount});
    }
    for (const auto& row : kDonations) {
        labels.push_back({row.taxpayer, amount});
        labels.push_back({row.spouse, amount});
    }
    testing::expect_label_looks("Wo18_2", labels);
}

TEST(Wo18_2, TellingRectangles) {
    std::vector<testing::Placed> rects = {
        {"QRL_ildz", 414, 278},       {"QRL_in_odlp", 183, 350, 281, 46}, {"QRL_nazpel", 114, 546, 599, 17},
        {"QRL_kr", 81, 578, 199, 17}, {"QRL_nazpel1", 114, 699, 599, 17}, {"QRL_nazpel2", 114, 853, 599, 17},
    };
    for (const auto& row : kRowsC) {
        rects.push_back({row.taxpayer, 530, row.top, 58});
        rects.push_back({row.spouse, 672, row.top, 58});
    }
    for (const auto& row : kDonations) {
        rects.push_back({row.taxpayer, 518, row.top});
        rects.push_back({row.spouse, 651, row.top});
    }
    testing::expect_placed("Wo18_2", rects);
}

}  // namespace
}  // namespace dek
