// PIT-36 page 7/7: poz. 414, the 1 % transfer and the supplementary
// information, the attachment counts, the PIT/D information, the Large Family
// Card and the attorney.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"
#include "tests/pages/pit36_cases.h"

namespace dek {
namespace {

using testing::FilledPage;

HostData return_with_closing_sections() {
    HostData d;
    auto& r = d.rekdek;
    r.doch_45 = 1234.5;
    r.krs = " 0000270809 Hospicjum ZG ";
    r.kwopp = 89.1;
    r.cel = {"Hospicjum domowe", " dla dzieci "};
    r.kontakt = {"tel. +48 601 734 902 ", ""};
    r.inf_cel = true;
    r.peln = " Bożena Wróblewska-Kołodziej ";
    r.sp_opod = 1;
    r.d_us = {"NIP 9271054484", "Sobańskiewicz Krzysztof", " US w Świebodzinie"};
    return d;
}

// A count lands in the box of its kind of attachment: "QRL_zal" + the kind's
// index in the record, whatever the order of the boxes; PIT/Z and PIT/MIT have
// labels of their own.
TEST(W36187, EachCountInTheBoxOfItsKind) {
    struct Case {
        const char* what;
        int base;    // ilzal[i] = base + i
        int mit;     // ilzal_mit
        int zeroed;  // an index set to 0 (none: 0)
    };
    const Case cases[] = {
        {"every kind told apart", 20, 7, 0},
        {"the largest counts", 243, 255, 0},
        {"no PIT/Z", 20, 7, 9},
        {"no PIT/B", 20, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d = return_with_closing_sections();
        for (int i = 1; i <= 12; ++i) d.rekdek.ilzal[i] = static_cast<byte>(i == c.zeroed ? 0 : c.base + i);
        d.rekdek.ilzal_mit = static_cast<byte>(c.mit);
        FilledPage p("TF_w36187", d);
        const auto count = [&](int i) { return std::to_string(i == c.zeroed ? 0 : c.base + i); };
        for (int i = 1; i <= 12; ++i) {
            const std::string label = i == 9 ? "QRL_zaluz" : "QRL_zal" + std::to_string(i);
            EXPECT_EQ(p.printed(label), count(i)) << label;
        }
        EXPECT_EQ(p.printed("QRL_tp"), std::to_string(c.mit));
    }
}

TEST(W36187, NoAttachmentsPrintZeroInEveryCount) {
    HostData d;
    FilledPage p("TF_w36187", d);
    for (const char* label : {"QRL_zal1", "QRL_zal7", "QRL_zal8", "QRL_zaluz", "QRL_zal10", "QRL_zal2", "QRL_zal3",
                              "QRL_zal4", "QRL_zal5", "QRL_zal6", "QRL_tp", "QRL_zal12", "QRL_zal11"})
        EXPECT_EQ(p.printed(label), "0") << label;
    EXPECT_EQ(p.printed("QRL_doch_45"), "0,00");
    EXPECT_EQ(p.printed("QRL_kwopp"), "0,00");
    for (const char* label : {"QRL_krs", "QRL_cel", "QRL_inf_cel", "QRL_kontakt", "QRL_d_m", "QRL_d36", "QRL_d37",
                              "QRL_d_us", "QRL_kdr_p", "QRL_kdr_m", "QRL_peln"})
        EXPECT_EQ(p.printed(label), "") << label;
    // Codes 0 and 0 of an empty record read as a PIT/D the taxpayer filed with PIT-28.
    EXPECT_EQ(p.printed("QRL_d_p"), "x");
    EXPECT_EQ(p.printed("QRL_d28"), "x");
}

TEST(W36187, TransferAndSupplementaryInformation) {
    HostData d = return_with_closing_sections();
    FilledPage p("TF_w36187", d);
    EXPECT_EQ(p.printed("QRL_doch_45"), "1.234,50");
    EXPECT_EQ(p.printed("QRL_krs"), "0000270809 Hospicjum ZG");
    EXPECT_EQ(p.printed("QRL_kwopp"), "89,10");
    EXPECT_EQ(p.printed("QRL_cel"), "Hospicjum domowe  dla dzieci");
    EXPECT_EQ(p.printed("QRL_inf_cel"), "x");
    EXPECT_EQ(p.printed("QRL_kontakt"), "tel. +48 601 734 902");
}

// The PIT/D, card and attorney boxes follow the rules of PIT-37 page 4, whose
// tests take them case by case: whatever the codes, both pages print the same.
TEST(W36187, PitDCardAndAttorneyAsOnPit37) {
    HostData d = return_with_closing_sections();
    auto& r = d.rekdek;
    r.d_kto = 1;
    r.d_kod = 1;
    r.kdr = 1;
    r.kdr_m = 1;
    r.jest_peln = true;
    {
        FilledPage p("TF_w36187", d);
        EXPECT_EQ(p.printed("QRL_d_m"), "x");
        EXPECT_EQ(p.printed("QRL_d36"), "x");
        EXPECT_EQ(p.printed("QRL_d_us"), "NIP 9271054484 Sobańskiewicz Krzysztof  US w Świebodzinie");
        EXPECT_EQ(p.printed("QRL_kdr_m"), "x");
        EXPECT_EQ(p.printed("QRL_peln"), "Bożena Wróblewska-Kołodziej");
    }
    // The spouse's card only under joint taxation, whichever way it is not.
    for (auto& [what, not_joint] : testing::not_joint_returns(d)) {
        SCOPED_TRACE(what);
        FilledPage p("TF_w36187", not_joint);
        EXPECT_EQ(p.printed("QRL_kdr_p"), "x");
        EXPECT_EQ(p.printed("QRL_kdr_m"), "");
    }
    const char* const labels[] = {"QRL_d_p",  "QRL_d_m",  "QRL_d28",   "QRL_d36",  "QRL_d37",
                                  "QRL_d_us", "QRL_peln", "QRL_kdr_p", "QRL_kdr_m"};
    for (int sp_opod : {1, 0})
        for (int d_kto : {0, 1, 2})
            for (int d_kod : {0, 2, 3})
                for (int kdr : {0, 1, 2}) {
                    SCOPED_TRACE(::testing::Message() << "sp_opod " << sp_opod << " d_kto " << d_kto << " d_kod "
                                                      << d_kod << " kdr " << kdr);
                    r.sp_opod = static_cast<byte>(sp_opod);
                    r.d_kto = static_cast<byte>(d_kto);
                    r.d_kod = static_cast<byte>(d_kod);
                    r.kdr = r.kdr_m = static_cast<byte>(kdr);
                    r.jest_peln = kdr == 1;
                    FilledPage p36("TF_w36187", d);
                    FilledPage p37("TF_w37184", d);
                    for (const char* l : labels) EXPECT_EQ(p36.printed(l), p37.printed(l)) << l;
                }
}

// The counts bold, centred and sized to their text on a white ground; the
// amounts right-aligned in 104 pixels and the KRS number left-aligned, all
// over the form; the long texts regular, centred in fixed widths on a white
// ground, the attorney bold; the marks in the mark font.
TEST(W36187, LabelsLookAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    using testing::Look;
    const Look mark{.auto_size = true, .font = FontClass::Mark};
    const auto text = [](int width) {
        return Look{.align = Align::Center, .opaque = true, .font = FontClass::Plain, .width = width};
    };
    std::map<std::string, Look> other = {
        {"QRL_doch_45", {.align = Align::Right, .width = 104}},
        {"QRL_krs", {Align::Left, true}},
        {"QRL_kwopp", {.align = Align::Right, .width = 104}},
        {"QRL_cel", text(471)},
        {"QRL_kontakt", text(669)},
        {"QRL_d_us", text(665)},
        {"QRL_peln", {.align = Align::Center, .opaque = true, .width = 248}},
    };
    for (const char* m :
         {"QRL_inf_cel", "QRL_d_p", "QRL_d_m", "QRL_d28", "QRL_d36", "QRL_d37", "QRL_kdr_p", "QRL_kdr_m"})
        other[m] = mark;
    EXPECT_EQ(pages::layout_of("W36187").elements.size(), 28U);
    testing::expect_label_looks("W36187", Look{Align::Center, true, true}, other);
    EXPECT_EQ(pages::layout_of("W36187").image, (report::Rect{2, 0, 777, 1090}));
    testing::expect_placed("W36187", {{"QRL_doch_45", 630, 47, 104, 17},
                                      {"QRL_krs", 174, 139},
                                      {"QRL_kwopp", 650, 138},
                                      {"QRL_cel", 149, 233, 471, 17},
                                      {"QRL_inf_cel", 696, 232},
                                      {"QRL_kontakt", 58, 262, 669, 17},
                                      {"QRL_zal1", 108, 350},
                                      {"QRL_zal7", 262, 350},
                                      {"QRL_zal8", 398, 350},
                                      {"QRL_zaluz", 548, 350},
                                      {"QRL_zal10", 690, 350},
                                      {"QRL_zal2", 109, 409},
                                      {"QRL_zal3", 264, 409},
                                      {"QRL_zal4", 395, 409},
                                      {"QRL_zal5", 550, 409},
                                      {"QRL_zal6", 683, 409},
                                      {"QRL_tp", 114, 468},
                                      {"QRL_zal12", 328, 468},
                                      {"QRL_zal11", 627, 468},
                                      {"QRL_d_p", 133, 526},
                                      {"QRL_d_m", 250, 526},
                                      {"QRL_d28", 463, 526},
                                      {"QRL_d36", 560, 526},
                                      {"QRL_d37", 647, 526},
                                      {"QRL_d_us", 81, 559, 665, 17},
                                      {"QRL_kdr_p", 309, 632},
                                      {"QRL_kdr_m", 424, 632},
                                      {"QRL_peln", 507, 735, 248, 17}});
}

}  // namespace
}  // namespace dek
