// The PIT-36, PIT-36L and PIT-28 dialogs: what differs from the PIT-37 one
// (components, places, attachment counts, settings byte, job), one table
// per dialog. The behaviour they share is tested on the PIT-37 dialog.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "fake_pages.h"
#include "fake_printers.h"
#include "jobs/registry.h"
#include "platform/scripted_platform.h"
#include "records/rekster.h"

namespace dek::jobs {
namespace {

namespace fs = std::filesystem;
using testing::fake_pages;

// A column of the group's boxes: their left edge, then each box's name,
// caption and top, going down.
struct Column {
    int left;
    std::vector<std::tuple<std::string, std::string, int>> boxes;
};

struct Attachment {
    int ilzal;  // index of the count
    std::vector<std::string> boxes;
};

struct DialogTable {
    const char* class_name;
    const char* caption;
    int pages;  // of the return itself
    QSize size;
    QRect group;
    std::vector<Column> columns;
    std::vector<QRect> panels;  // Panel1, Panel2, ...
    QRect zmust;
    QPoint niezadr, druk, anuluj, ust_dr;
    bool system_menu;
    std::size_t niezadr_at;
    bool counts_of_rek28;  // the counts are `rek28.ilzal`, else `rekdek.ilzal`
    std::vector<Attachment> attachments;
    friend void PrintTo(const DialogTable& t, std::ostream* os) { *os << t.class_name; }
};

const DialogTable kPit36{
    "Tf_wydpit36",
    "Wydruk zeznania PIT-36",
    7,
    {625, 523},
    {10, 10, 439, 202},
    {
        {20,
         {{"chbox_st_1", "PIT-36 1/7", 20},
          {"chbox_st_2", "PIT-36 2/7", 41},
          {"chbox_st_3", "PIT-36 3/7", 62},
          {"chbox_st_4", "PIT-36 4/7", 85},
          {"chbox_st_5", "PIT-36 5/7", 106},
          {"ChBox_st_6", "PIT-36 6/7", 127},
          {"ChBox_st_7", "PIT-36 7/7", 149}}},
        {122,
         {{"chbox_b_1", "PIT/B  1/2", 20},
          {"chbox_b_2", "PIT/B  2/2", 41},
          {"chbox_o_1", "PIT/O  1/4", 62},
          {"chbox_o_2", "PIT/O  2/4", 85},
          {"chbox_o_3", "PIT/O  3/4", 106},
          {"ChBox_o_4", "PIT/O  4/4", 126}}},
        {224, {{"chbox_d_1", "PIT/D  1/2", 18}, {"chbox_d_2", "PIT/D  2/2", 39}, {"Chbox_zg_1", "PIT/ZG  1/1", 62}}},
        {223, {{"Chbox_br_1", "PIT/BR  1/2", 113}}},
        {221, {{"Chbox_br_2", "PIT/BR  2/2", 132}}},
        {323,
         {{"chbox_m_1", "PIT/M  1/1", 18},
          {"chbox_2k_1", "PIT-2K  1/1", 39},
          {"ChBox_z_1", "PIT/Z  1/2", 62},
          {"ChBox_z_2", "PIT/Z  2/2", 85}}},
        {320, {{"Chbox_ds_1", "PIT/DS  1/2", 111}, {"Chbox_ds_2", "PIT/DS  2/2", 132}}},
    },
    {{120, 57, 74, 1}, {219, 57, 80, 1}, {317, 57, 80, 1}, {219, 106, 74, 0}, {317, 106, 74, 0}},
    {328, 169, 99, 20},
    {8, 236},
    {306, 304},
    {306, 346},
    {2, 310},
    false,
    rekster_t::niezadr36_at,
    false,
    {
        {1, {"chbox_b_1", "chbox_b_2"}},
        {2, {"chbox_d_1", "chbox_d_2"}},
        {3, {"chbox_2k_1"}},
        {4, {"chbox_m_1"}},
        {5, {"chbox_o_1", "chbox_o_2", "chbox_o_3", "ChBox_o_4"}},
        {6, {"Chbox_zg_1"}},
        {9, {"ChBox_z_1", "ChBox_z_2"}},
        {7, {"Chbox_br_1", "Chbox_br_2"}},
        {8, {"Chbox_ds_1", "Chbox_ds_2"}},
    },
};

const DialogTable kPit36l{
    "Tf_wydpit36L",
    "Wydruk zeznania PIT-36L",
    4,
    {574, 480},
    {10, 10, 440, 124},
    {
        {20,
         {{"chbox_st_1", "PIT-36L 1/4", 20},
          {"chbox_st_2", "PIT-36L 2/4", 41},
          {"chbox_st_3", "PIT-36L 3/4", 62},
          {"chbox_st_4", "PIT-36L 4/4", 82}}},
        {130,
         {{"chbox_b_1", "PIT/B  1/2", 20},
          {"chbox_b_2", "PIT/B  2/2", 41},
          {"ChBox_z_1", "PIT/Z 1/2", 62},
          {"ChBox_z_2", "PIT/Z 2/2", 85}}},
        {228,
         {{"Chbox_zg_1", "PIT/ZG  1/1", 20},
          {"Chbox_br_1", "PIT/BR  1/2", 41},
          {"Chbox_br_2", "PIT/BR  2/2", 60},
          {"Chbox_ds_1", "PIT/DS  1/2", 85},
          {"Chbox_ds_2", "PIT/DS  2/2", 102}}},
    },
    {},
    {325, 72, 98, 21},
    {10, 181},
    {306, 273},
    {306, 315},
    {15, 281},
    false,
    rekster_t::niezadr36l_at,
    false,
    {
        {1, {"chbox_b_1", "chbox_b_2"}},
        {6, {"Chbox_zg_1"}},
        {9, {"ChBox_z_1", "ChBox_z_2"}},
        {7, {"Chbox_br_1", "Chbox_br_2"}},
        {8, {"Chbox_ds_1", "Chbox_ds_2"}},
    },
};

// No PIT/O 4/4 box: a lump-sum taxpayer has no child relief.
const DialogTable kPit28{
    "Tf_wydpit28",
    "Wydruk zeznania PIT-28",
    4,
    {675, 480},
    {10, 10, 465, 168},
    {
        {20,
         {{"chbox_st_1", "PIT-28 1/4", 20},
          {"chbox_st_2", "PIT-28 2/4", 41},
          {"chbox_st_3", "PIT-28 3/4", 62},
          {"chbox_st_4", "PIT-28 4/4", 85}}},
        {122,
         {{"chbox_a", "PIT-28/A  1/1", 20}, {"chbox_b_1", "PIT-28/B  1/2", 41}, {"chbox_b_2", "PIT-28/B  2/2", 62}}},
        {236,
         {{"chbox_d_1", "PIT/D  1/2", 20},
          {"chbox_d_2", "PIT/D  2/2", 41},
          {"chbox_o_1", "PIT/O  1/4", 62},
          {"chbox_o_2", "PIT/O  2/4", 85},
          {"chbox_o_3", "PIT/O  3/4", 110}}},
        {333, {{"chbox_2k", "PIT-2K  1/1", 20}}},
    },
    {{228, 57, 88, 1}},
    {343, 127, 98, 21},
    {10, 190},
    {306, 273},
    {306, 315},
    {2, 276},
    true,
    rekster_t::niezadr28_at,
    true,
    {
        {1, {"chbox_o_1", "chbox_o_2", "chbox_o_3"}},
        {2, {"chbox_d_1", "chbox_d_2"}},
        {3, {"chbox_2k"}},
        {6, {"chbox_a"}},
        {7, {"chbox_b_1", "chbox_b_2"}},
    },
};

class DialogTables : public ::testing::TestWithParam<DialogTable> {
protected:
    HostData data;
    testing::FakePrinters printers;
    platform::Script script;
    std::unique_ptr<platform::ScriptedPlatform> platform;
    std::unique_ptr<PrintDialog> dialog;
    fs::path dir = fs::temp_directory_path() / ("dek_dialog_tables_" + std::to_string(::getpid()));

