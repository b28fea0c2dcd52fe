// PIT/M: one person's minor children's income in table B.1 or B.2 by the
// usufruct, the amounts carried over in B.3.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::Look;

// The spouse (known by PESEL) of a joint return with the children's income:
// losses in the pension row, the rent row and the total, advances with grosze.
HostData minors_return() {
    HostData d = testing::joint_couple();
    dane_doch& m = d.rekdek.dochody[2];
    m.zr_dz[1] = wiersz_zr{1200, 50, -300, 12.49};
    m.zr_dz[2] = wiersz_zr{7200, 1000, -500.25, 0};
    m.zr_dz[3] = wiersz_zr{3000, 500, 2500, 450.5};
    m.zr_dz[4] = wiersz_zr{350, 0, 350, 64};
    m.zr_dz[5] = wiersz_zr{11750, 1500, -2049.75, 527};
    m.pm = 1024.88;
    m.zm = 263.5;
    return d;
}

// What table B.1 or B.2 shows for the fixture's rows, by column (1 b to 5 f).
// The costs of row 1 have no box: the stored 50 never prints. Rows 1 and 5
// keep a negative income in column d; rows 2 to 4 move a loss to column e.
const std::map<std::string, std::string> kTable = {
    {"11", "1.200,00"},  {"13", "-300,00"}, {"15", "12"},  {"21", "7.200,00"},  {"22", "1.000,00"},
    {"23", "0,00"},      {"24", "500,25"},  {"25", "0"},   {"31", "3.000,00"},  {"32", "500,00"},
    {"33", "2.500,00"},  {"34", "0,00"},    {"35", "451"}, {"41", "350,00"},    {"42", "0,00"},
    {"43", "350,00"},    {"44", "0,00"},    {"45", "64"},  {"51", "11.750,00"}, {"52", "1.500,00"},
    {"53", "-2.049,75"}, {"55", "527"},
};

TEST(Wm18_1, UsufructChoosesTheTable) {
    struct Case {
        int pm_obu;
        const char *filled, *empty;
    };
    const Case cases[] = {{0, "QRL_prz", "QRL_ob"}, {1, "QRL_ob", "QRL_prz"}, {2, "QRL_prz", "QRL_ob"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pm_obu);
        HostData d = minors_return();
        d.rekdek.dochody[2].pm_obu = static_cast<byte>(c.pm_obu);
        FilledPage p("TF_wm18_1", d, 2);
        for (const auto& [cell, value] : kTable) {
            EXPECT_EQ(p.printed(c.filled + cell), value) << c.filled << cell;
            EXPECT_EQ(p.printed(c.empty + cell), "") << c.empty << cell;
        }
        EXPECT_EQ(p.printed("QRL_ds1"), "1.024,88");
        EXPECT_EQ(p.printed("QRL_ds2"), "263,50");
        // Under B.2 the person's half repeats B.3 as printed.
        const bool both = c.pm_obu == 1;
        EXPECT_EQ(p.printed("QRL_ob63"), both ? "1.024,88" : "");
        EXPECT_EQ(p.printed("QRL_ob65"), both ? "263,50" : "");
    }
}

// One person's heading: the identifier by that person's flag with the other
// word struck out, the year and that person's names.
TEST(Wm18_1, HeadingOfThePersonTheJobNames) {
    struct Case {
        int nrp;
        bool by_pesel;
        const char *nip, *nazw, *im, *dur;
    };
    const Case cases[] = {
        {1, false, "6 8 3 - 2 1 3 - 4 5 - 7 6", "Wąsowicz", "Grzegorz", "14-09-1978"},
        {1, true, "7 8 0 9 1 4 1 2 3 5 2", "Wąsowicz", "Grzegorz", "14-09-1978"},
        {2, false, "9 5 4 - 2 7 5 - 1 3 - 6 8", "Wąsowicz-Przybyszewska", "Małgorzata", "27-03-1981"},
        {2, true, "8 1 0 3 2 7 0 8 7 4 8", "Wąsowicz-Przybyszewska", "Małgorzata", "27-03-1981"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "nrp " << c.nrp << " by PESEL " << c.by_pesel);
        HostData d = minors_return();
        d.rekdek.rok = 2018;
        // The other person's flag says the opposite: only this person's counts.
        d.rekdek.ident_pesel = c.nrp == 1 ? c.by_pesel : !c.by_pesel;
        d.rekdek.ident_pesel_m = c.nrp == 2 ? c.by_pesel : !c.by_pesel;
        FilledPage p("TF_wm18_1", d, c.nrp);
        EXPECT_EQ(p.printed("QRL_nip"), c.nip);
        EXPECT_EQ(p.printed("QRL_kas_nip"), c.by_pesel ? "NIP" : "<disabled>");
        EXPECT_EQ(p.printed("QRL_kas_pes"), c.by_pesel ? "<disabled>" : "numer PESEL    ");
        EXPECT_EQ(p.printed("QRL_rok"), "2 0 1 8");
        EXPECT_EQ(p.printed("QRL_nazw"), c.nazw);
        EXPECT_EQ(p.printed("QRL_im"), c.im);
        EXPECT_EQ(p.printed("QRL_dur"), c.dur);
    }
}

// Every value label is transparent; amounts end on the right and follow their
// text; the covers start off. The boxes the form greys out have no label.
TEST(Wm18_1, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    const Look cover{Align::Left, true, true, false, FontClass::SmallStrike};
    testing::expect_label_looks("Wm18_1", {Align::Right, true},
                                {{"QRL_nip", {Align::Left}},
                                 {"QRL_kas_nip", cover},
                                 {"QRL_kas_pes", cover},
                                 {"QRL_rok", {Align::Left}},
                                 {"QRL_nazw", {}},
                                 {"QRL_im", {}},
                                 {"QRL_dur", {}}});
    for (const char* stem : {"QRL_prz", "QRL_ob"})
        for (const char* cell : {"12", "14", "54"})
            EXPECT_EQ(testing::designed_element("Wm18_1", std::string(stem) + cell), nullptr) << stem << cell;
    EXPECT_EQ(testing::designed_element("Wm18_1", "QRL_kas_pes")->caption, "numer PESEL    ");
}

TEST(Wm18_1, TellingRectangles) {
    std::vector<testing::Placed> rects = {
        {"QRL_nip", 133, 40, 177, 17}, {"QRL_kas_nip", 141, 26}, {"QRL_kas_pes", 166, 26}, {"QRL_rok", 434, 161},
        {"QRL_ob63", 480, 901},        {"QRL_ob65", 700, 901},   {"QRL_ds1", 539, 977},    {"QRL_ds2", 683, 977},
    };
    const int lefts[] = {270, 376, 480, 579, 700};
    const int b1_tops[] = {456, 490, 522, 554, 587};
    const int b2_tops[] = {734, 768, 800, 832, 872};
    for (int row = 1; row <= 5; ++row) {
        for (int col = 1; col <= 5; ++col) {
            const std::string cell = std::to_string(row) + std::to_string(col);
            if (cell == "12" || cell == "14" || cell == "54") continue;
            const int left = cell == "31" ? 267 : lefts[col - 1];
            rects.push_back({"QRL_prz" + cell, left, b1_tops[row - 1]});
            rects.push_back({"QRL_ob" + cell, left, b2_tops[row - 1]});
        }
    }
    testing::expect_placed("Wm18_1", rects);
}

}  // namespace
}  // namespace dek
