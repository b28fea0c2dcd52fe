// The names of the printed sheets, as the dialogs give them to a document of
// the whole return: each dialog run on fake pages, every prompt confirmed
// unless the case cancels some; one name per sheet that reached the printer.
#include "jobs/sheet_title.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "fake_pages.h"
#include "fake_printers.h"
#include "jobs/registry.h"
#include "platform/scripted_platform.h"
#include "records/rekster.h"

namespace dek::jobs {
namespace {

using testing::fake_pages;

struct TitleCase {
    const char* name;
    const char* dialog;
    std::function<void(HostData&)> setup;
    std::set<int> cancel;
    std::vector<std::string> titles;
    friend void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }
};

// The names told while the dialog's job runs, checked against the sheets
// the printer received: one name for each, in the same order.
std::vector<std::string> run_dialog(const TitleCase& c) {
    fake_pages() = {};
    fake_pages().available = testing::all_fake_pages();
    HostData data;
    for (std::size_t at :
         {rekster_t::niezadr28_at, rekster_t::niezadr36_at, rekster_t::niezadr36l_at, rekster_t::niezadr37_at})
        data.rekster.set_niezadr(at, true);
    c.setup(data);
    testing::FakePrinters printers;
    platform::ScriptedPlatform platform(printers, platform::Script{c.cancel, {}});
    std::vector<std::string> titles;
    std::size_t runs_when_told = 0;
    const DialogContext ctx{data, platform, &testing::find_fake_page, [&](const std::string& title) {
                                EXPECT_EQ(printers.runs.size(), runs_when_told) << "a name without its sheet";
                                titles.push_back(title);
                                runs_when_told = printers.runs.size() + 1;
                            }};
    std::unique_ptr<PrintDialog> dialog = create_dialog(c.dialog, ctx, nullptr);
    dialog->activate();
    dialog->kl_druk->click();
    EXPECT_EQ(printers.runs.size(), titles.size());
    EXPECT_EQ(platform.errors(), 0);
    return titles;
}

class SheetTitles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(SheetTitles, NameEachPrintedSheetInOrder) { EXPECT_EQ(run_dialog(GetParam()), GetParam().titles); }

void activities(HostData& d, int person, int count) {
    for (int i = 1; i <= count; ++i) d.rekdek.pitb[person].dzgosp[i].dzial = "Usługi remontowe";
}

const TitleCase kCases[] = {
    // The checkbox captions with their double blanks made one.
    {"Pit37EveryBox",
     "Tf_wydpit37",
     [](HostData& d) {
         d.rekdek.ilzal[2] = 1;
         d.rekdek.ilzal[3] = 1;
         d.rekdek.ilzal[5] = 1;
     },
     {},
     {"PIT-37 1/4", "PIT-37 2/4", "PIT-37 3/4", "PIT-37 4/4", "PIT/O 1/4", "PIT/O 2/4", "PIT/O 3/4", "PIT/O 4/4",
      "PIT/D 1/2", "PIT/D 2/2", "PIT-2K 1/1"}},
    // A cancelled prompt: no sheet, no name.
    {"Pit37SecondPromptCancelled",
     "Tf_wydpit37",
     [](HostData& d) { d.rekdek.ilzal[2] = 1; },
     {2},
     {"PIT-37 1/4", "PIT-37 3/4", "PIT-37 4/4", "PIT/D 1/2", "PIT/D 2/2"}},
    // Joint return, two PIT/B sets each: every PIT/B sheet names its person
    // and the set among that person's; the per-person sheets named by whose
    // they are.
    {"Pit36JointTwoSetsEach",
     "Tf_wydpit36",
     [](HostData& d) {
         d.rekdek.sp_opod = 1;
         d.rekdek.ilzal[1] = 1;
         d.rekdek.ilzal[6] = 1;
         activities(d, 1, 3);
         activities(d, 2, 4);
     },
     {},
     {"PIT-36 1/7", "PIT-36 2/7", "PIT-36 3/7", "PIT-36 4/7", "PIT-36 5/7", "PIT-36 6/7", "PIT-36 7/7",
      "PIT/B 1/2 (podatnik, zestaw 1)", "PIT/B 2/2 (podatnik, zestaw 1)", "PIT/B 1/2 (podatnik, zestaw 2)",
      "PIT/B 2/2 (podatnik, zestaw 2)", "PIT/B 1/2 (małżonek, zestaw 1)", "PIT/B 2/2 (małżonek, zestaw 1)",
      "PIT/B 1/2 (małżonek, zestaw 2)", "PIT/B 2/2 (małżonek, zestaw 2)", "PIT/ZG 1/1 (podatnik)",
      "PIT/ZG 1/1 (małżonek)"}},
    // The taxpayer with one set, the spouse with two: a set number only for
    // the person who has several.
    {"Pit36JointOneSetAndTwo",
     "Tf_wydpit36",
     [](HostData& d) {
         d.rekdek.sp_opod = 1;
         d.rekdek.ilzal[1] = 1;
         activities(d, 1, 2);
         activities(d, 2, 3);
     },
     {1, 2, 3, 4, 5, 6, 7},
     {"PIT/B 1/2 (podatnik)", "PIT/B 2/2 (podatnik)", "PIT/B 1/2 (małżonek, zestaw 1)",
      "PIT/B 2/2 (małżonek, zestaw 1)", "PIT/B 1/2 (małżonek, zestaw 2)", "PIT/B 2/2 (małżonek, zestaw 2)"}},
    // One set only: the person, no set number.
    {"Pit36LOneSet",
     "Tf_wydpit36L",
     [](HostData& d) {
         d.rekdek.ilzal[1] = 1;
         activities(d, 1, 1);
     },
     {1, 2, 3, 4},
     {"PIT/B 1/2 (podatnik)", "PIT/B 2/2 (podatnik)"}},
    {"Pit28TwoPit28B",
     "Tf_wydpit28",
     [](HostData& d) { d.rek28.ilzal[7] = 2; },
     {1, 2, 3, 4},
     {"PIT-28/B 1/2 (zestaw 1)", "PIT-28/B 2/2 (zestaw 1)", "PIT-28/B 1/2 (zestaw 2)", "PIT-28/B 2/2 (zestaw 2)"}},
};

INSTANTIATE_TEST_SUITE_P(Dialogs, SheetTitles, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CollapseBlanks, MakesEveryRunOneBlankAndTrimsTheEnds) {
    EXPECT_EQ(collapse_blanks("PIT/O  1/4"), "PIT/O 1/4");
    EXPECT_EQ(collapse_blanks("  PIT-2K \t 1/1  "), "PIT-2K 1/1");
    EXPECT_EQ(collapse_blanks(""), "");
}

}  // namespace
}  // namespace dek::jobs
