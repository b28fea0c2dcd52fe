// PIT-36 page 6/7: the rest of section M with grosze, and sections N, O and P
// month by month in whole złoty, the spouse's rows only under joint taxation.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"
#include "tests/pages/pit36_cases.h"

namespace dek {
namespace {

using testing::FilledPage;

// A joint return in which every box of the page has an amount of its own;
// month m of the three monthly arrays of person k holds k 000 + section × 100
// + m, plus 40 grosze that whole złoty drop.
HostData every_box_told_apart() {
    HostData d;
    auto& r = d.rekdek;
    r.sp_opod = 1;
    r.ryc29 = 330.01;
    r.ryc29_m = 331.02;
    r.ryc_zagr = 85.5;
    r.ryc_zagr_m = 57;
    r.pod_zap_zagr = 42.75;
    r.pod_zap_zagr_m = 28.5;
    r.ryc_rozn = 42.75;
    r.ryc_rozn_m = 28.5;
    r.do_zapl = 0;
    r.nadpl = 4438.75;
    d.rek_uz.doza = 339.03;
    d.rek_uz.zwrot = 9694.1;
    for (int k = 1; k <= 2; ++k)
        for (int m = 1; m <= 12; ++m) {
            r.mies[k].ryc44[m] = k * 1000 + 100 + m + 0.4;
            r.mies[k].ods[m] = k * 1000 + 200 + m + 0.4;
            r.mies[k].zal44_7[m] = k * 1000 + 300 + m + 0.4;
        }
    return d;
}

// That return taxed jointly, then each way it is not.
std::vector<std::pair<std::string, HostData>> each_taxation() {
    const HostData joint = every_box_told_apart();
    auto out = testing::not_joint_returns(joint);
    out.emplace_back("joint", joint);
    return out;
}

TEST(W36186, SectionMWithGroszeAndTheSpouseColumnOnlyWhenJoint) {
    struct Box {
        const char* label;
        const char* printed;
        bool spouse;
    };
    const Box boxes[] = {
        {"QRL_p21", "330,01", false},      {"QRL_p22", "331,02", true},   {"QRL_p31", "85,50", false},
        {"QRL_p32", "57,00", true},        {"QRL_p41", "42,75", false},   {"QRL_p42", "28,50", true},
        {"QRL_p61", "42,75", false},       {"QRL_p62", "28,50", true},    {"QRL_p8", "0,00", false},
        {"QRL_uz_doza1", "339,03", false}, {"QRL_p9", "4.438,75", false}, {"QRL_uz_zwrot", "9.694,10", false},
    };
    for (auto& [what, d] : each_taxation()) {
        SCOPED_TRACE(what);
        FilledPage p("TF_w36186", d);
        for (const auto& box : boxes)
            EXPECT_EQ(p.printed(box.label), box.spouse && what != "joint" ? "" : box.printed) << box.label;
    }
}

// The refund boxes print whatever page 5 decides for section L.
TEST(W36186, RefundBoxesPrintWithoutAChildReliefDifference) {
    HostData d;
    d.rek_uz.zus = 13622.52;
    d.rek_uz.doza = 0;
    d.rek_uz.zwrot = 9694.1;
    FilledPage p("TF_w36186", d);
    EXPECT_EQ(p.printed("QRL_uz_doza1"), "0,00");
    EXPECT_EQ(p.printed("QRL_uz_zwrot"), "9.694,10");
}

TEST(W36186, MonthsOfEachSectionInWholeZloty) {
    struct Section {
        const char *taxpayer, *spouse;
        int base;
    };
    const Section sections[] = {
        {"QRL_44p", "QRL_44m", 100}, {"QRL_odsp", "QRL_odsm", 200}, {"QRL_44_7p", "QRL_44_7m", 300}};
    for (auto& [what, d] : each_taxation()) {
        SCOPED_TRACE(what);
        FilledPage p("TF_w36186", d);
        for (const auto& s : sections)
            for (int m = 1; m <= 12; ++m) {
                SCOPED_TRACE(::testing::Message() << s.taxpayer << " month " << m);
                EXPECT_EQ(p.printed(s.taxpayer + std::to_string(m)), "1." + std::to_string(s.base + m));
                EXPECT_EQ(p.printed(s.spouse + std::to_string(m)),
                          what == "joint" ? "2." + std::to_string(s.base + m) : "");
            }
    }
}

TEST(W36186, ZeroMonthsPrintZero) {
    HostData d;
    d.rekdek.sp_opod = 1;
    FilledPage p("TF_w36186", d);
    for (const char* stem : {"QRL_44p", "QRL_44m", "QRL_odsp", "QRL_odsm", "QRL_44_7p", "QRL_44_7m"})
        for (int m = 1; m <= 12; ++m) EXPECT_EQ(p.printed(stem + std::to_string(m)), "0") << stem << m;
}

// Amounts right-aligned and sized to their text; those of section M on a
// white ground, the months over the form.
TEST(W36186, LabelsLookAsTheirBoxesAsk) {
    using report::Align;
    using testing::Look;
    const Look opaque{Align::Right, true, true};
    std::map<std::string, Look> other;
    for (const char* name : {"QRL_p21", "QRL_p22", "QRL_p31", "QRL_p32", "QRL_p41", "QRL_p42", "QRL_p61", "QRL_p62",
                             "QRL_p8", "QRL_uz_doza1", "QRL_p9", "QRL_uz_zwrot"})
        other[name] = opaque;
    EXPECT_EQ(pages::layout_of("W36186").elements.size(), 84U);
    testing::expect_label_looks("W36186", Look{Align::Right, true}, other);
    EXPECT_EQ(pages::layout_of("W36186").image, (report::Rect{0, 0, 777, 1090}));
    testing::expect_placed("W36186", {{"QRL_p21", 536, 36},
                                      {"QRL_p22", 672, 36},
                                      {"QRL_p8", 676, 188},
                                      {"QRL_uz_doza1", 676, 221},
                                      {"QRL_p9", 676, 251},
                                      {"QRL_uz_zwrot", 676, 283},
                                      {"QRL_44p1", 215, 400, 74, 17},
                                      {"QRL_44p7", 215, 444},
                                      {"QRL_44m1", 215, 508},
                                      {"QRL_odsp1", 219, 646},
                                      {"QRL_odsm1", 219, 754},
                                      {"QRL_44_7p1", 233, 892, 58, 17},
                                      {"QRL_44_7m1", 234, 997}});
}

// Section N's months stand in six columns, months I to VI above VII to XII,
// the taxpayer's two rows above the spouse's.
TEST(W36186, SectionNMonthsInTheirColumns) {
    const int columns[] = {215, 304, 396, 488, 578, 670};
    struct Row {
        const char* stem;
        int first_month, top;
    };
    const Row rows[] = {{"QRL_44p", 1, 400}, {"QRL_44p", 7, 444}, {"QRL_44m", 1, 508}, {"QRL_44m", 7, 550}};
    std::vector<testing::Placed> want;
    for (const auto& row : rows)
        for (int c = 0; c < 6; ++c)
            want.push_back({row.stem + std::to_string(row.first_month + c), columns[c], row.top, 74, 17});
    testing::expect_placed("W36186", want);
}

}  // namespace
}  // namespace dek
