// The dialog command's side of the print dialogs, on the offscreen platform
// under the C locale: Qt's standard buttons and printer dialog in Polish,
// the printer dialog's "print to file" written as the one document of the
// return, and the pages `render` offers for each form.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/cli.h"
#include "host/return_file.h"
#include "host/samples.h"
#include "host/settings.h"
#include "jobs/registry.h"
#include "module/dialog_printers.h"
#include "module/form_pages.h"
#include "module/platforms.h"
#include "pages/page_classes.h"
#include "platform/qt_platform.h"

namespace dek::host {
namespace {

namespace fs = std::filesystem;
using library::DialogPrinters;

// The C locale, set before the application is made: the Polish texts must
// not depend on the user's language.
[[maybe_unused]] const bool c_locale = [] {
    ::setenv("LANG", "C", 1);
    ::setenv("LC_ALL", "C", 1);
    ::unsetenv("LANGUAGE");
    return true;
}();

// The texts of a window's push buttons, mnemonics removed.
std::vector<std::string> button_texts(const QWidget* window) {
    std::vector<std::string> texts;
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QPushButton*>(b) == nullptr || !b->isVisible()) continue;
        texts.push_back(b->text().remove(QLatin1Char('&')).toStdString());
    }
    return texts;
}

bool has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

std::string joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const auto& t : texts) out += "[" + t + "]";
    return out;
}

class DialogCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("CUPS_SERVER", "/nonexistent/dek2018-no-cups.sock", 1);
        dir = fs::temp_directory_path() / ("dek2018-dialog-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        ret = load_return_text(find_sample("pit37")->json, "pit37.json");
        bind_settings(ret.data, dir / "rekster.dat");  // not there: the defaults, blank-sheet printing on
        // Made as the module makes them for the command.
        system = library::make_system_printers(dir / "wydruki", api::CupsUse::listed);
        own_printers = library::make_dialog_printers(*system, "PIT-37", dir / "wydruki" / "pit37.pdf");
        printers = library::module_printers(*own_printers).dialog();
        platform = library::make_qt_platform(*own_printers);
    }
    void TearDown() override {
        dialog.reset();
        fs::remove_all(dir);
    }

    // The PIT-37 dialog as `dek2018 dialog` makes it, shown.
    jobs::PrintDialog& show_dialog() {
        dialog = jobs::create_dialog("Tf_wydpit37",
                                     library::dialog_context(ret.data, library::module_platform(*platform)), nullptr);
        dialog->show();
        QApplication::processEvents();
        return *dialog;
    }

    // Chooses "print to file" with `file` in the printer dialog the frame's
    // button opens, and presses its print button; the dialog's buttons and
    // the entry's text, as they were shown, are kept.
    void choose_file_in_printer_dialog(const fs::path& file) {
        QTimer::singleShot(0, [this, file] {
            auto* print_dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(print_dialog, nullptr);
            print_dialog_buttons = button_texts(print_dialog);
            auto* combo = print_dialog->findChild<QComboBox*>(QStringLiteral("printers"));
            auto* name = print_dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            ASSERT_NE(combo, nullptr);
            ASSERT_NE(name, nullptr);
            combo->setCurrentIndex(combo->count() - 1);  // "print to file" comes last
            file_choice_text = combo->currentText().toStdString();
            name->setText(QString::fromStdString(file.string()));
            print_dialog->accept();
        });
        dialog->ust_dr->kl_ustdr->click();
    }

    fs::path dir;
    ReturnFile ret;
    std::unique_ptr<api::SystemPrinters> system;
    std::unique_ptr<api::DialogPrinters> own_printers;
    DialogPrinters* printers = nullptr;  // the module's side of own_printers
    std::unique_ptr<api::Platform> platform;
    std::unique_ptr<jobs::PrintDialog> dialog;
    std::vector<std::string> print_dialog_buttons;
    std::string file_choice_text;  // the printer list's "print to file" entry
};

