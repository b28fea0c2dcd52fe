#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"
#include "tests/pages/pit28_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::pit28_return;

// Row 1 from the own-name revenue, row 2 the 8.5 % rent, row 4 the revenue
// determined under art. 17: the same record values as page 1's rows 1, 3, 6.
TEST(W28a18_1, RevenueByRate) {
    HostData d = pit28_return();
    FilledPage p("TF_w28a18_1", d);
    for (int k = 1; k <= 6; ++k) {
        const std::string c = std::to_string(k);
        EXPECT_EQ(p.printed("QRL_prz_dg" + c), "1.00" + c + ",01");
        EXPECT_EQ(p.printed("QRL_przosz" + c), "6.00" + c + ",06");
    }
    EXPECT_EQ(p.printed("QRL_prznaj3"), "3.003,03");
    for (const char* n : {"QRL_prz_dg7", "QRL_przosz7", "QRL_prznaj7"})
        EXPECT_EQ(p.page().DB_dane.find(n), nullptr) << n;
}

// The kind and the place of the business are stored in parts that join with
// one blank each, so that a street in one part and the town in the next stay
// apart.
TEST(W28a18_1, KindAndPlaceJoinTheirPartsWithBlanks) {
    struct Case {
        std::array<const char*, 4> dzial;
        std::array<const char*, 2> mp;
        const char *kind, *place;
    };
    const Case cases[] = {
        {{"Sprzedaż", "drewna", "i", "mebli"},
         {"ul. Długa 5", "00-950 Warszawa"},
         "Sprzedaż drewna i mebli",
         "ul. Długa 5 00-950 Warszawa"},
        {{" Tłumaczenia ", "", "", ""}, {"", "Cieszyn "}, "Tłumaczenia", "Cieszyn"},
        {{"", "", "", ""}, {"", ""}, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        HostData d = pit28_return();
        for (int i = 1; i <= 4; ++i) d.rek28.dzial[i] = c.dzial[i - 1];
        for (int i = 1; i <= 2; ++i) d.rek28.mp[i] = c.mp[i - 1];
        FilledPage p("TF_w28a18_1", d);
        EXPECT_EQ(p.printed("QRL_dzial"), c.kind);
        EXPECT_EQ(p.printed("QRL_mp"), c.place);
    }
}

// Amounts above 999 999,99 print in the smaller font, ten times page 1's
// limit; the rent box never changes font.
TEST(W28a18_1, AmountsAbove999999_99PrintSmaller) {
    struct Case {
        double value;
        const char* printed;
        bool smaller;
    };
    const Case cases[] = {
        {500000, "500.000,00", false}, {999999.99, "999.999,99", false}, {1500000, "1.500.000,00", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printed);
        HostData d = pit28_return();
        for (int k = 1; k <= 6; ++k) d.rek28.przdg[k] = d.rek28.osz[k] = c.value;
        d.rek28.prznaj[3] = c.value;
        FilledPage p("TF_w28a18_1", d);
        for (int k = 1; k <= 6; ++k) {
            for (const std::string& name : {"QRL_prz_dg" + std::to_string(k), "QRL_przosz" + std::to_string(k)}) {
                EXPECT_EQ(p.printed(name), c.printed) << name;
                EXPECT_EQ(p.element(name).font_px != 0, c.smaller) << name;
            }
        }
        EXPECT_EQ(p.printed("QRL_prznaj3"), c.printed);
        EXPECT_EQ(p.element("QRL_prznaj3").font_px, 0);
    }
}

TEST(W28a18_1, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    using testing::Look;
    const Look cover{Align::Left, true, true, false, FontClass::SmallStrike};
    const Look amount{Align::Right, true, false, true, FontClass::Table};
    std::map<std::string, Look> other = {
        {"QRL_nip", {.align = Align::Left, .width = 221}},
        {"QRL_kas_nip", cover},
        {"QRL_kas_pes", cover},
        {"QRL_rok", {.align = Align::Left}},
        {"QRL_nazw", {.opaque = true}},
        {"QRL_im", {.opaque = true}},
        {"QRL_dzial", {.align = Align::Left, .opaque = true, .wraps = true, .width = 655}},
        {"QRL_mp", {.align = Align::Left, .opaque = true, .wraps = true, .width = 655}},
        {"QRL_prznaj3", amount},
    };
    for (int k = 1; k <= 6; ++k) {
        other["QRL_prz_dg" + std::to_string(k)] = amount;
        other["QRL_przosz" + std::to_string(k)] = amount;
    }
    testing::expect_label_looks("W28a18_1", Look{}, other);
    EXPECT_EQ(testing::designed_element("W28a18_1", "QRL_kas_pes")->caption, "numer PESEL");
    testing::expect_placed("W28a18_1", {{"QRL_nip", 124, 39, 221, 17},
                                        {"QRL_kas_nip", 137, 24},
                                        {"QRL_kas_pes", 161, 24},
                                        {"QRL_rok", 342, 200},
                                        {"QRL_dzial", 78, 409, 655, 41},
                                        {"QRL_mp", 78, 515, 655, 53},
                                        {"QRL_prz_dg1", 229, 770, 76},
                                        {"QRL_prz_dg2", 305, 770, 76},
                                        {"QRL_prz_dg3", 379, 770, 76},
                                        {"QRL_prz_dg4", 454, 770, 76},
                                        {"QRL_prz_dg5", 604, 770, 76},
                                        {"QRL_prz_dg6", 680, 770, 76},
                                        {"QRL_prznaj3", 379, 839},
                                        {"QRL_przosz1", 254, 951, 51},
                                        {"QRL_przosz2", 330, 951, 51},
                                        {"QRL_przosz3", 379, 951, 76},
                                        {"QRL_przosz6", 680, 951, 76}});
}

}  // namespace
}  // namespace dek
