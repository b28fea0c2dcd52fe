// The preview of a return: a main window around a print preview of every
// sheet the return's print dialog offers, painted on a full-page A4 printer
// by the routine that paints the sheets for every printer, so what shows is
// what the printer gets. Its "Drukuj…" opens the return's print dialog.
#pragma once

#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <string>
#include <vector>

#include "dek2018/preview.h"
#include "platform/platform.h"
#include "records/host_data.h"

namespace dek::library {

class PreviewWindow : public QMainWindow, public api::Preview {
public:
    // `data` stays the caller's: the preview paints from copies of its
    // records, the print dialog of class `dialog_class` works on them.
    // `printing` is the platform of the print dialog (message boxes,
    // printers).
    PreviewWindow(HostData& data, std::string dialog_class, platform::Platform& printing, const std::string& title,
                  QWidget* parent = nullptr);

    QMainWindow& window() override { return *this; }

    QPrintPreviewWidget* view() const { return view_; }
    // The page classes of the sheets of the last paint, in order.
    const std::vector<std::string>& sheets() const override { return sheets_; }
    // The error that ended the last paint early; empty when none did.
    const std::string& error() const override { return error_; }

    // The toolbar's "Drukuj…": the return's print dialog, modal over the window.
    void open_print_dialog();

    // Shows the window and returns a picture of it once the first sheet
    // shows; a null image when there is no sheet to show.
    QImage show_and_grab() override;

private:
    void paint(QPrinter* printer);
    void show_page_number();

    HostData& data_;
    std::string dialog_class_;
    platform::Platform& printing_;
    QPrinter printer_;
    QPrintPreviewWidget* view_;
    QLabel* page_number_;
    std::vector<std::string> sheets_;
    std::string error_;
};

}  // namespace dek::library
