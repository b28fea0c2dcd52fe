#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;

const char* const kSectionH[] = {"QRL_uz_zus1", "QRL_uz_zus2", "QRL_uz_dz1", "QRL_uz_dz2", "QRL_uz_rozn"};

HostData joint_return() {
    HostData d;
    auto& r = d.rekdek;
    r.sp_opod = 1;
    r.podst_opod = 197476.5;
    r.pod = 38486.984;
    r.dolpod = 12.5;
    r.pito.odl[14] = 12445.07;
    r.pito_m.odl[14] = 6419.98;
    r.pod_o = 2988.36;
    r.pod_o_m = 1112.04;
    r.pod_po_odl = 15521.53;
    r.pod_d_b = 0;
    r.pod_zaokr = 15521.6;
    r.rozn = 1234.4;
    r.rozn1 = 0;
    r.doch_45 = 321.1;
    r.krs = "  0000386411 ";
    r.kwopp = 155.22;
    r.cel[1] = " Na leczenie ";
    r.cel[2] = "Zuzanny ";
    r.kontakt[1] = "tel. 605 381 274";
    r.inf_cel = true;
    auto& uz = d.rek_uz;
    uz.zus = 33870.79;
    uz.zus_m = 20617.06;
    uz.dz = 500.5;
    uz.dz_m = 250.25;
    uz.rozn = 750.75;
    uz.zwrot = 750.75;
    return d;
}

TEST(W37183, AmountsWithTheDecimalsOfTheirBoxes) {
    HostData d = joint_return();
    FilledPage p("TF_w37183", d);
    // Whole złoty: poz. 104, 113, 114, 115.
    EXPECT_EQ(p.printed("QRL_podst_opod"), "197.477");
    EXPECT_EQ(p.printed("QRL_pod_zaokr"), "15.522");
    EXPECT_EQ(p.printed("QRL_rozn"), "1.234");
    EXPECT_EQ(p.printed("QRL_rozn1"), "0");
    // Złoty and grosze: all the others, zero included.
    EXPECT_EQ(p.printed("QRL_pod"), "38.486,98");
    EXPECT_EQ(p.printed("QRL_dolpod"), "12,50");
    EXPECT_EQ(p.printed("QRL_zdr"), "12.445,07");
    EXPECT_EQ(p.printed("QRL_zdr1"), "6.419,98");
    EXPECT_EQ(p.printed("QRL_pod_o"), "2.988,36");
    EXPECT_EQ(p.printed("QRL_pod_o1"), "1.112,04");
    EXPECT_EQ(p.printed("QRL_pod_po_odl"), "15.521,53");
    EXPECT_EQ(p.printed("QRL_pod_d_b"), "0,00");
    EXPECT_EQ(p.printed("QRLdoch_45"), "321,10");
    EXPECT_EQ(p.printed("QRL_kwopp"), "155,22");
    EXPECT_EQ(p.printed("QRL_krs"), "0000386411");  // trimmed
    EXPECT_EQ(p.printed("QRL_inf_cel"), "x");
    EXPECT_EQ(p.printed("QRL_uz_zwrot"), "750,75");
}

TEST(W37183, SpouseColumnOnlyUnderJointTaxation) {
    HostData d = joint_return();
    d.rekdek.sp_opod = 0;
    d.rekdek.inf_cel = false;
    FilledPage p("TF_w37183", d);
    EXPECT_EQ(p.printed("QRL_zdr1"), "");
    EXPECT_EQ(p.printed("QRL_pod_o1"), "");
    EXPECT_EQ(p.printed("QRL_zdr"), "12.445,07");
    EXPECT_EQ(p.printed("QRL_pod_o"), "2.988,36");
    EXPECT_EQ(p.printed("QRL_inf_cel"), "");
}

