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

// Every box of the page with the record field it shows, an amount of its own
// and what it prints. Poz. 201 and 215 are whole złoty and round.
struct Box {
    const char* label;
    real& (*field)(rekdek_t&);
    double value;
    const char* printed;
    bool spouse;  // the małżonek column of a two-column row
};

const Box kBoxes[] = {
    {"QRL_obn", [](rekdek_t& r) -> real& { return r.dochody[1].obn; }, 180.01, "180,01", false},
    {"QRL_obn1", [](rekdek_t& r) -> real& { return r.dochody[2].obn; }, 181.02, "181,02", true},
    {"QRL_pd", [](rekdek_t& r) -> real& { return r.dpo; }, 49653.61, "49.653,61", false},
    {"QRL_pdbiez", [](rekdek_t& r) -> real& { return r.pdbiez; }, 183.03, "183,03", false},
    {"QRL_zw", [](rekdek_t& r) -> real& { return r.zw; }, 184.04, "184,04", false},
    {"QRL_zw1", [](rekdek_t& r) -> real& { return r.zw_m; }, 185.05, "185,05", true},
    {"QRL_p11", [](rekdek_t& r) -> real& { return r.utr; }, 186.06, "186,06", false},
    {"QRL_p12", [](rekdek_t& r) -> real& { return r.utr_m; }, 187.07, "187,07", true},
    {"QRL_p21", [](rekdek_t& r) -> real& { return r.zwp; }, 3690, "3.690,00", false},
    {"QRL_p22", [](rekdek_t& r) -> real& { return r.zwp_m; }, 189.09, "189,09", true},
    {"QRL_p31", [](rekdek_t& r) -> real& { return r.zsg; }, 190.1, "190,10", false},
    {"QRL_p32", [](rekdek_t& r) -> real& { return r.zsg_m; }, 191.11, "191,11", true},
    {"QRL_p41", [](rekdek_t& r) -> real& { return r.zss; }, 192.12, "192,12", false},
    {"QRL_p42", [](rekdek_t& r) -> real& { return r.zss_m; }, 193.13, "193,13", true},
    {"QRL_p51", [](rekdek_t& r) -> real& { return r.sdg; }, 194.14, "194,14", false},
    {"QRL_p52", [](rekdek_t& r) -> real& { return r.sdg_m; }, 195.15, "195,15", true},
    {"QRL_p61", [](rekdek_t& r) -> real& { return r.sds; }, 196.16, "196,16", false},
    {"QRL_p62", [](rekdek_t& r) -> real& { return r.sds_m; }, 197.17, "197,17", true},
    {"QRL_doch_opod", [](rekdek_t& r) -> real& { return r.doch_opod; }, 53343.61, "53.343,61", false},
    {"QRL_dz", [](rekdek_t& r) -> real& { return r.dzagr; }, 8400, "8.400,00", false},
    {"QRL_dz1", [](rekdek_t& r) -> real& { return r.dzagr_m; }, 24600, "24.600,00", true},
    {"QRL_podst_opod", [](rekdek_t& r) -> real& { return r.podst_opod; }, 53343.61, "53.344", false},
    {"QRL_pod", [](rekdek_t& r) -> real& { return r.pod; }, 8914.89, "8.914,89", false},
    {"QRL_dolpod", [](rekdek_t& r) -> real& { return r.dolpod; }, 203.2, "203,20", false},
    {"QRL_pod_zagr", [](rekdek_t& r) -> real& { return r.pod_zagr; }, 204.21, "204,21", false},
    {"QRL_pod_zagr1", [](rekdek_t& r) -> real& { return r.pod_zagr_m; }, 205.22, "205,22", true},
    {"QRL_pod1", [](rekdek_t& r) -> real& { return r.pod1; }, 8914.89, "8.914,89", false},
    {"QRL_zdr", [](rekdek_t& r) -> real& { return r.pito.odl[14]; }, 3306.12, "3.306,12", false},
    {"QRL_zdr1", [](rekdek_t& r) -> real& { return r.pito_m.odl[14]; }, 1240, "1.240,00", true},
    {"QRL_zdr_zagr", [](rekdek_t& r) -> real& { return r.zdr_zagr; }, 209.23, "209,23", false},
    {"QRL_zdr_zagr1", [](rekdek_t& r) -> real& { return r.zdr_zagr_m; }, 210.24, "210,24", true},
    {"QRL_pod_o", [](rekdek_t& r) -> real& { return r.pod_o; }, 4368.77, "4.368,77", false},
    {"QRL_pod_o1", [](rekdek_t& r) -> real& { return r.pod_o_m; }, 212.25, "212,25", true},
    {"QRL_pod_d", [](rekdek_t& r) -> real& { return r.pod_po_odl; }, 1240.52, "1.240,52", false},
    {"QRL_pod_d_b", [](rekdek_t& r) -> real& { return r.pod_d_b; }, 214.26, "214,26", false},
    {"QRL_pod_zaokr", [](rekdek_t& r) -> real& { return r.pod_zaokr; }, 1026.49, "1.026", false},
    {"QRL_sum_zal", [](rekdek_t& r) -> real& { return r.sum_zal; }, 4510, "4.510,00", false},
};

TEST(W36184, EveryBoxFromItsFieldWithTheDecimalsOfTheForm) {
    EXPECT_EQ(pages::layout_of("W36184").elements.size(), std::size(kBoxes));
    // Joint taxation is the method code's membership in the host's set of
    // joint codes, not the code itself.
    struct Case {
        const char* what;
        int sp_opod;
        CodeSet joint_codes;
        bool joint;
    };
    const Case cases[] = {
        {"joint", 1, CodeSet::of({1}), true},
        {"individual", 0, CodeSet::of({1}), false},
        {"single parent", 3, CodeSet::of({1}), false},
        {"joint code not in the set", 1, CodeSet::of({2}), false},
        {"another code in the set", 2, CodeSet::of({1, 2}), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d;
        for (const auto& box : kBoxes) box.field(d.rekdek) = box.value;
        // Fields beside them that the page must not read.
        d.rekdek.ods = 999.99;
        d.rekdek.br = 888.88;
        d.rekdek.pod_po_odl_l = 777.77;
        d.rekdek.sp_opod = static_cast<byte>(c.sp_opod);
        d.wsp_z_malz = c.joint_codes;
        FilledPage p("TF_w36184", d);
        for (const auto& box : kBoxes)
            EXPECT_EQ(p.printed(box.label), box.spouse && !c.joint ? "" : box.printed) << box.label;
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
