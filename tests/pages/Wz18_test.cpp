// PIT/Z pages 1/2 and 2/2: section B for the year of the exemption (status
// code 3), section C for the years after it (code 4, on PIT-36L in the second
// status byte), each page empty below its heading otherwise.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::expect_captions;
using testing::FilledPage;

// Every amount of the taxpayer's block tells its row and column apart; the
// spouse's block has figures of its own.
HostData exemption_return() {
    HostData d = testing::joint_couple();
    d.rekdek.rok = 2018;
    dane_pitz& z = d.rekdek.pitz[1];
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 4; ++col) z.kw[row][col] = (row * 10 + col) * 1.01;
    z.rokzw = 2015;
    z.dol20 = 3690;
    z.st_dol = 150.75;
    z.doch_dol = 37887.25;
    z.doch_pdol = 41577.25;
    z.doch_b4 = 5000.5;
    z.st_b4 = 0;
    z.zwol = 1234.56;
    dane_pitz& m = d.rekdek.pitz[2];
    m.kw[1] = {9100, 9200, 9300, 9400};
    m.kw[4] = {8100, 8200, 8300, 8400};
    m.rokzw = 2014;
    m.doch_b4 = 77;
    m.doch_pdol = 777;
    return d;
}

const testing::Captions kSectionB = {
    {"QRL_prz11", "11,11"},    {"QRL_prz12", "12,12"}, {"QRL_prz13", "13,13"},    {"QRL_prz14", "14,14"},
    {"QRL_prz21", "21,21"},    {"QRL_prz22", "22,22"}, {"QRL_prz23", "23,23"},    {"QRL_prz24", "24,24"},
    {"QRL_prz31", "31,31"},    {"QRL_prz32", "32,32"}, {"QRL_prz33", "33,33"},    {"QRL_prz34", "34,34"},
    {"QRL_prz41", "11,11"},    {"QRL_prz42", "12,12"}, {"QRL_prz43", "5.000,50"}, {"QRL_prz44", "0,00"},
    {"QRL_prz53", "1.234,56"},
};

const testing::Captions kSectionC = {
    {"QRL_rok", "2 0 1 5"},  {"QRL_prz11", "41,41"}, {"QRL_prz12", "42,42"}, {"QRL_prz13", "43,43"},
    {"QRL_prz14", "44,44"},  {"QRL_w1", "3.690,00"}, {"QRL_w2", "150,75"},   {"QRL_w3", "37.887,25"},
    {"QRL_w4", "41.577,25"}, {"QRL_prz21", "41,41"}, {"QRL_prz22", "42,42"}, {"QRL_prz23", "41.577,25"},
    {"QRL_prz24", "150,75"},
};

testing::Captions cleared(const testing::Captions& section) {
    testing::Captions c;
    for (const auto& entry : section) c[entry.first] = "";
    return c;
}

TEST(Wz18_1, SectionBOnlyForTheYearOfTheExemption) {
    for (int code : {3, 4, 0, 5}) {
        SCOPED_TRACE(code);
        HostData d = exemption_return();
        d.rekdek.inf_dod[1] = static_cast<byte>(code);
        FilledPage p("TF_wz18_1", d, 1);
        expect_captions(p, code == 3 ? kSectionB : cleared(kSectionB));
        // The heading prints whatever the code.
        expect_captions(p, {{"QRL_nip", "6 8 3 - 2 1 3 - 4 5 - 7 6"},
                            {"QRL_rok", "2 0 1 8"},
                            {"QRL_nazw", "Wąsowicz"},
                            {"QRL_im", "Grzegorz"},
                            {"QRL_dur", "14-09-1978"}});
    }
}

