// PIT/ZG: one person's income earned abroad, for the person `nrp` names.
#include <gtest/gtest.h>

#include <string>

#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::Look;

// Both persons with a PIT/ZG block of their own; the taxpayer's total row is
// stored as the return keeps it, not as the sum of the rows above it.
HostData pitzg_return() {
    HostData d = testing::joint_couple();
    auto& r = d.rekdek;
    r.rok = 2018;
    auto& p = r.pitzg[1];
    p.kraj = "Wielka Brytania i Irlandia Północna";
    p.zg[1] = {24600.00, 0, 3120.00};
    p.zg[2] = {0, 14600.55, 2774.10};
    p.zg[4] = {8400.00, 0, 1176.00};
    p.zg[7] = {30000.00, 14600.55, 7070.10};  // rows 1 to 6 add up to 33.000,00 / 14.600,55 / 7.070,10
    p.doch_pod = {2150.00, 322.50, 0, 0, 98765.43, 18765.43};
    auto& m = r.pitzg[2];
    m.kraj = "Republika Federalna Niemiec";
    m.zg[3] = {1.01, 2.02, 3.03};
    m.zg[7] = {1.01, 2.02, 3.03};
    m.doch_pod = {600.00, 90.00, 0, 0, 0, 0};
    return d;
}

