#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "fake_pages.h"
#include "fake_printers.h"
#include "jobs/dekw3718.h"
#include "jobs/registry.h"
#include "platform/scripted_platform.h"
#include "records/rekster.h"

namespace dek::jobs {
namespace {

namespace fs = std::filesystem;
using testing::fake_pages;

const std::vector<std::string> kPit37Boxes{"chbox_st_1", "chbox_st_2", "chbox_st_3", "chbox_st_4",
                                           "chbox_o_1",  "chbox_o_2",  "ChBox_o_3",  "ChBox_o_4",
                                           "chbox_d_1",  "chbox_d_2",  "chbox_2k_1"};

// The settings file's system calls, counted; a step can be made to fail.
struct CountingOps : FileOps {
    int opens = 0;
    int fail_write_errno = 0;
    int open_rw(const char* path) override {
        ++opens;
        return FileOps::open_rw(path);
    }
    ssize_t pwrite(int fd, const void* buf, std::size_t n, off_t offset) override {
        if (fail_write_errno != 0) {
            errno = fail_write_errno;
            return -1;
        }
        return FileOps::pwrite(fd, buf, n, offset);
    }
};

class Pit37Dialog : public ::testing::Test {
protected:
    HostData data;
    testing::FakePrinters printers;
    platform::Script script;
    std::unique_ptr<platform::ScriptedPlatform> platform;
    std::unique_ptr<QMainWindow> host;  // destroyed after the dialog it owns
    std::unique_ptr<PrintDialog> dialog;
    std::shared_ptr<CountingOps> ops = std::make_shared<CountingOps>();
    fs::path dir = fs::temp_directory_path() / ("dek_dialog_" + std::to_string(::getpid()) + "_" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path settings = dir / "ster.dat";

    void SetUp() override {
        fake_pages() = {};
        fake_pages().available = testing::pit37_pages();
        data.rekdek.ilzal[2] = 1;
        data.rekdek.ilzal[3] = 1;
        data.rekdek.ilzal[5] = 1;
        for (std::size_t i = 0; i < rekster_t::size; ++i) data.rekster.bytes[i] = static_cast<std::uint8_t>(i * 5 + 1);
        data.rekster.bytes[rekster_t::dr_bezp_at] = 0;
        data.rekster.set_niezadr(rekster_t::niezadr37_at, true);
        fs::create_directories(dir);
        write_file(data.rekster);
        data.zbster = zbster_t{settings.string(), ops};
    }
    void TearDown() override {
        dialog.reset();
        fs::remove_all(dir);
    }

    void write_file(const rekster_t& r) {
        std::ofstream(settings, std::ios::binary)
            .write(reinterpret_cast<const char*>(r.bytes.data()), static_cast<std::streamsize>(r.bytes.size()));
    }
    rekster_t read_file() const {
        rekster_t r;
        std::ifstream(settings, std::ios::binary)
            .read(reinterpret_cast<char*>(r.bytes.data()), static_cast<std::streamsize>(r.bytes.size()));
        return r;
    }

    PrintDialog& make(QWidget* owner = nullptr) {
        platform = std::make_unique<platform::ScriptedPlatform>(printers, script);
        dialog = create_dialog("Tf_wydpit37", DialogContext{data, *platform, &testing::find_fake_page}, owner);
        if (!dialog) throw std::runtime_error("Tf_wydpit37 is not registered");
        return *dialog;
    }
    QCheckBox* box(const std::string& name) const { return dialog->page_checkbox(name); }
    std::vector<bool> ticks() const {
        std::vector<bool> t;
        for (const auto& name : kPit37Boxes) t.push_back(box(name)->isChecked());
        return t;
    }
    const std::vector<std::string>& events() const { return platform->events(); }
};

TEST_F(Pit37Dialog, RegisteredByNameWhenTheModuleLoads) {
    EXPECT_TRUE(is_registered("Tf_wydpit37"));
    EXPECT_NE(dynamic_cast<Tf_wydpit37*>(&make()), nullptr);
    EXPECT_EQ(create_dialog("Tf_wydpit99", DialogContext{data, *platform, &testing::find_fake_page}, nullptr), nullptr);
}

struct Component {
    const char* name;
    const char* kind;     // Qt class
    const char* parent;   // objectName of the parent widget
    const char* caption;  // text, or nullptr
    int left, top;
    int width = -1, height = -1;  // -1: not fixed
};

// The dialog's components with their names, captions, places and sizes.
const Component kComponents[] = {
    {"g_str", "QGroupBox", "f_wydpit37", "Drukować strony", 10, 10, 439, 111},
    {"chbox_st_1", "QCheckBox", "g_str", "PIT-37 1/4", 20, 20},
    {"chbox_st_2", "QCheckBox", "g_str", "PIT-37 2/4", 20, 41},
    {"chbox_st_3", "QCheckBox", "g_str", "PIT-37 3/4", 20, 62},
    {"chbox_st_4", "QCheckBox", "g_str", "PIT-37 4/4", 20, 81},
    {"chbox_o_1", "QCheckBox", "g_str", "PIT/O  1/4", 115, 20},
    {"chbox_o_2", "QCheckBox", "g_str", "PIT/O  2/4", 115, 41},
    {"ChBox_o_3", "QCheckBox", "g_str", "PIT/O  3/4", 115, 62},
    {"ChBox_o_4", "QCheckBox", "g_str", "PIT/O  4/4", 115, 81},
    {"chbox_d_1", "QCheckBox", "g_str", "PIT/D 1/2", 224, 20},
    {"chbox_d_2", "QCheckBox", "g_str", "PIT/D 2/2", 224, 41},
    {"chbox_2k_1", "QCheckBox", "g_str", "PIT-2K  1/1", 323, 20},
    {"kl_zmust", "QPushButton", "g_str", "zmiana wszystkich", 325, 73, 98, 20},
    {"ChB_niezadr", "QCheckBox", "f_wydpit37", "wydruk na czystych kartkach (nadruk formularza i danych)", 10, 140,
     299},
    {"kl_druk", "QPushButton", "f_wydpit37", "&Drukuj", 310, 273, 109, 32},
    {"kl_anuluj", "QPushButton", "f_wydpit37", "&Anuluj", 306, 315, 109, 32},
    {"ust_dr", "QFrame", "f_wydpit37", nullptr, 3, 283, 254, 68},
    {"e_druk", "QLabel", "ust_dr", nullptr, 0, 0, 254, 28},
    {"kl_ustdr", "QPushButton", "ust_dr", "&Ustawienia drukarki...", 10, 39, 116, 25},
};

TEST_F(Pit37Dialog, ComponentsHaveTheirNamesCaptionsPlacesAndSizes) {
    PrintDialog& d = make();
    EXPECT_EQ(d.objectName(), "f_wydpit37");
    EXPECT_EQ(d.size(), QSize(573, 480));
    for (const Component& c : kComponents) {
        SCOPED_TRACE(c.name);
        auto* w = d.findChild<QWidget*>(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->inherits(c.kind));
        EXPECT_EQ(w->parentWidget()->objectName(), c.parent);
        if (c.caption != nullptr) {
            QString text = w->property(w->inherits("QGroupBox") ? "title" : "text").toString();
            EXPECT_EQ(text.toStdString(), c.caption);
        }
        EXPECT_EQ(w->pos(), QPoint(c.left, c.top));
        if (c.width >= 0) {
            EXPECT_EQ(w->width(), c.width);
        }
        if (c.height >= 0) {
            EXPECT_EQ(w->height(), c.height);
        }
    }
    EXPECT_TRUE(d.kl_druk->isDefault());
    ASSERT_NE(d.findChild<QMenu*>("Pm_zm_ust"), nullptr);
    auto* item = d.findChild<QAction*>("pm_zm_wsz");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text().toStdString(), "zmiana wszystkich");
    // Design state: every page ticked, the blank-sheet box hidden and unticked.
    for (const auto& name : kPit37Boxes) EXPECT_TRUE(box(name)->isChecked() && box(name)->isEnabled()) << name;
    EXPECT_FALSE(d.ChB_niezadr->isVisibleTo(&d));
    EXPECT_FALSE(d.ChB_niezadr->isChecked());
}

TEST_F(Pit37Dialog, BoxesOfPagesThatDoNotExistAreDisabledUntickedAndStaySo) {
    fake_pages().available = {"TF_w37181", "TF_wd18_2"};
    PrintDialog& d = make();
    d.activate();
    for (int press = 0; press < 3; ++press) {
        for (const auto& name : kPit37Boxes) {
            const bool exists = name == "chbox_st_1" || name == "chbox_d_2";
            EXPECT_EQ(box(name)->isEnabled(), exists) << name;
            if (!exists) {
                EXPECT_FALSE(box(name)->isChecked()) << name;
            }
        }
        d.kl_zmust->click();
    }
}

struct Attachment {
    int ilzal;
    std::vector<std::string> boxes;
    friend void PrintTo(const Attachment& a, std::ostream* os) { *os << "ilzal[" << a.ilzal << "] = 0"; }
};

class Pit37DialogAttachment : public Pit37Dialog, public ::testing::WithParamInterface<Attachment> {};

// An attachment with count 0: its boxes are greyed out and unticked at
// activation, and "zmiana wszystkich" never ticks them.
TEST_P(Pit37DialogAttachment, CountZeroDisablesItsBoxesForGood) {
    data.rekdek.ilzal[GetParam().ilzal] = 0;
    PrintDialog& d = make();
    d.activate();
    auto is_attachment = [&](const std::string& name) {
        const auto& b = GetParam().boxes;
        return std::find(b.begin(), b.end(), name) != b.end();
    };
    for (int press = 0; press < 3; ++press) {
        SCOPED_TRACE(press);
        for (const auto& name : kPit37Boxes) {
            EXPECT_EQ(box(name)->isEnabled(), !is_attachment(name)) << name;
            // The other boxes start ticked and change with every press.
            EXPECT_EQ(box(name)->isChecked(), !is_attachment(name) && press % 2 == 0) << name;
        }
        if (press == 1)
            d.pm_zm_wsz->trigger();
        else
            d.kl_zmust->click();
    }
}

INSTANTIATE_TEST_SUITE_P(Attachments, Pit37DialogAttachment,
                         ::testing::Values(Attachment{2, {"chbox_d_1", "chbox_d_2"}}, Attachment{3, {"chbox_2k_1"}},
                                           Attachment{5, {"chbox_o_1", "chbox_o_2", "ChBox_o_3", "ChBox_o_4"}}),
                         [](const auto& info) { return "ilzal" + std::to_string(info.param.ilzal); });

TEST_F(Pit37Dialog, TwoPressesOfChangeAllBringBackTheTicks) {
    PrintDialog& d = make();
    d.activate();
    box("chbox_st_2")->click();
    box("chbox_o_1")->click();
    const auto before = ticks();
    d.kl_zmust->click();
    const auto once = ticks();
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_NE(once[i], before[i]) << kPit37Boxes[i];
    d.pm_zm_wsz->trigger();
    EXPECT_EQ(ticks(), before);
    // The blank-sheet box is not one of the group's.
    EXPECT_TRUE(d.ChB_niezadr->isChecked());
}

struct Activation {
    const char* name;
    bool niezadr37;
    std::uint8_t dr_bezp;
    bool chb_visible, chb_ticked;
    const char* caption;
    friend void PrintTo(const Activation& a, std::ostream* os) { *os << a.name; }
};

class Pit37DialogActivation : public Pit37Dialog, public ::testing::WithParamInterface<Activation> {};

TEST_P(Pit37DialogActivation, ReadsTheBlankSheetSettingAndThePrintingMode) {
    const Activation& a = GetParam();
    data.rekster.set_niezadr(rekster_t::niezadr37_at, a.niezadr37);
    data.rekster.bytes[rekster_t::dr_bezp_at] = a.dr_bezp;
    printers.current = 1;
    PrintDialog& d = make();
    d.activate();
    EXPECT_EQ(d.ChB_niezadr->isVisibleTo(&d), a.chb_visible);
    EXPECT_EQ(d.ChB_niezadr->isChecked(), a.chb_ticked);
    EXPECT_EQ(d.ust_dr->isVisibleTo(&d), a.dr_bezp == 0);
    if (a.dr_bezp == 0) {
        EXPECT_EQ(d.ust_dr->e_druk->text().toStdString(), "Sekretariat");
    }
    EXPECT_EQ(d.wydr_niezadr, a.chb_ticked);
    EXPECT_EQ(d.windowTitle().toStdString(), a.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, Pit37DialogActivation,
    ::testing::Values(Activation{"BlankSheetOn", true, 0, true, true, "Wydruk zeznania PIT-37 (za rok 2018)"},
                      Activation{"BlankSheetOff", false, 0, true, false, "Wydruk zeznania PIT-37"},
                      Activation{"DrBezpWithSettingOn", true, 1, false, false, "Wydruk zeznania PIT-37"},
                      Activation{"DrBezpOther", false, 7, false, false, "Wydruk zeznania PIT-37"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Pit37Dialog, TheBlankSheetBoxSwitchesTheCaption) {
    PrintDialog& d = make();
    d.activate();
    d.ChB_niezadr->click();
    EXPECT_FALSE(d.wydr_niezadr);
    EXPECT_EQ(d.windowTitle().toStdString(), "Wydruk zeznania PIT-37");
    d.ChB_niezadr->click();
    EXPECT_EQ(d.windowTitle().toStdString(), "Wydruk zeznania PIT-37 (za rok 2018)");
}

// dr_bezp non-zero: no frame, no blank-sheet box, printing stops with the
// message, and nothing is saved although the setting in the record is on.
TEST_F(Pit37Dialog, DrBezpNonZeroOffersNoBlankSheetPrintingAndSavesNothing) {
    data.rekster.bytes[rekster_t::dr_bezp_at] = 1;
    PrintDialog& d = make();
    d.activate();
    EXPECT_FALSE(d.wydr_niezadr);  // differs from the setting in the record, yet nothing is saved
    d.kl_druk->click();
    EXPECT_EQ(events(), std::vector<std::string>{"INFO Nadruk danych na oryginalnym formularzu jest niedostępny."});
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(printers.runs.empty());
    EXPECT_EQ(ops->opens, 0);
    EXPECT_TRUE(data.rekster.niezadr(rekster_t::niezadr37_at));
}

TEST_F(Pit37Dialog, SettingsAreWrittenOnlyWhenTheChoiceChanged) {
    PrintDialog& d = make();
    d.activate();
    d.deactivate();
    d.activate();
    d.ChB_niezadr->click();
    d.ChB_niezadr->click();  // ticked and unticked again: equal to the value at activation
    d.deactivate();
    EXPECT_EQ(ops->opens, 0);

    d.activate();
    d.ChB_niezadr->click();
    d.kl_anuluj->click();  // closing deactivates
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(ops->opens, 1);
    EXPECT_FALSE(data.rekster.niezadr(rekster_t::niezadr37_at));
    const rekster_t file = read_file();
    EXPECT_EQ(file, data.rekster);  // byte 0x30 now 0, every other byte as the host holds it
    EXPECT_EQ(file.bytes[rekster_t::niezadr37_at], 0);
    EXPECT_TRUE(events().empty());
}

// The handlers as the original ran them: the start value is not updated on
// writing, so a later deactivation without a new activation writes again.
class ExposedPit37 : public Tf_wydpit37 {
public:
    using PrintDialog::FormActivate;
    using PrintDialog::FormDeactivate;
    using Tf_wydpit37::Tf_wydpit37;
};

TEST_F(Pit37Dialog, ALaterDeactivationWithoutActivationWritesAgain) {
    platform = std::make_unique<platform::ScriptedPlatform>(printers, script);
    ExposedPit37 d(DialogContext{data, *platform, &testing::find_fake_page}, nullptr);
    d.FormActivate();
    d.ChB_niezadr->click();
    d.FormDeactivate();
    write_file(rekster_t{});  // changed behind the dialog's back
    d.FormDeactivate();
    EXPECT_EQ(ops->opens, 2);
    EXPECT_EQ(read_file(), data.rekster);
}

struct WriteFailure {
    const char* name;
    bool missing_file;
    int write_errno;
    const char* message;
    friend void PrintTo(const WriteFailure& f, std::ostream* os) { *os << f.name; }
};

class Pit37DialogWriteFailure : public Pit37Dialog, public ::testing::WithParamInterface<WriteFailure> {};

// The settings file cannot be written back: the error is shown by the default
// handling, the choice stays in the record in memory, and no exception leaves
// the handler.
TEST_P(Pit37DialogWriteFailure, IsShownAndKeepsTheChoiceInMemory) {
    if (GetParam().missing_file) fs::remove(settings);
    ops->fail_write_errno = GetParam().write_errno;
    PrintDialog& d = make();
    d.activate();
    d.ChB_niezadr->click();
    EXPECT_NO_THROW(d.kl_anuluj->click());
    ASSERT_EQ(events().size(), 1u);
    EXPECT_EQ(events()[0], "ERROR settings file " + settings.string() + ": " + GetParam().message);
    EXPECT_FALSE(data.rekster.niezadr(rekster_t::niezadr37_at));
    EXPECT_EQ(fs::exists(settings), !GetParam().missing_file);
    if (!GetParam().missing_file) {
        EXPECT_TRUE(read_file().niezadr(rekster_t::niezadr37_at));  // the old record stays in the file
    }
}

INSTANTIATE_TEST_SUITE_P(Failures, Pit37DialogWriteFailure,
                         ::testing::Values(WriteFailure{"MissingFile", true, 0, "open: No such file or directory"},
                                           WriteFailure{"DiskFull", false, ENOSPC, "write: No space left on device"}),
                         [](const auto& info) { return std::string(info.param.name); });

// An exception while a page prints: the page is freed, the job ends, the
// message is shown and the dialog still closes with OK.
TEST_F(Pit37Dialog, AnExceptionWhilePrintingIsShownAndEndsTheJob) {
    fake_pages().fail_in_fill = "TF_w37182";
    PrintDialog& d = make();
    d.activate();
    EXPECT_NO_THROW(d.kl_druk->click());
    EXPECT_EQ(events(), (std::vector<std::string>{
                            "PROMPT Wydruk zeznania PIT-37 | Wydruk strony 1/4\\n\\r   Włóż kartkę",
                            "SHEET 1 TF_w37181",
                            "PROMPT Wydruk zeznania PIT-37 | Wydruk strony 2/4\\n\\r   Włóż kartkę",
                            "ERROR fill of TF_w37182 failed",
                        }));
    EXPECT_EQ(testing::live_fake_page("TF_w37182"), nullptr);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.is_active());
}

TEST_F(Pit37Dialog, CancelOnOnePromptSkipsOnlyThatSheet) {
    script.cancel = {1};
    fake_pages().available = {"TF_w37181", "TF_w37182"};
    PrintDialog& d = make();
    d.activate();
    d.kl_druk->click();
    ASSERT_EQ(printers.runs.size(), 1u);
    EXPECT_EQ(printers.runs[0].page_class, "TF_w37182");
}

// The printer frame: e_druk changes only when the printer dialog is confirmed
// with another printer; the choice is the application's, so the next dialog
// shows it.
TEST_F(Pit37Dialog, PrinterFrameChangesTheLabelOnlyWhenThePrinterChanged) {
    script.printer_dialog = {std::nullopt, std::string("Biuro"), std::string("Zapis do pliku PDF")};
    printers.current = 1;
    PrintDialog& d = make();
    d.activate();
    QLabel* e_druk = d.ust_dr->e_druk;
    EXPECT_EQ(e_druk->text().toStdString(), "Sekretariat");

    d.ust_dr->kl_ustdr->click();  // cancelled
    EXPECT_EQ(e_druk->text().toStdString(), "Sekretariat");
    EXPECT_EQ(printers.current, 1);

    printers.current = 0;         // changed elsewhere in the application
    d.ust_dr->kl_ustdr->click();  // confirmed with the printer that was current
    EXPECT_EQ(e_druk->text().toStdString(), "Sekretariat");

    d.ust_dr->kl_ustdr->click();  // confirmed with another printer
    EXPECT_EQ(e_druk->text().toStdString(), "Zapis do pliku PDF");
    EXPECT_EQ(printers.current, 2);
    d.kl_druk->click();
    EXPECT_EQ(printers.runs.at(0).printer_index, 2);

    auto next = create_dialog("Tf_wydpit37", DialogContext{data, *platform, &testing::find_fake_page}, nullptr);
    next->activate();
    EXPECT_EQ(next->ust_dr->e_druk->text().toStdString(), "Zapis do pliku PDF");
}

// Waits until `w` has the focus and the application has handled the change.
bool wait_for_focus(QWidget* w) {
    return QTest::qWaitFor([w] {
        QCoreApplication::processEvents();
        return QGuiApplication::focusWindow() == w->windowHandle() && QApplication::activeWindow() == w;
    });
}

// Activation as the host's windows see it: the dialog's own message boxes do
// not deactivate it; another window of the host does, and coming back
// activates it again.
TEST_F(Pit37Dialog, OwnMessagesDoNotDeactivateButAnotherHostWindowDoes) {
    host = std::make_unique<QMainWindow>();
    host->setWindowTitle("host");
    host->show();
    ASSERT_TRUE(wait_for_focus(host.get()));
    make(host.get());
    dialog->show();
    ASSERT_TRUE(wait_for_focus(dialog.get()));
    EXPECT_TRUE(dialog->is_active());
    dialog->ChB_niezadr->click();

    QMessageBox own(QMessageBox::Warning, "Wydruk zeznania PIT-37", "Wydruk strony 1/4", QMessageBox::Ok, dialog.get());
    own.show();
    ASSERT_TRUE(wait_for_focus(&own));
    EXPECT_TRUE(dialog->is_active());
    own.close();
    dialog->activateWindow();  // back from the message box (no window manager here to do it)
    ASSERT_TRUE(wait_for_focus(dialog.get()));
    EXPECT_TRUE(dialog->is_active());
    EXPECT_EQ(ops->opens, 0);

    QWidget other;
    other.setWindowTitle("another host window");
    other.show();
    other.activateWindow();
    ASSERT_TRUE(wait_for_focus(&other));
    EXPECT_FALSE(dialog->is_active());
    EXPECT_EQ(ops->opens, 1);  // the changed choice was saved on deactivation

    dialog->activateWindow();
    ASSERT_TRUE(wait_for_focus(dialog.get()));
    EXPECT_TRUE(dialog->is_active());
    EXPECT_FALSE(dialog->ChB_niezadr->isChecked());  // read again from the record
    dialog->reject();
    EXPECT_EQ(ops->opens, 1);
}

}  // namespace
}  // namespace dek::jobs