TEST(Wz18_2, SectionCForTheYearsAfterTheExemption) {
    struct Case {
        const char* name;
        int typ_pit, code1, code2;
        bool filled;
    };
    const Case cases[] = {
        {"PIT-36, taxpayer's code 4", 0, 4, 0, true},
        {"PIT-36, taxpayer's code 3", 0, 3, 4, false},
        {"PIT-36L keeps the taxpayer's code in the second byte", 2, 1, 4, true},
        {"another return type with code 4 in the second byte", 1, 1, 4, false},
        {"PIT-36L with another code", 2, 4, 3, true},
        {"PIT-36L without code 4", 2, 1, 3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HostData d = exemption_return();
        d.rekdek.typ_pit = static_cast<byte>(c.typ_pit);
        d.rekdek.inf_dod = {static_cast<byte>(c.code1), static_cast<byte>(c.code2)};
        FilledPage p("TF_wz18_2", d, 1);
        expect_captions(p, c.filled ? kSectionC : cleared(kSectionC));
    }
}

// A year of 0 is none given: poz. 27 stays empty, the amounts still print.
TEST(Wz18, YearOfZeroLeavesItsBoxEmpty) {
    HostData d = exemption_return();
    d.rekdek.inf_dod = {4, 0};
    d.rekdek.pitz[1].rokzw = 0;
    FilledPage p("TF_wz18_2", d, 1);
    expect_captions(p, {{"QRL_rok", ""}, {"QRL_w1", "3.690,00"}});
}

// The spouse's sheets read the spouse's NIP (never the PESEL), names, status
// code and block.
TEST(Wz18, SpouseSheetsReadTheSpouse) {
    HostData d = exemption_return();
    d.rekdek.inf_dod = {4, 3};
    {
        FilledPage p("TF_wz18_1", d, 2);
        expect_captions(p, {{"QRL_nip", "9 5 4 - 2 7 5 - 1 3 - 6 8"},
                            {"QRL_nazw", "Wąsowicz-Przybyszewska"},
                            {"QRL_prz11", "9.100,00"},
                            {"QRL_prz41", "9.100,00"},
                            {"QRL_prz42", "9.200,00"},
                            {"QRL_prz43", "77,00"}});
    }
    {
        FilledPage p("TF_wz18_2", d, 2);
        expect_captions(p, cleared(kSectionC));
    }
    d.rekdek.inf_dod = {3, 4};
    FilledPage p("TF_wz18_2", d, 2);
    expect_captions(p,
                    {{"QRL_rok", "2 0 1 4"}, {"QRL_prz11", "8.100,00"}, {"QRL_w4", "777,00"}, {"QRL_prz23", "777,00"}});
}

// The amounts end on the right edges of their boxes and follow their text,
// on white; the heading is transparent and of fixed size, the names on white.
TEST(Wz18, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    const testing::Look amount{Align::Right, true, true};
    const testing::Look name{Align::Center, false, true};
    testing::expect_label_looks("Wz18_1", amount,
                                {{"QRL_nip", {Align::Left, false, false, true, report::FontClass::Value, false, 191}},
                                 {"QRL_rok", {Align::Left}},
                                 {"QRL_nazw", name},
                                 {"QRL_im", name},
                                 {"QRL_dur", {}}});
    testing::expect_label_looks("Wz18_2", amount, {{"QRL_rok", {Align::Left}}});
}

// Every amount of the table ends where its box ends, the last column as the
// others: a value sized to its text grows leftwards from the design's right
// edge, which lies a few pixels inside the box's right edge.
TEST(Wz18, AmountsEndOnTheRightEdgesOfTheirBoxes) {
    for (const char* unit : {"Wz18_1", "Wz18_2"}) {
        const report::FormDescription& form = pages::form_of(unit);
        for (const report::Element& e : pages::layout_of(unit).elements) {
            if (e.amount_decimals < 0) continue;
            report::Rect box;
            ASSERT_TRUE(form.area(e.field, box)) << unit << " " << e.name;
            const int gap = box.right() - e.rect.right();
            EXPECT_GE(gap, 0) << unit << " " << e.name;
            EXPECT_LE(gap, 12) << unit << " " << e.name << " ends " << gap << " px inside @" << e.field;
        }
    }
}

TEST(Wz18, TellingRectangles) {
    std::vector<testing::Placed> page1 = {
        {"QRL_nip", 123, 38, 191, 17}, {"QRL_rok", 544, 164},   {"QRL_prz41", 136, 841}, {"QRL_prz42", 326, 841},
        {"QRL_prz43", 494, 818},       {"QRL_prz53", 494, 850}, {"QRL_prz44", 664, 841},
    };
    const int tops[] = {458, 582, 706};
    const int lefts[] = {136, 328, 496, 666};
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 4; ++col)
            page1.push_back({"QRL_prz" + std::to_string(row) + std::to_string(col), lefts[col - 1], tops[row - 1]});
    testing::expect_placed("Wz18_1", page1);
    testing::expect_placed("Wz18_2", {
                                         {"QRL_prz11", 155, 158},
                                         {"QRL_prz12", 331, 158},
                                         {"QRL_prz13", 512, 158},
                                         {"QRL_prz14", 684, 158},
                                         {"QRL_rok", 548, 261},
                                         {"QRL_w1", 688, 262},
                                         {"QRL_w2", 686, 293},
                                         {"QRL_w3", 688, 322},
                                         {"QRL_w4", 688, 354},
                                         {"QRL_prz21", 154, 480},
                                         {"QRL_prz22", 330, 480},
                                         {"QRL_prz23", 514, 480},
                                         {"QRL_prz24", 690, 480},
                                     });
}

}  // namespace
}  // namespace dek
