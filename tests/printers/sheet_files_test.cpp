// The names the PDF printer gives its sheets, and the clearing of an earlier
// print's sheets: nothing but those names goes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "platform/printers.h"

namespace dek::platform {
namespace {

namespace fs = std::filesystem;

const IsPageClass kClasses = [](std::string_view name) {
    static const std::set<std::string, std::less<>> known = {"TF_w37181", "TF_w37182", "TF_wzg18_1"};
    return known.count(name) != 0;
};

TEST(SheetFileName, OnlyTheNamesRunsAreGiven) {
    const struct {
        const char* name;
        bool sheet;
    } cases[] = {
        {"01-TF_w37181.pdf", true},
        {"02-TF_w37182.pdf", true},
        {"99-TF_wzg18_1.pdf", true},
        {"100-TF_w37181.pdf", true},
        {"01-TF_w37181_podpisany.pdf", false},  // no such page class
        {"2018-TF_wyciag_bankowy.pdf", false},
        {"2018-TF_w37181.pdf", false},  // a year, not a run number
        {"001-TF_w37181.pdf", false},
        {"00-TF_w37181.pdf", false},
        {"1-TF_w37181.pdf", false},
        {"01-TF_w37181.PDF", false},
        {"01-TF_w37181.pdf.bak", false},
        {"01-TF_x.pdf", false},
        {"01-.pdf", false},
        {"01-TF_w37181", false},
        {".dek2018.lock", false},
    };
    for (const auto& c : cases) EXPECT_EQ(is_sheet_file_name(c.name, kClasses), c.sheet) << c.name;
}

TEST(SheetFiles, ClearingLeavesTheUsersFiles) {
    const fs::path dir = fs::temp_directory_path() / ("dek2018-sheets-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* name : {"01-TF_w37181.pdf", "02-TF_w37182.pdf", "01-TF_w37181_podpisany.pdf",
                             "2018-TF_wyciag_bankowy.pdf", "notes.txt", ".dek2018.lock"})
        std::ofstream(dir / name) << "x";
    EXPECT_EQ(remove_sheet_files(dir, kClasses), 2);
    std::set<std::string> left;
    for (const auto& e : fs::directory_iterator(dir)) left.insert(e.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"01-TF_w37181_podpisany.pdf", "2018-TF_wyciag_bankowy.pdf", "notes.txt",
                                           ".dek2018.lock"}));
    fs::remove_all(dir);
}

}  // namespace
}  // namespace dek::platform
