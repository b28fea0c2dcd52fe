#include "platform/qt_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>

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
    const int pdf = printers_.find(SystemPrinters::kPdfPrinterName);
    QPrinter printer;
    // The dialog opens on the current printer; the PDF printer is the
    // dialog's own "print to file" entry.
    if (printers_.index() == pdf) {
        printer.setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer.setPrinterName(QString::fromStdString(names[static_cast<std::size_t>(printers_.index())]));
    }
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() != QDialog::Accepted) return false;
    // Only the printer's name is kept; copies, duplex, pages and the rest
    // the dialog let the user set are left behind with this QPrinter.
    const int chosen =
        printer.outputFormat() == QPrinter::PdfFormat ? pdf : printers_.find(printer.printerName().toStdString());
    if (chosen >= 0) printers_.set_index(chosen);
    return true;
}

}  // namespace dek::platform
