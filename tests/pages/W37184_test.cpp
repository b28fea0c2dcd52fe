#include <gtest/gtest.h>

#include <map>
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
    r.d_us[1] = "  8103270874";
    r.d_us[2] = "WĄSOWICZ MAŁGORZATA";
    r.d_us[3] = "US Siemianowice Śląskie  ";
    r.peln = "  Jan Nowak ";
    return d;
}

TEST(W37184, CountsGoToTheBoxesOfTheirAttachments) {
    HostData d = joint_return();
    auto& z = d.rekdek.ilzal;
    for (int i = 1; i <= 12; ++i) z[i] = static_cast<byte>(20 + i);  // every index tells itself apart
    z[5] = 1;
    z[12] = 2;
    z[3] = 3;
    z[2] = 14;
    FilledPage p("TF_w37184", d);
    EXPECT_EQ(p.printed("QRL_zal1"), "1");   // poz. 128 PIT/O
    EXPECT_EQ(p.printed("QRL_zal4"), "2");   // poz. 129 residence certificates
    EXPECT_EQ(p.printed("QRL_zal3"), "3");   // poz. 130 PIT-2K
    EXPECT_EQ(p.printed("QRL_zal2"), "14");  // poz. 131 PIT/D
}

TEST(W37184, ZeroCountsPrintZero) {
    HostData d = joint_return();
    FilledPage p("TF_w37184", d);
    for (const char* n : {"QRL_zal1", "QRL_zal2", "QRL_zal3", "QRL_zal4"}) EXPECT_EQ(p.printed(n), "0") << n;
}

TEST(W37184, PitDInformationFollowsWhoFiledIt) {
    struct Case {
        int d_kto;
        int d_kod;
        const char *d_p, *d_m, *d28, *d36, *d37, *d_us;
    };
    const char* const us = "8103270874 WĄSOWICZ MAŁGORZATA US Siemianowice Śląskie";
    const Case cases[] = {
        {0, 0, "x", "", "x", "", "", ""}, {0, 2, "x", "", "", "", "x", ""},
        {1, 1, "", "x", "", "x", "", us}, {1, 7, "", "x", "", "", "", us},  // an unknown return code marks no square
        {2, 1, "", "", "", "", "", ""},                                     // nobody: nothing in poz. 132 to 134
        {255, 2, "", "", "", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("d_kto " + std::to_string(c.d_kto) + " d_kod " + std::to_string(c.d_kod));
        HostData d = joint_return();
        d.rekdek.d_kto = static_cast<byte>(c.d_kto);
        d.rekdek.d_kod = static_cast<byte>(c.d_kod);
        FilledPage p("TF_w37184", d);
        EXPECT_EQ(p.printed("QRL_d_p"), c.d_p);
        EXPECT_EQ(p.printed("QRL_d_m"), c.d_m);
        EXPECT_EQ(p.printed("QRL_d28"), c.d28);
        EXPECT_EQ(p.printed("QRL_d36"), c.d36);
        EXPECT_EQ(p.printed("QRL_d37"), c.d37);
        EXPECT_EQ(p.printed("QRL_d_us"), c.d_us);
    }
}

TEST(W37184, BlankSpouseDataPrintsAnEmptyCaption) {
    HostData d = joint_return();
    d.rekdek.d_kto = 1;
    for (int i = 1; i <= 3; ++i) d.rekdek.d_us[i] = "   ";
    FilledPage p("TF_w37184", d);
    EXPECT_EQ(p.printed("QRL_d_us"), "");
}

TEST(W37184, LargeFamilyCardMarksOnlyTheValueOne) {
    struct Case {
        const char* what;
        int sp_opod;
        int kdr, kdr_m;
        const char *kdr_p_mark, *kdr_m_mark;
    };
    const Case cases[] = {
        {"joint, both", 1, 1, 1, "x", "x"},
        {"joint, other values", 1, 2, 255, "", ""},
        {"joint, spouse only", 1, 0, 1, "", "x"},
        {"individual, spouse's card", 0, 1, 1, "x", ""},
        {"single parent, spouse's card", 3, 0, 1, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d = joint_return();
        d.rekdek.sp_opod = static_cast<byte>(c.sp_opod);
        d.rekdek.kdr = static_cast<byte>(c.kdr);
        d.rekdek.kdr_m = static_cast<byte>(c.kdr_m);
        FilledPage p("TF_w37184", d);
        EXPECT_EQ(p.printed("QRL_kdr_p"), c.kdr_p_mark);
        EXPECT_EQ(p.printed("QRL_kdr_m"), c.kdr_m_mark);
    }
}

TEST(W37184, AttorneyOnlyWhenThereIsOne) {
    HostData d = joint_return();
    {
        FilledPage p("TF_w37184", d);
        EXPECT_EQ(p.printed("QRL_peln"), "");  // a name without the flag stays off the paper
    }
    d.rekdek.jest_peln = true;
    FilledPage p("TF_w37184", d);
    EXPECT_EQ(p.printed("QRL_peln"), "Jan Nowak");
}

// The counts are bold, centred and sized to their text; the squares take the
// mark font; the spouse's PIT/D line is regular and the attorney bold, both
// left-aligned in boxes of fixed width. Nothing on the page is opaque and
// everything starts enabled.
TEST(W37184, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    using testing::Look;
    const Look count{Align::Center, true};
    const Look mark{.auto_size = true, .font = FontClass::Mark};
    testing::expect_label_looks("W37184",
                                {
                                    {"QRL_zal1", count},
                                    {"QRL_zal2", count},
                                    {"QRL_zal3", count},
                                    {"QRL_zal4", count},
                                    {"QRL_d_p", mark},
                                    {"QRL_d_m", mark},
                                    {"QRL_d28", mark},
                                    {"QRL_d36", mark},
                                    {"QRL_d37", mark},
                                    {"QRL_d_us", {.align = Align::Left, .font = FontClass::Plain, .width = 657}},
                                    {"QRL_kdr_p", mark},
                                    {"QRL_kdr_m", mark},
                                    {"QRL_peln", {.align = Align::Left, .width = 281}},
                                });
}

}  // namespace
}  // namespace dek