    void SetUp() override {
        fake_pages() = {};
        fake_pages().available = testing::all_fake_pages();
        set_counts(1);
        data.rekster.set_niezadr(GetParam().niezadr_at, true);
        fs::create_directories(dir);
        const fs::path settings = dir / "ster.dat";
        std::ofstream(settings, std::ios::binary)
            .write(reinterpret_cast<const char*>(data.rekster.bytes.data()),
                   static_cast<std::streamsize>(data.rekster.bytes.size()));
        data.zbster = zbster_t{settings.string()};
    }
    void TearDown() override {
        dialog.reset();
        fs::remove_all(dir);
    }
    // Every attachment count of the dialog's record := n; the other record's := 1 - n.
    void set_counts(std::uint8_t n) {
        for (auto& c : data.rekdek.ilzal) c = GetParam().counts_of_rek28 ? 1 - n : n;
        for (auto& c : data.rek28.ilzal) c = GetParam().counts_of_rek28 ? n : 1 - n;
    }
    std::uint8_t& count(int k) { return GetParam().counts_of_rek28 ? data.rek28.ilzal[k] : data.rekdek.ilzal[k]; }
    PrintDialog& make() {
        platform = std::make_unique<platform::ScriptedPlatform>(printers, script);
        dialog =
            create_dialog(GetParam().class_name, DialogContext{data, *platform, &testing::find_fake_page}, nullptr);
        if (!dialog) throw std::runtime_error(std::string(GetParam().class_name) + " is not registered");
        return *dialog;
    }
    QCheckBox* box(const std::string& name) const { return dialog->page_checkbox(name); }
    static std::vector<std::string> box_names() {
        std::vector<std::string> names;
        for (const Column& c : GetParam().columns)
            for (const auto& b : c.boxes) names.push_back(std::get<0>(b));
        return names;
    }
};

TEST_P(DialogTables, ComponentsHaveTheirNamesCaptionsAndPlaces) {
    const DialogTable& t = GetParam();
    PrintDialog& d = make();
    EXPECT_EQ(d.objectName().toStdString(), std::string(t.class_name).substr(1));
    EXPECT_EQ(d.size(), t.size);
    EXPECT_EQ(d.g_str->geometry(), t.group);
    EXPECT_EQ(d.windowFlags().testFlag(Qt::WindowSystemMenuHint), t.system_menu);
    std::size_t count = 0;
    for (const Column& c : t.columns) {
        for (const auto& [name, caption, top] : c.boxes) {
            SCOPED_TRACE(name);
            QCheckBox* w = box(name);
            EXPECT_EQ(w->text().toStdString(), caption);
            EXPECT_EQ(w->pos(), QPoint(c.left, top));
            EXPECT_TRUE(w->isChecked() && w->isEnabled());
            ++count;
        }
    }
    EXPECT_EQ(d.g_str->findChildren<QCheckBox*>(Qt::FindDirectChildrenOnly).size(), static_cast<qsizetype>(count));
    for (std::size_t i = 0; i < t.panels.size(); ++i) {
        auto* panel = d.g_str->findChild<QFrame*>(QString("Panel%1").arg(i + 1), Qt::FindDirectChildrenOnly);
        ASSERT_NE(panel, nullptr) << "Panel" << i + 1;
        EXPECT_EQ(panel->geometry(), t.panels[i]) << "Panel" << i + 1;
    }
    EXPECT_EQ(d.g_str->findChild<QFrame*>(QString("Panel%1").arg(t.panels.size() + 1)), nullptr);
    EXPECT_EQ(d.kl_zmust->geometry(), t.zmust);
    EXPECT_EQ(d.ChB_niezadr->pos(), t.niezadr);
    EXPECT_EQ(d.kl_druk->pos(), t.druk);
    EXPECT_EQ(d.kl_anuluj->pos(), t.anuluj);
    EXPECT_EQ(d.ust_dr->pos(), t.ust_dr);
}

// A count of 0 disables and unticks exactly its attachment's boxes, for good;
// the counts are read from the dialog's own record.
TEST_P(DialogTables, ACountOfZeroDisablesExactlyItsBoxes) {
    for (const Attachment& a : GetParam().attachments) {
        SCOPED_TRACE("ilzal[" + std::to_string(a.ilzal) + "]");
        set_counts(1);
        count(a.ilzal) = 0;
        PrintDialog& d = make();
        d.activate();
        for (int press = 0; press < 2; ++press) {
            for (const std::string& name : box_names()) {
                const bool off = std::find(a.boxes.begin(), a.boxes.end(), name) != a.boxes.end();
                EXPECT_EQ(box(name)->isEnabled(), !off) << name;
                EXPECT_EQ(box(name)->isChecked(), !off && press == 0) << name;
            }
            d.kl_zmust->click();
        }
    }
}

TEST_P(DialogTables, TheOtherRecordsCountsChangeNothing) {
    set_counts(1);
    PrintDialog& d = make();
    d.activate();
    for (const std::string& name : box_names()) EXPECT_TRUE(box(name)->isEnabled() && box(name)->isChecked()) << name;
    set_counts(0);
    d.deactivate();
    d.activate();
    for (const Attachment& a : GetParam().attachments)
        for (const auto& name : a.boxes) EXPECT_FALSE(box(name)->isEnabled()) << name;
}

// The dialog's own blank-sheet byte: its caption follows it, unticking the
// box writes that byte back and no other, and "&Drukuj" runs its own job.
TEST_P(DialogTables, BlankSheetByteCaptionAndJob) {
    const DialogTable& t = GetParam();
    PrintDialog& d = make();
    d.activate();
    EXPECT_EQ(d.windowTitle().toStdString(), std::string(t.caption) + " (za rok 2018)");
    const rekster_t before = data.rekster;
    d.ChB_niezadr->click();
    EXPECT_EQ(d.windowTitle().toStdString(), t.caption);
    d.deactivate();
    for (std::size_t at = 0; at < rekster_t::size; ++at)
        EXPECT_EQ(data.rekster.bytes[at], at == t.niezadr_at ? 0 : before.bytes[at]) << at;
    std::ifstream file(dir / "ster.dat", std::ios::binary);
    rekster_t written;
    file.read(reinterpret_cast<char*>(written.bytes.data()), static_cast<std::streamsize>(written.bytes.size()));
    EXPECT_EQ(written, data.rekster);

    d.activate();
    d.ChB_niezadr->click();
    d.kl_zmust->click();
    box("chbox_st_1")->click();
    d.kl_druk->click();
    ASSERT_EQ(platform->events().size(), 2u);
    EXPECT_EQ(platform->events()[0], std::string("PROMPT ") + t.caption + " | Wydruk strony 1/" +
                                         std::to_string(t.pages) + "\\n\\r   Włóż kartkę");
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogTables, ::testing::Values(kPit36, kPit36l, kPit28),
                         [](const auto& info) { return std::string(info.param.class_name).substr(3); });

}  // namespace
}  // namespace dek::jobs