TEST_F(DialogCommand, SheetPromptsHavePolishButtons) {
    show_dialog();
    std::vector<std::string> buttons;
    QTimer::singleShot(0, [&buttons] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        buttons = button_texts(box);
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(library::module_platform(*platform).platform().MessageBox("Wydruk strony 1/4\n\r   Włóż kartkę",
                                                                        "Wydruk zeznania PIT-37", 49),
              platform::IDCANCEL);
    EXPECT_TRUE(has(buttons, "Anuluj")) << joined(buttons);
    EXPECT_FALSE(has(buttons, "Cancel")) << joined(buttons);
}

TEST_F(DialogCommand, ChosenFileBecomesTheReturnsOneDocument) {
    show_dialog();
    const fs::path file = dir / "zeznanie.pdf";
    choose_file_in_printer_dialog(file);
    for (const char* polish : {"Wydrukuj", "Anuluj", "Opcje >>"})
        EXPECT_TRUE(has(print_dialog_buttons, polish)) << joined(print_dialog_buttons);
    EXPECT_EQ(file_choice_text, "Drukuj do pliku (PDF)");
    ASSERT_EQ(printers->chosen_file(), file);
    EXPECT_EQ(dialog->ust_dr->e_druk->text().toStdString(), "Zapis do pliku PDF: " + file.string());

    // Every prompt confirmed, as the user would.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
    });
    answer.start(0);
    dialog->kl_druk->click();
    answer.stop();

    EXPECT_EQ(platform->errors(), 0);
    EXPECT_EQ(printers->destinations(), std::vector<std::string>{"11 sheets into " + file.string()});
    std::ifstream in(file, std::ios::binary);
    const std::string pdf((std::istreambuf_iterator<char>(in)), {});
    EXPECT_TRUE(pdf.starts_with("%PDF-"));
    EXPECT_FALSE(fs::exists(dir / "wydruki")) << "the PDF printer's folder got sheets too";
}

TEST_F(DialogCommand, ChoosingAnotherPrinterGivesTheFileUp) {
    printers->print_to_file(dir / "a.pdf");
    EXPECT_EQ(printers->names().back(), "Zapis do pliku PDF: " + (dir / "a.pdf").string());
    printers->set_index(printers->file_printer_index());
    EXPECT_FALSE(printers->chosen_file());
    EXPECT_EQ(printers->names().back(), "Zapis do pliku PDF");
}

TEST_F(DialogCommand, JobStoppedAtAnErrorWritesNoDocument) {
    const fs::path file = dir / "zeznanie.pdf";
    printers->print_to_file(file);
    report::LivePage live(*pages::find_page_class("TF_w37181"), ret.data);
    live.page().printer_index = printers->index();
    printers->print(live.page());
    EXPECT_EQ(live.page().printer_index, printers->file_printer_index());
    printers->end_job(false);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(printers->destinations().empty());
    // The next job starts a document of its own.
    printers->print(live.page());
    printers->end_job(true);
    EXPECT_EQ(printers->destinations(), std::vector<std::string>{"1 sheet into " + file.string()});
}

// `render --help` lists, for each form, exactly the pages its print job prints.
TEST(RenderHelp, ListsEachFormsPages) {
    const std::string help = command_help(*find_command("render"));
    for (Form form : {Form::pit37, Form::pit36, Form::pit36l, Form::pit28}) {
        std::string list;
        for (std::string_view cls : library::printed_page_classes(*library::print_job(dialog_class_name(form))))
            list += (list.empty() ? "" : ", ") + std::string(cls);
        // The help wraps its lines: compared with line breaks as blanks.
        std::string flat = help;
        std::replace(flat.begin(), flat.end(), '\n', ' ');
        std::string squeezed;
        for (char c : flat)
            if (!(c == ' ' && !squeezed.empty() && squeezed.back() == ' ')) squeezed += c;
        EXPECT_NE(squeezed.find(std::string(form_name(form)) + ": " + list), std::string::npos)
            << form_name(form) << ": " << list;
    }
}

}  // namespace
}  // namespace dek::host
