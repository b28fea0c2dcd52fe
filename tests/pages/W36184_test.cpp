// PIT-36 page 4/7: every box from its own field, the spouse's column only under
// joint taxation, whole złoty only in poz. 201 and 215.
#include <gtest/gtest.h>

#include <string>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;

// A joint return in which every box of the page has an amount of its own.
HostData joint_return() {
    HostData d;
    auto& r = d.rekdek;
    r.sp_opod = 1;
    r.dochody[1].obn = 180.01;
    r.dochody[2].obn = 181.02;
    r.dpo = 49653.61;
    r.pdbiez = 183.03;
    r.zw = 184.04;
    r.zw_m = 185.05;
    r.utr = 186.06;
    r.utr_m = 187.07;
    r.zwp = 3690;
    r.zwp_m = 189.09;
    r.zsg = 190.1;
    r.zsg_m = 191.11;
    r.zss = 192.12;
    r.zss_m = 193.13;
    r.sdg = 194.14;
    r.sdg_m = 195.15;
    r.sds = 196.16;
    r.sds_m = 197.17;
    r.doch_opod = 53343.61;
    r.dzagr = 8400;
    r.dzagr_m = 24600;
    r.podst_opod = 53343.61;  // whole złoty: rounds
    r.pod = 8914.89;
    r.dolpod = 203.2;
    r.pod_zagr = 204.21;
    r.pod_zagr_m = 205.22;
    r.pod1 = 8914.89;
    r.pito.odl[14] = 3306.12;
    r.pito_m.odl[14] = 1240;
    r.zdr_zagr = 209.23;
    r.zdr_zagr_m = 210.24;
    r.pod_o = 4368.77;
    r.pod_o_m = 212.25;
    r.pod_po_odl = 1240.52;
    r.pod_d_b = 214.26;
    r.pod_zaokr = 1026.49;  // whole złoty: rounds down
    r.sum_zal = 4510;
    // Fields the page must not read.
    r.ods = 999.99;
    r.br = 888.88;
    r.pod_po_odl_l = 777.77;
    return d;
}

struct Box {
    const char* label;
    const char* printed;  // for the joint return above
    bool spouse;          // the małżonek column of a two-column row
};

const Box kBoxes[] = {
    {"QRL_obn", "180,01", false},          {"QRL_obn1", "181,02", true},      {"QRL_pd", "49.653,61", false},
    {"QRL_pdbiez", "183,03", false},       {"QRL_zw", "184,04", false},       {"QRL_zw1", "185,05", true},
    {"QRL_p11", "186,06", false},          {"QRL_p12", "187,07", true},       {"QRL_p21", "3.690,00", false},
    {"QRL_p22", "189,09", true},           {"QRL_p31", "190,10", false},      {"QRL_p32", "191,11", true},
    {"QRL_p41", "192,12", false},          {"QRL_p42", "193,13", true},       {"QRL_p51", "194,14", false},
    {"QRL_p52", "195,15", true},           {"QRL_p61", "196,16", false},      {"QRL_p62", "197,17", true},
    {"QRL_doch_opod", "53.343,61", false}, {"QRL_dz", "8.400,00", false},     {"QRL_dz1", "24.600,00", true},
    {"QRL_podst_opod", "53.344", false},   {"QRL_pod", "8.914,89", false},    {"QRL_dolpod", "203,20", false},
    {"QRL_pod_zagr", "204,21", false},     {"QRL_pod_zagr1", "205,22", true}, {"QRL_pod1", "8.914,89", false},
    {"QRL_zdr", "3.306,12", false},        {"QRL_zdr1", "1.240,00", true},    {"QRL_zdr_zagr", "209,23", false},
    {"QRL_zdr_zagr1", "210,24", true},     {"QRL_pod_o", "4.368,77", false},  {"QRL_pod_o1", "212,25", true},
    {"QRL_pod_d", "1.240,52", false},      {"QRL_pod_d_b", "214,26", false},  {"QRL_pod_zaokr", "1.026", false},
    {"QRL_sum_zal", "4.510,00", false},
};

TEST(W36184, EveryBoxFromItsFieldWithTheDecimalsOfTheForm) {
    EXPECT_EQ(pages::layout_of("W36184").elements.size(), std::size(kBoxes));
    struct Case {
        const char* what;
        int sp_opod;
    };
    const Case cases[] = {{"joint", 1}, {"individual", 0}, {"single parent", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d = joint_return();
        d.rekdek.sp_opod = static_cast<byte>(c.sp_opod);
        const bool joint = c.sp_opod == 1;
        FilledPage p("TF_w36184", d);
        for (const auto& box : kBoxes)
            EXPECT_EQ(p.printed(box.label), box.spouse && !joint ? "" : box.printed) << box.label;
    }
}

// No box of the page stays empty for a zero: only the spouse's column under
// individual taxation does.
TEST(W36184, ZeroPrintsAsAZeroAmount) {
    HostData d;
    d.rekdek.sp_opod = 1;
    FilledPage p("TF_w36184", d);
    for (const auto& box : kBoxes) {
        const std::string label = box.label;
        EXPECT_EQ(p.printed(box.label), label == "QRL_podst_opod" || label == "QRL_pod_zaokr" ? "0" : "0,00")
            << box.label;
    }
}

// Every label is a bold amount, right-aligned, sized to its text, on a white
// ground; the page keeps the narrow side margins and the wide band.
TEST(W36184, LabelsAndBandAsThePageAsks) {
    using report::Align;
    testing::expect_label_looks("W36184", testing::Look{Align::Right, true, true}, {});
    const report::Layout& l = pages::layout_of("W36184");
    EXPECT_DOUBLE_EQ(l.settings.margin_left_mm, 1.0);
    EXPECT_DOUBLE_EQ(l.settings.margin_right_mm, 1.0);
    EXPECT_EQ(l.band, (report::Rect{4, 11, 786, 1100}));
    EXPECT_EQ(l.image, (report::Rect{1, 1, 781, 1090}));
    testing::expect_placed("W36184", {{"QRL_obn", 544, 64, 58, 17},
                                      {"QRL_obn1", 680, 64},
                                      {"QRL_pd", 680, 101},
                                      {"QRL_p11", 550, 254},
                                      {"QRL_doch_opod", 677, 493},
                                      {"QRL_podst_opod", 681, 560},
                                      {"QRL_zdr", 544, 783},
                                      {"QRL_sum_zal", 680, 1004}});
}

}  // namespace
}  // namespace dek
