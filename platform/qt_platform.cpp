#include "platform/qt_platform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>
#include <QTranslator>
#include <memory>

namespace dek::platform {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Messages are shown over the window the user works in (the print dialog), so
// that they count as that window's own and do not deactivate it.
QWidget* message_owner() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

// The texts break lines with a line feed followed by a carriage return; on
// screen the pair is one line break.
QString display_text(std::string_view text) {
    QString s = qs(text);
    s.remove(QLatin1Char('\r'));
    return s;
}

QMessageBox::Icon icon_of(int flags) {
    switch (flags & 0xF0) {
        case MB_ICONHAND:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONASTERISK:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

int QtPlatform::MessageBox(std::string_view text, std::string_view caption, int flags) {
    const bool ok_cancel = (flags & 0x0F) == MB_OKCANCEL;
    QMessageBox box(icon_of(flags), qs(caption), display_text(text),
                    ok_cancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, message_owner());
    box.setDefaultButton(QMessageBox::Ok);
    if (ok_cancel) box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? IDOK : IDCANCEL;
}

void QtPlatform::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, qs(kApplicationTitle), display_text(text), QMessageBox::Ok, message_owner());
    box.exec();
}

void QtPlatform::ShowException(std::string_view message) {
    ++errors_;
    QMessageBox box(QMessageBox::Critical, qs(kApplicationTitle), display_text(message), QMessageBox::Ok,
                    message_owner());
    box.exec();
}

bool QtPlatform::execute_printer_dialog(QWidget* owner) {
    const auto& names = printers_.names();
    const int current = printers_.index();
    const int file_printer = file_printers_ != nullptr ? file_printers_->file_printer_index() : -1;
    QPrinter printer;
    // The dialog opens on the current printer: a system printer by its name,
    // the file printer as the dialog's own "print to file" with its file.
    if (current == file_printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file_printers_->output_file().string()));
    } else if (current >= 0 && current < static_cast<int>(names.size())) {
        printer.setPrinterName(QString::fromStdString(names[static_cast<std::size_t>(current)]));
    }
    QPrintDialog dialog(&printer, owner);
    // Offered is only what the sheets are printed with: the printer, and the
    // file when the printers take one. Pages, collation and paper are not:
    // every sheet is an A4 job of its own.
    dialog.setOptions(file_printers_ != nullptr ? QAbstractPrintDialog::PrintToFile
                                                : QAbstractPrintDialog::PrintDialogOptions{});
    if (dialog.exec() != QDialog::Accepted) return false;
    // Only the printer (or the file) is kept; copies, duplex, pages and the
    // rest the dialog let the user set are left behind with this QPrinter.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString file = printer.outputFileName();
        if (file_printers_ == nullptr || file.isEmpty()) return false;
        file_printers_->print_to_file(file.toStdString());
        return true;
    }
    const int chosen = printers_.find(printer.printerName().toStdString());
    if (chosen >= 0) printers_.set_index(chosen);
    return true;
}

bool use_polish_qt_texts() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return false;
    // The translator lives with the application, found again by its name.
    static constexpr auto kName = "dek2018_qtbase_pl";
    if (app->findChild<QTranslator*>(QLatin1String(kName), Qt::FindDirectChildrenOnly) != nullptr) return true;
    auto translator = std::make_unique<QTranslator>(app);
    translator->setObjectName(QLatin1String(kName));
    if (!translator->load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator.get()))
        return false;
    translator.release();  // owned by the application
    return true;
}

}  // namespace dek::platform
