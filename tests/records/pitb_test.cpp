#include "records/pitb.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dek {
namespace {

struct SetsCase {
    const char* name;
    std::vector<int> activities;    // indices of present activities
    std::vector<int> partnerships;  // indices of present partnerships
    int sets;
};

dane_pitb block_of(const SetsCase& c) {
    dane_pitb b;
    for (int i : c.activities) b.dzgosp[i].dzial = "Handel " + std::to_string(i);
    for (int i : c.partnerships) b.spolki[i].nazsp = "Spółka " + std::to_string(i);
    return b;
}

TEST(PitbSets, GoByHowManyEntriesArePresentWhereverTheySit) {
    const SetsCase cases[] = {
        {"nothing", {}, {}, 0},
        {"activities 1-2", {1, 2}, {}, 1},
        {"activities 1-3", {1, 2, 3}, {}, 2},
        {"only activities 1 and 4", {1, 4}, {}, 1},
        {"only activity 3", {3}, {}, 1},
        {"activities 2-4", {2, 3, 4}, {}, 2},
        {"partnerships 1-3", {}, {1, 2, 3}, 1},
        {"partnerships 2-5", {}, {2, 3, 4, 5}, 2},
        {"only partnerships 1 and 5", {}, {1, 5}, 1},
        {"partnership 4 alone", {}, {4}, 1},
        {"activity 2 and partnership 3", {2}, {3}, 1},
        {"four activities, three partnerships", {1, 2, 3, 4}, {4, 5, 6}, 2},
        {"everything", {1, 2, 3, 4}, {1, 2, 3, 4, 5, 6}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pitb_sets(block_of(c)), c.sets);
    }
}

// The n-th present entry is the one at the n-th present record position:
// the printed order is the record's, the gaps left out.
TEST(PitbEntries, CountOverThePresentOnesInRecordOrder) {
    const dane_pitb b = block_of({"gaps", {2, 4}, {1, 3, 6}, 0});
    EXPECT_EQ(activities_present(b), 2);
    EXPECT_EQ(partnerships_present(b), 3);
    EXPECT_EQ(nth_activity(b, 1), &b.dzgosp[2]);
    EXPECT_EQ(nth_activity(b, 2), &b.dzgosp[4]);
    EXPECT_EQ(nth_activity(b, 3), nullptr);
    EXPECT_EQ(nth_partnership(b, 1), &b.spolki[1]);
    EXPECT_EQ(nth_partnership(b, 2), &b.spolki[3]);
    EXPECT_EQ(nth_partnership(b, 3), &b.spolki[6]);
    EXPECT_EQ(nth_partnership(b, 4), nullptr);
    EXPECT_EQ(nth_activity(dane_pitb{}, 1), nullptr);
}

TEST(PitbSets, PresenceTakesEveryIdentifyingFieldAsStored) {
    struct Case {
        const char* name;
        void (*fill)(dane_pitb&);
        int sets;
    };
    const Case cases[] = {
        {"activity by its register number", [](dane_pitb& b) { b.dzgosp[3].reg = "123456789"; }, 1},
        {"activity of blanks", [](dane_pitb& b) { b.dzgosp[1].dzial = "   "; }, 1},
        {"activity with only amounts", [](dane_pitb& b) { b.dzgosp[4].prz_dg = 100; }, 0},
        {"partnership by NIP", [](dane_pitb& b) { b.spolki[6].nipsp = "5260250274"; }, 1},
        {"partnership by register number", [](dane_pitb& b) { b.spolki[2].regsp = "1"; }, 1},
        {"partnership with only a place", [](dane_pitb& b) { b.spolki[5].mprowsp = "Kraków"; }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dane_pitb b;
        c.fill(b);
        EXPECT_EQ(pitb_sets(b), c.sets);
    }
}

}  // namespace
}  // namespace dek
