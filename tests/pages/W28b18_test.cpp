// PIT-28/B pages 1/2 and 2/2: the partnership of the sheet's `nrsp` and the
// attachment's totals.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"
#include "tests/pages/pit28_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::pit28_return;

std::vector<std::string> grid(const char* stem) {
    std::vector<std::string> names;
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 6; ++j) names.push_back(stem + std::to_string(i) + std::to_string(j));
    return names;
}

std::vector<std::string> partnership_labels() {
    std::vector<std::string> names = {"QRL_nazsp", "QRL_nipsp", "QRL_prsp", "QRL_przsp", "QRL_przwsp"};
    for (const char* stem : {"QRL_prz_sp", "QRL_prz_wsp"})
        for (const auto& n : grid(stem)) names.push_back(n);
    return names;
}

const char* const kPages[] = {"TF_w28b18_1", "TF_w28b18_2"};

// Both pages show the partnership their `nrsp` names, the NIP exactly as
// stored, the share with two decimals.
TEST(W28b18, ThePartnershipOfTheSheet) {
    for (const char* cls : kPages) {
        for (int n = 1; n <= 4; ++n) {
            SCOPED_TRACE(std::string(cls) + " nrsp " + std::to_string(n));
            HostData d = pit28_return();
            FilledPage p(cls, d, 0, 0, 0, n);
            const std::string s = std::to_string(n);
            EXPECT_EQ(p.printed("QRL_nazsp"), "Spółka nr " + s + " s.c.");
            EXPECT_EQ(p.printed("QRL_nipsp"), "548-214-42-3" + s);
            EXPECT_EQ(p.printed("QRL_prsp"), s + "0,25");
            EXPECT_EQ(p.printed("QRL_przsp"), s + "00.000,00");
            EXPECT_EQ(p.printed("QRL_przwsp"), s + ".000,00");
            EXPECT_EQ(p.printed("QRL_prz_sp11"), s + "00.011,00");
            EXPECT_EQ(p.printed("QRL_prz_sp26"), s + "00.026,00");
            EXPECT_EQ(p.printed("QRL_prz_wsp13"), s + ".013,00");
            EXPECT_EQ(p.printed("QRL_prz_wsp24"), s + ".024,00");
        }
    }
}

TEST(W28b18, ShareOfAPartnershipIsStoredInPercent) {
    HostData d = pit28_return();
    d.rek28.spolki[1].prsp = 51.46;
    FilledPage p("TF_w28b18_1", d, 0, 0, 0, 1);
    EXPECT_EQ(p.printed("QRL_prsp"), "51,46");
}

// The record holds four partnerships: a sheet for any other number shows
// none and reads nothing beyond them.
TEST(W28b18, NoPartnershipOutsideOneToFour) {
    for (const char* cls : kPages) {
        for (int n : {0, 5, 1000, -1}) {
            SCOPED_TRACE(std::string(cls) + " nrsp " + std::to_string(n));
            HostData d = pit28_return();
            FilledPage p(cls, d, 0, 0, 0, n);
            for (const auto& name : partnership_labels()) EXPECT_EQ(p.printed(name), "") << name;
        }
    }
}

TEST(W28b18, NumberOfAttachmentsAsStored) {
    for (int count : {0, 1, 2, 3, 255}) {
        HostData d = pit28_return();
        d.rek28.ilzal[7] = static_cast<byte>(count);
        FilledPage p("TF_w28b18_1", d, 0, 0, 0, 1);
        EXPECT_EQ(p.printed("QRL_ilzalb"), std::to_string(count));
    }
}

// C.3: the stored totals with at most one attachment; with more, the sum of
// the attachment's partnerships, 1 and 2 on the sheet of partnership 2, 3 and
// 4 on any other.
TEST(W28b18, TotalsFromTheStoredSumsOrFromTheAttachmentsPair) {
    struct Case {
        int attachments, nrsp;
        const char *row1_rate1, *row2_rate6;
    };
    const Case cases[] = {
        {0, 2, "70.011,00", "70.026,00"}, {1, 2, "70.011,00", "70.026,00"}, {1, 4, "70.011,00", "70.026,00"},
        {2, 2, "3.022,00", "3.052,00"},   {2, 4, "7.022,00", "7.052,00"},   {3, 4, "7.022,00", "7.052,00"},
        {2, 0, "7.022,00", "7.052,00"},   {2, 5, "7.022,00", "7.052,00"},   {1, 5, "70.011,00", "70.026,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.attachments) + " attachments, nrsp " + std::to_string(c.nrsp));
        HostData d = pit28_return();
        d.rek28.ilzal[7] = static_cast<byte>(c.attachments);
        FilledPage p("TF_w28b18_2", d, 0, 0, 0, c.nrsp);
        EXPECT_EQ(p.printed("QRL_sp11"), c.row1_rate1);
        EXPECT_EQ(p.printed("QRL_sp26"), c.row2_rate6);
    }
}

// Every value bold; amounts right-aligned and sized to their text; the
// partnership's name wraps within its two lines; page 1 has no covers.
TEST(W28b18, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using testing::Look;
    const Look amount{Align::Right, true};
    for (const auto& [unit, nazsp_width] : {std::pair{"W28b18_1", 643}, std::pair{"W28b18_2", 653}}) {
        SCOPED_TRACE(unit);
        std::map<std::string, Look> other = {
            {"QRL_nazsp", {.align = Align::Left, .wraps = true, .width = nazsp_width, .grows = false}},
            {"QRL_nipsp", {.align = Align::Left}},
        };
        if (std::string(unit) == "W28b18_1") {
            other["QRL_nip"] = {.align = Align::Left, .width = 227};
            other["QRL_rok"] = {.align = Align::Left};
            other["QRL_ilzalb"] = {Align::Center, true};
            other["QRL_nazw"] = {};
            other["QRL_im"] = {};
            other["QRL_dur"] = {};
        }
        testing::expect_label_looks(unit, amount, other);
    }
    testing::expect_placed("W28b18_1", {{"QRL_nip", 152, 39, 227, 17},
                                        {"QRL_ilzalb", 406, 314},
                                        {"QRL_nazsp", 96, 414, 643, 37},
                                        {"QRL_prz_sp11", 52, 604},
                                        {"QRL_prz_sp12", 165, 604},
                                        {"QRL_prz_sp13", 287, 604},
                                        {"QRL_prz_sp14", 412, 604},
                                        {"QRL_prz_sp15", 528, 604},
                                        {"QRL_prz_sp16", 650, 604},
                                        {"QRL_prz_sp21", 52, 636},
                                        {"QRL_prz_wsp11", 52, 732},
                                        {"QRL_prz_wsp26", 650, 766}});
    testing::expect_placed("W28b18_2", {{"QRL_nazsp", 74, 78, 653, 33}, {"QRL_sp11", 48, 604}, {"QRL_sp21", 48, 664}});
}

}  // namespace
}  // namespace dek
