// PIT-36 page 7/7: poz. 414, the 1 % transfer and the supplementary
// information, the attachment counts, the PIT/D information, the Large Family
// Card and the attorney.
#include <gtest/gtest.h>

#include <string>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;

HostData joint_return() {
    HostData d;
    auto& r = d.rekdek;
    r.sp_opod = 1;
    r.doch_45 = 1234.5;
    r.krs = " 0000270809 Hospicjum ZG ";
    r.kwopp = 89.1;
    r.cel[1] = "Hospicjum domowe";
    r.cel[2] = " dla dzieci ";
    r.kontakt[1] = "tel. +48 601 734 902 ";
    r.kontakt[2] = "";
    r.inf_cel = true;
    r.d_us[1] = "NIP 9271054484";
    r.d_us[2] = "Sobańskiewicz Krzysztof";
    r.d_us[3] = " US w Świebodzinie";
    r.peln = " Bożena Wróblewska-Kołodziej ";
    return d;
}

// Each count goes to the box of its attachment; the label numbers follow the
// attachment's index in the record, not the boxes.
TEST(W36187, CountsGoToTheBoxesOfTheirAttachments) {
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
        HostData d = joint_return();
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
    HostData d = joint_return();
    FilledPage p("TF_w36187", d);
    EXPECT_EQ(p.printed("QRL_doch_45"), "1.234,50");
    EXPECT_EQ(p.printed("QRL_krs"), "0000270809 Hospicjum ZG");
    EXPECT_EQ(p.printed("QRL_kwopp"), "89,10");
    EXPECT_EQ(p.printed("QRL_cel"), "Hospicjum domowe  dla dzieci");
    EXPECT_EQ(p.printed("QRL_inf_cel"), "x");
    EXPECT_EQ(p.printed("QRL_kontakt"), "tel. +48 601 734 902");
}

TEST(W36187, PitDCardAndAttorney) {
    struct Case {
        const char* what;
        int sp_opod, d_kto, d_kod, kdr, kdr_m;
        bool jest_peln;
        const char *d_p, *d_m, *d28, *d36, *d37, *d_us, *kdr_p_mark, *kdr_m_mark, *peln;
    };
    const char* const us = "NIP 9271054484 Sobańskiewicz Krzysztof  US w Świebodzinie";
    const Case cases[] = {
        {"spouse filed it with PIT-36", 1, 1, 1, 1, 1, true, "", "x", "", "x", "", us, "x", "x",
         "Bożena Wróblewska-Kołodziej"},
        {"taxpayer filed it with PIT-37", 1, 0, 2, 0, 1, false, "x", "", "", "", "x", "", "", "x", ""},
        {"nobody filed it", 1, 2, 1, 2, 0, false, "", "", "", "", "", "", "", "", ""},
        {"individual: no spouse's card", 0, 1, 0, 1, 1, true, "", "x", "x", "", "", us, "x", "",
         "Bożena Wróblewska-Kołodziej"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d = joint_return();
        auto& r = d.rekdek;
        r.sp_opod = static_cast<byte>(c.sp_opod);
        r.d_kto = static_cast<byte>(c.d_kto);
        r.d_kod = static_cast<byte>(c.d_kod);
        r.kdr = static_cast<byte>(c.kdr);
        r.kdr_m = static_cast<byte>(c.kdr_m);
        r.jest_peln = c.jest_peln;
        FilledPage p("TF_w36187", d);
        EXPECT_EQ(p.printed("QRL_d_p"), c.d_p);
        EXPECT_EQ(p.printed("QRL_d_m"), c.d_m);
        EXPECT_EQ(p.printed("QRL_d28"), c.d28);
        EXPECT_EQ(p.printed("QRL_d36"), c.d36);
        EXPECT_EQ(p.printed("QRL_d37"), c.d37);
        EXPECT_EQ(p.printed("QRL_d_us"), c.d_us);
        EXPECT_EQ(p.printed("QRL_kdr_p"), c.kdr_p_mark);
        EXPECT_EQ(p.printed("QRL_kdr_m"), c.kdr_m_mark);
        EXPECT_EQ(p.printed("QRL_peln"), c.peln);
    }
}

// The amounts right-aligned in 104 pixels and the KRS number left-aligned,
// all over the form; the long texts regular, centred in fixed widths on a
// white ground, the attorney bold; the counts bold, centred on a white ground;
// the marks in the mark font.
TEST(W36187, LabelsLookAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    using testing::Look;
    const Look count{Align::Center, true, true};
    const Look mark{.auto_size = true, .font = FontClass::Mark};
    const auto text = [](int width) {
        return Look{.align = Align::Center, .opaque = true, .font = FontClass::Plain, .width = width};
    };
    testing::expect_label_looks("W36187", {
                                              {"QRL_doch_45", {.align = Align::Right, .width = 104}},
                                              {"QRL_krs", {Align::Left, true}},
                                              {"QRL_kwopp", {.align = Align::Right, .width = 104}},
                                              {"QRL_cel", text(471)},
                                              {"QRL_inf_cel", mark},
                                              {"QRL_kontakt", text(669)},
                                              {"QRL_zal1", count},
                                              {"QRL_zal7", count},
                                              {"QRL_zal8", count},
                                              {"QRL_zaluz", count},
                                              {"QRL_zal10", count},
                                              {"QRL_zal2", count},
                                              {"QRL_zal3", count},
                                              {"QRL_zal4", count},
                                              {"QRL_zal5", count},
                                              {"QRL_zal6", count},
                                              {"QRL_tp", count},
                                              {"QRL_zal12", count},
                                              {"QRL_zal11", count},
                                              {"QRL_d_p", mark},
                                              {"QRL_d_m", mark},
                                              {"QRL_d28", mark},
                                              {"QRL_d36", mark},
                                              {"QRL_d37", mark},
                                              {"QRL_d_us", text(665)},
                                              {"QRL_kdr_p", mark},
                                              {"QRL_kdr_m", mark},
                                              {"QRL_peln", {.align = Align::Center, .opaque = true, .width = 248}},
                                          });
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
