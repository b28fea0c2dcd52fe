#include <gtest/gtest.h>

#include <string>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;

// The closing sections as a taxpayer fills them: texts with blanks at their
// ends, the amount with a fraction of a grosz.
HostData closing_data() {
    HostData d;
    d.rekdek.krs = "  0000112238 ";
    d.rekdek.kwopp = 313.714;
    d.rekdek.cel = {" Pomoc dla schroniska ", "w Opolu "};
    d.rekdek.kontakt = {"biuro@odra-projekt.example.pl,", " tel. 77 441 20 31"};
    d.rekdek.inf_cel = true;
    d.rekdek.peln = "  Bartłomiej Żółtowski ";
    return d;
}

TEST(W36l18_4, TransferAndSupplementaryInformation) {
    HostData d = closing_data();
    FilledPage p("TF_w36l18_4", d);
    EXPECT_EQ(p.printed("QRL_krs"), "0000112238");
    EXPECT_EQ(p.printed("QRL_kwopp"), "313,71");
    EXPECT_EQ(p.printed("QRL_cel"), "Pomoc dla schroniska  w Opolu");  // parts joined by one blank, ends trimmed
    EXPECT_EQ(p.printed("QRL_inf_cel"), "x");
    EXPECT_EQ(p.printed("QRL_kontakt"), "biuro@odra-projekt.example.pl,  tel. 77 441 20 31");
}

TEST(W36l18_4, EmptyPurposeAndNoConsentPrintNothing) {
    HostData d = closing_data();
    d.rekdek.cel[1] = "";
    d.rekdek.cel[2] = "";
    d.rekdek.inf_cel = false;
    FilledPage p("TF_w36l18_4", d);
    EXPECT_EQ(p.printed("QRL_cel"), "");
    EXPECT_EQ(p.printed("QRL_inf_cel"), "");
}

// Poz. 146 to 152: PIT/B, PIT/Z, PIT/ZG, PIT/BR, PIT/DS, transfer-pricing
// reports, PIT/MIT; each count from its own index, "0" printed too.
TEST(W36l18_4, CountsGoToTheBoxesOfTheirAttachments) {
    HostData d = closing_data();
    auto& z = d.rekdek.ilzal;
    for (int i = 1; i <= 12; ++i) z[i] = static_cast<byte>(20 + i);  // every index tells itself apart
    d.rekdek.ilzal_mit = 255;
    FilledPage p("TF_w36l18_4", d);
    EXPECT_EQ(p.printed("QRL_zal1"), "21");
    EXPECT_EQ(p.printed("QRL_zal2"), "29");
    EXPECT_EQ(p.printed("QRL_zal3"), "26");
    EXPECT_EQ(p.printed("QRL_zal4"), "27");
    EXPECT_EQ(p.printed("QRL_zal5"), "28");
    EXPECT_EQ(p.printed("QRL_zal6"), "31");
    EXPECT_EQ(p.printed("QRL_zal7"), "255");
}

TEST(W36l18_4, ZeroCountsPrintZero) {
    HostData d = closing_data();
    FilledPage p("TF_w36l18_4", d);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(p.printed("QRL_zal" + std::to_string(i)), "0") << i;
}

TEST(W36l18_4, LargeFamilyCardAndAttorney) {
    struct Case {
        int kdr;
        bool jest_peln;
        const char *kdr_mark, *peln;
    };
    const Case cases[] = {
        {1, true, "X", "Bartłomiej Żółtowski"},
        {2, false, "", ""},  // a name without the flag stays off the paper
        {0, true, "", "Bartłomiej Żółtowski"},
        {255, false, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kdr);
        HostData d = closing_data();
        d.rekdek.kdr = static_cast<byte>(c.kdr);
        d.rekdek.jest_peln = c.jest_peln;
        FilledPage p("TF_w36l18_4", d);
        EXPECT_EQ(p.printed("QRL_kdr"), c.kdr_mark);
        EXPECT_EQ(p.printed("QRL_peln"), c.peln);
    }
}

// Counts centred and sized to their text; the KRS left and sized; the amount
// right-aligned in its fixed width; the purpose centred on one line; the
// contact line and the attorney wrap inside their boxes.
TEST(W36l18_4, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using testing::Look;
    const Look mark{.auto_size = true, .font = report::FontClass::Mark};
    const Look count{Align::Center, true};
    testing::expect_label_looks("W36l18_4", {
                                                {"QRL_krs", {Align::Left, true}},
                                                {"QRL_kwopp", {.align = Align::Right, .width = 88}},
                                                {"QRL_cel", {.width = 471}},
                                                {"QRL_inf_cel", mark},
                                                {"QRL_kontakt", {.wraps = true, .width = 661}},
                                                {"QRL_zal1", count},
                                                {"QRL_zal2", count},
                                                {"QRL_zal3", count},
                                                {"QRL_zal4", count},
                                                {"QRL_zal5", count},
                                                {"QRL_zal6", count},
                                                {"QRL_zal7", count},
                                                {"QRL_kdr", mark},
                                                {"QRL_peln", {.align = Align::Left, .wraps = true, .width = 302}},
                                            });
    testing::expect_placed("W36l18_4", {
                                           {"QRL_krs", 138, 90},
                                           {"QRL_kwopp", 649, 92},
                                           {"QRL_cel", 138, 191},
                                           {"QRL_inf_cel", 700, 186},
                                           {"QRL_kontakt", 98, 216},
                                           {"QRL_zal1", 91, 306},
                                           {"QRL_zal2", 170, 306},
                                           {"QRL_zal3", 253, 306},
                                           {"QRL_zal4", 338, 306},
                                           {"QRL_zal5", 422, 306},
                                           {"QRL_zal6", 564, 306},
                                           {"QRL_zal7", 708, 306},
                                           {"QRL_kdr", 386, 382},
                                           {"QRL_peln", 434, 455},
                                       });
}

}  // namespace
}  // namespace dek
