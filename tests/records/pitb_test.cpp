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

TEST(PitbSets, GoByTheHighestPresentEntry) {
    const SetsCase cases[] = {
        {"nothing", {}, {}, 0},
        {"activities 1-2", {1, 2}, {}, 1},
        {"activities 1-3", {1, 2, 3}, {}, 2},
        {"only activities 1 and 4", {1, 4}, {}, 2},
        {"only activity 3", {3}, {}, 2},
        {"partnerships 1-3", {}, {1, 2, 3}, 1},
        {"only partnerships 1 and 5", {}, {1, 5}, 2},
        {"partnership 4 alone", {}, {4}, 2},
        {"activity 2 and partnership 3", {2}, {3}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dane_pitb b;
        for (int i : c.activities) b.dzgosp[i].dzial = "Handel " + std::to_string(i);
        for (int i : c.partnerships) b.spolki[i].nazsp = "Spółka " + std::to_string(i);
        EXPECT_EQ(pitb_sets(b), c.sets);
    }
}

TEST(PitbSets, PresenceTakesEveryIdentifyingFieldAsStored) {
    struct Case {
        const char* name;
        void (*fill)(dane_pitb&);
        int sets;
    };
    const Case cases[] = {
        {"activity by its register number", [](dane_pitb& b) { b.dzgosp[3].reg = "123456789"; }, 2},
        {"activity of blanks", [](dane_pitb& b) { b.dzgosp[1].dzial = "   "; }, 1},
        {"activity with only amounts", [](dane_pitb& b) { b.dzgosp[4].prz_dg = 100; }, 0},
        {"partnership by NIP", [](dane_pitb& b) { b.spolki[6].nipsp = "5260250274"; }, 2},
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