TEST(W37183, SectionHAppliesOnlyWithADifferenceLeft) {
    struct Case {
        const char* what;
        bool joint;
        double dz, dz_m, rozn;
        // Expected captions of the five labels, or nullptr when they are all disabled.
        const char* const* printed;
    };
    static const char* const joint_all[] = {"33.870,79", "20.617,06", "500,50", "250,25", "750,75"};
    static const char* const only_spouse[] = {"33.870,79", "20.617,06", "0,00", "250,25", "0,00"};
    static const char* const individual[] = {"33.870,79", "", "500,50", "", "0,00"};
    static const char* const only_rozn[] = {"33.870,79", "", "0,00", "", "750,75"};
    const Case cases[] = {
        {"joint, all differences", true, 500.5, 250.25, 750.75, joint_all},
        {"joint, only the spouse's difference", true, 0, 250.25, 0, only_spouse},
        {"individual, the taxpayer's difference", false, 500.5, 250.25, 0, individual},
        {"individual, only the amount to refund", false, 0, 0, 750.75, only_rozn},
        {"individual, only the spouse's difference", false, 0, 250.25, 0, nullptr},
        {"joint, nothing left", true, 0, 0, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d = joint_return();
        d.rekdek.sp_opod = c.joint ? 1 : 0;
        d.rek_uz.dz = c.dz;
        d.rek_uz.dz_m = c.dz_m;
        d.rek_uz.rozn = c.rozn;
        d.rek_uz.zwrot = 0;
        FilledPage p("TF_w37183", d);
        for (int i = 0; i < 5; ++i) {
            if (c.printed != nullptr) {
                EXPECT_TRUE(p.enabled(kSectionH[i])) << kSectionH[i];
                EXPECT_EQ(p.caption(kSectionH[i]), c.printed[i]) << kSectionH[i];
            } else {
                // Disabled, not cleared: nothing of them prints, although the
                // contributions are not zero.
                EXPECT_FALSE(p.enabled(kSectionH[i])) << kSectionH[i];
            }
        }
        EXPECT_EQ(p.printed("QRL_uz_zwrot"), "0,00");  // always printed
    }
}

TEST(W37183, TextsInTwoPartsAreJoinedThenTrimmed) {
    struct Case {
        const char* part1;
        const char* part2;
        const char* printed;
    };
    const Case cases[] = {
        {"Na leczenie", "Zuzanny Nowak", "Na leczenie Zuzanny Nowak"},
        {"Na leczenie", "", "Na leczenie"},
        {"", "Zuzanny Nowak", "Zuzanny Nowak"},
        {"  Na  leczenie ", " Zuzanny  ", "Na  leczenie   Zuzanny"},  // inner blanks kept
        {"   ", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.part1) + "|" + c.part2);
        HostData d = joint_return();
        d.rekdek.cel[1] = c.part1;
        d.rekdek.cel[2] = c.part2;
        d.rekdek.kontakt[1] = c.part1;
        d.rekdek.kontakt[2] = c.part2;
        FilledPage p("TF_w37183", d);
        EXPECT_EQ(p.printed("QRL_cel"), c.printed);
        EXPECT_EQ(p.printed("QRL_kontakt"), c.printed);
    }
}

// How each label of the page looks. An amount is bold, right-aligned, sized
// to its text and transparent; the labels below differ as their boxes ask.
// The 1 % purpose and the contact line are values in the bold value font too.
TEST(W37183, LabelsLookAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    using testing::Look;
    const Look amount{Align::Right, true};
    const Look opaque_amount{Align::Right, true, true};
    const std::map<std::string, Look> other = {
        {"QRL_uz_zus1", opaque_amount},
        {"QRL_uz_zus2", opaque_amount},
        {"QRL_uz_dz1", opaque_amount},
        {"QRL_uz_dz2", opaque_amount},
        {"QRL_uz_rozn", {.align = Align::Right, .opaque = true, .width = 130}},
        {"QRL_uz_zwrot", opaque_amount},
        {"QRL_krs", {Align::Left, true, true}},
        {"QRL_cel", {.width = 471}},
        {"QRL_inf_cel", {.auto_size = true, .font = FontClass::Mark}},
        {"QRL_kontakt", {.width = 649}},
    };
    EXPECT_EQ(pages::layout_of("W37183").elements.size(), 24U);
    testing::expect_label_looks("W37183", amount, other);
}

}  // namespace
}  // namespace dek
