#include <gtest/gtest.h>

#include <set>
#include <string>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;

// Each box from its own field: every value tells itself apart and carries
// half a złoty, so a whole-złoty box shows by its rounding.
TEST(W36l18_2, EachBoxFromItsFieldWithItsDecimals) {
    HostData d;
    auto& r = d.rekdek;
    struct Case {
        const char* label;
        double* field;  // nullptr: set below (a 4-byte float)
        double value;
        const char* printed;
    };
    const Case cases[] = {
        {"QRL_dpo", &r.dochody[1].dpo_zs, 31031.5, "31.031,50"},
        {"QRL_br", &r.br, 32032.5, "32.032,50"},
        {"QRL_br1", &r.br1, 33033.5, "33.033,50"},
        {"QRL_brn", &r.brn, 34034.5, "34.034,50"},
        {"QRL_w1", &r.utr, 35035.5, "35.035,50"},
        {"QRL_w02", &r.zwp, 36036.5, "36.036,50"},
        {"QRL_w03", &r.zsg, 37037.5, "37.037,50"},
        {"QRL_w41", &r.zss, 38038.5, "38.038,50"},
        {"QRL_w5", &r.sdg, 39039.5, "39.039,50"},
        {"QRL_w6", &r.sds, 40040.5, "40.040,50"},
        {"QRL_w7", &r.doch_opod, 41041.5, "41.041,50"},
        {"QRL_w8", &r.podst_opod, 42042.5, "42.043"},
        {"QRL_w9", &r.pod, 43043.5, "43.043,50"},
        {"QRL_w10", &r.dolpod, 44044.5, "44.044,50"},
        {"QRL_w11", &r.pod_zagr, 45045.5, "45.045,50"},
        {"QRL_w12", &r.pod1, 46046.5, "46.046,50"},
        {"QRL_w13", &r.pito.odl[14], 47047.5, "47.047,50"},
        {"QRL_w14", &r.zdr_zagr, 48048.5, "48.048,50"},
        {"QRL_w15", &r.pito.odl_pod, 49049.5, "49.049,50"},
        {"QRL_inp", nullptr, 5050.25, "5.050,25"},
        {"QRL_w16", &r.pod_po_odl_l, 51051.5, "51.051,50"},
        {"QRL_w18", &r.pod_zaokr, 52052.5, "52.053"},
        {"QRL_w19", &r.sum_zal, 53053.5, "53.054"},
        {"QRL_w20", &r.rozn, 54054.5, "54.055"},
        {"QRL_w21", &r.rozn1, 55055.5, "55.056"},
    };
    for (const auto& c : cases)
        if (c.field != nullptr) *c.field = c.value;
    r.inp = 5050.25F;
    // Fields of other returns that must not reach this page.
    r.pod_po_odl = 1.0;
    r.pito.odl[13] = 2.0;
    r.dpo = 3.0;
    FilledPage p("TF_w36l18_2", d);
    for (const auto& c : cases) EXPECT_EQ(p.printed(c.label), c.printed) << c.label;
}

TEST(W36l18_2, ZerosPrintAsAmounts) {
    HostData d;
    FilledPage p("TF_w36l18_2", d);
    for (const auto& e : pages::layout_of("W36l18_2").elements) {
        const bool whole = e.name == "QRL_w8" || e.name == "QRL_w18" || e.name == "QRL_w19" || e.name == "QRL_w20" ||
                           e.name == "QRL_w21";
        EXPECT_EQ(p.printed(e.name), whole ? "0" : "0,00") << e.name;
    }
}

// Every amount right-aligned, bold, sized to its text. Poz. 31 to 40 stand
// at left 666 and are 74 wide, poz. 41 to 55 at left 682 and 58 wide: all end
// at the same right edge.
TEST(W36l18_2, LabelsAreLaidOutAsTheirBoxesAsk) {
    testing::expect_label_looks("W36l18_2", testing::Look{report::Align::Right, true}, {});
    const std::set<std::string> upper = {"QRL_dpo", "QRL_br",  "QRL_br1", "QRL_brn", "QRL_w1",
                                         "QRL_w02", "QRL_w03", "QRL_w41", "QRL_w5",  "QRL_w6"};
    for (const auto& e : pages::layout_of("W36l18_2").elements) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.rect.left, upper.contains(e.name) ? 666 : 682);
        EXPECT_EQ(e.rect.right(), 740);
    }
    testing::expect_placed("W36l18_2", {{"QRL_dpo", 666, 39},
                                        {"QRL_w1", 666, 215},
                                        {"QRL_w7", 682, 477},
                                        {"QRL_w13", 682, 717},
                                        {"QRL_inp", 682, 816},
                                        {"QRL_w16", 682, 896},
                                        {"QRL_w21", 682, 1022}});
}

}  // namespace
}  // namespace dek