TEST(Wzg18_1, TaxpayersPagePrintsHisBlockAndTheStoredTotalRow) {
    HostData d = pitzg_return();
    FilledPage p("TF_wzg18_1", d, 1);
    const std::pair<const char*, const char*> expected[] = {
        {"QRL_rok", "2 0 1 8"},
        {"QRL_nazw", "Wąsowicz"},
        {"QRL_im", "Grzegorz"},
        {"QRL_dur", "14-09-1978"},
        {"QRL_kraj", "Wielka Brytania i Irlandia Północna"},
        {"QRL_prz11", "24.600,00"},
        {"QRL_prz12", "0,00"},
        {"QRL_prz13", "3.120,00"},
        {"QRL_prz21", "0,00"},
        {"QRL_prz22", "14.600,55"},
        {"QRL_prz23", "2.774,10"},
        {"QRL_prz31", "0,00"},
        {"QRL_prz41", "8.400,00"},
        {"QRL_prz43", "1.176,00"},
        {"QRL_prz63", "0,00"},
        {"QRL_prz71", "30.000,00"},  // stored, not 33.000,00
        {"QRL_prz72", "14.600,55"},
        {"QRL_prz73", "7.070,10"},
        {"QRL_w1", "2.150,00"},
        {"QRL_w2", "322,50"},
        {"QRL_w3", "0,00"},
        {"QRL_w4", "0,00"},
        {"QRL_w5", "98.765,43"},
        {"QRL_w6", "18.765,43"},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(p.printed(name), text) << name;
}

// The spouse's page reads the spouse's block and identification alone, under
// any taxation method: which persons get a PIT/ZG is the job's choice.
TEST(Wzg18_1, SpousesPageReadsTheSpouseAlone) {
    for (int sp_opod : {1, 0}) {
        SCOPED_TRACE(sp_opod);
        HostData d = pitzg_return();
        d.rekdek.sp_opod = static_cast<byte>(sp_opod);
        FilledPage p("TF_wzg18_1", d, 2);
        EXPECT_EQ(p.printed("QRL_nazw"), "Wąsowicz-Przybyszewska");
        EXPECT_EQ(p.printed("QRL_im"), "Małgorzata");
        EXPECT_EQ(p.printed("QRL_dur"), "27-03-1981");
        EXPECT_EQ(p.printed("QRL_kraj"), "Republika Federalna Niemiec");
        EXPECT_EQ(p.printed("QRL_prz11"), "0,00");
        EXPECT_EQ(p.printed("QRL_prz32"), "2,02");
        EXPECT_EQ(p.printed("QRL_prz73"), "3,03");
        EXPECT_EQ(p.printed("QRL_w1"), "600,00");
        EXPECT_EQ(p.printed("QRL_w5"), "0,00");
    }
}

// Poz. 1 holds the NIP or the PESEL of the page's person by that person's
// flag, and the cover strikes out the word that does not apply: "NIP", or
// "numer PESEL  " with the two blanks of its design.
TEST(Wzg18_1, IdentifierByThePersonsOwnFlag) {
    struct Case {
        int nrp;
        bool pesel, pesel_m;
        const char *value, *cover_nip, *cover_pesel;
    };
    const Case cases[] = {
        {1, false, true, "6 8 3 - 2 1 3 - 4 5 - 7 6", "<disabled>", "numer PESEL  "},
        {1, true, false, "7 8 0 9 1 4 1 2 3 5 2", "NIP", "<disabled>"},
        {2, false, true, "8 1 0 3 2 7 0 8 7 4 8", "NIP", "<disabled>"},
        {2, true, false, "9 5 4 - 2 7 5 - 1 3 - 6 8", "<disabled>", "numer PESEL  "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "nrp " << c.nrp << " pesel " << c.pesel << " pesel_m " << c.pesel_m);
        HostData d = pitzg_return();
        d.rekdek.ident_pesel = c.pesel;
        d.rekdek.ident_pesel_m = c.pesel_m;
        FilledPage p("TF_wzg18_1", d, c.nrp);
        EXPECT_EQ(p.printed("QRL_nip"), c.value);
        EXPECT_EQ(p.printed("QRL_kas_nip"), c.cover_nip);
        EXPECT_EQ(p.printed("QRL_kas_pes"), c.cover_pesel);
    }
}

// No design caption reaches the paper: an empty block prints empty texts and
// zero amounts.
TEST(Wzg18_1, EmptyBlockReplacesEverySampleCaption) {
    HostData d;
    FilledPage p("TF_wzg18_1", d, 1);
    for (const char* n : {"QRL_nip", "QRL_nazw", "QRL_im", "QRL_dur", "QRL_kraj"}) EXPECT_EQ(p.printed(n), "") << n;
    EXPECT_EQ(p.printed("QRL_rok"), "0");
    for (int r = 1; r <= 7; ++r)
        for (int c = 1; c <= 3; ++c) {
            const std::string n = "QRL_prz" + std::to_string(r) + std::to_string(c);
            EXPECT_EQ(p.printed(n), "0,00") << n;
        }
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(p.printed("QRL_w" + std::to_string(i)), "0,00") << i;
}

// Every label of the page and how it lies over its box; poz. 7 and 11 have
// none. Amounts end on the right and blank their boxes.
TEST(Wzg18_1, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    const Look amount{Align::Right, true, true};
    std::map<std::string, Look> other = {
        {"QRL_nip", {Align::Left}},
        {"QRL_kas_nip", {Align::Left, true, true, false, FontClass::SmallStrike}},
        {"QRL_kas_pes", {Align::Left, true, true, false, FontClass::SmallStrike}},
        {"QRL_rok", {}},
        {"QRL_nazw", {Align::Center, false, true}},
        {"QRL_im", {Align::Center, false, true}},
        {"QRL_dur", {}},
        {"QRL_kraj", {Align::Center, false, true, true, FontClass::Value, false, 437}},
    };
    testing::expect_label_looks("Wzg18_1", amount, other);
    EXPECT_EQ(pages::layout_of("Wzg18_1").elements.size(), 35U);
    EXPECT_EQ(testing::designed_element("Wzg18_1", "QRL_kas_pes")->caption, "numer PESEL  ");
}

// The rectangles the form's boxes ask for: C.1 columns c, d, e at 446, 558
// and 676, rows 4, 6 and 7 a little further right.
TEST(Wzg18_1, TellingRectangles) {
    testing::expect_placed("Wzg18_1", {
                                          {"QRL_nip", 110, 39, 187, 17},
                                          {"QRL_kas_nip", 138, 28},
                                          {"QRL_kas_pes", 164, 28},
                                          {"QRL_rok", 456, 152},
                                          {"QRL_kraj", 152, 355, 437, 17},
                                          {"QRL_prz11", 446, 526},
                                          {"QRL_prz22", 558, 562},
                                          {"QRL_prz33", 676, 596},
                                          {"QRL_prz41", 448, 628},
                                          {"QRL_prz53", 676, 663},
                                          {"QRL_prz62", 561, 693},
                                          {"QRL_prz73", 680, 723},
                                          {"QRL_w1", 678, 789},
                                          {"QRL_w2", 678, 821},
                                          {"QRL_w3", 678, 887},
                                          {"QRL_w4", 678, 919},
                                          {"QRL_w5", 678, 987},
                                          {"QRL_w6", 678, 1019},
                                      });
}

}  // namespace
}  // namespace dek
