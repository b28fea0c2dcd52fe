#include "module/preview_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <exception>
#include <memory>
#include <optional>
#include <set>
#include <string_view>

#include "jobs/print_sequence.h"
#include "jobs/registry.h"
#include "pages/page_classes.h"
#include "platform/render.h"
#include "report/page.h"

namespace dek::library {

namespace {

// The platform of a preview: every prompt is answered OK and every sheet is
// painted as the next page of the preview's printer.
class PreviewPlatform final : public platform::Platform {
public:
    explicit PreviewPlatform(QPrinter& printer) : printer_(printer) {}

    int MessageBox(std::string_view, std::string_view, int) override { return platform::IDOK; }
    void ShowMessage(std::string_view) override {}
    void ShowException(std::string_view message) override { error_ = std::string(message); }
    std::vector<std::string> printer_names() override { return {"Podgląd"}; }
    int printer_index() override { return 0; }
    bool execute_printer_dialog(QWidget*) override { return false; }
    void print_page(const report::PageReport& page) override {
        if (!painter_) {
            painter_.emplace(&printer_);
        } else {
            printer_.newPage();
        }
        renderer_.paint_page(*painter_, page);
        sheets_.push_back(page.class_name());
    }

    std::vector<std::string> sheets_;
    std::string error_;

private:
    QPrinter& printer_;
    platform::PageRenderer renderer_;  // for all the preview's sheets
    std::optional<QPainter> painter_;
};

}  // namespace

PreviewWindow::PreviewWindow(HostData& data, std::string dialog_class, platform::Platform& printing,
                             const std::string& title, QWidget* parent)
    : QMainWindow(parent),
      data_(data),
      dialog_class_(std::move(dialog_class)),
      printing_(printing),
      printer_(QPrinter::HighResolution) {
    // The sheet as every printer gets it: A4 portrait, drawn from the paper's edge.
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setFullPage(true);
    printer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));

    setWindowTitle(QString::fromStdString(title));
    view_ = new QPrintPreviewWidget(&printer_, this);
    view_->setZoomMode(QPrintPreviewWidget::FitInView);
    setCentralWidget(view_);
    connect(view_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) { paint(printer); });
    connect(view_, &QPrintPreviewWidget::previewChanged, this, [this] { show_page_number(); });

    QToolBar* tools = addToolBar(QStringLiteral("Podgląd"));
    tools->setObjectName("tools");
    tools->setMovable(false);
    auto add = [&](const char* name, const QString& text, const QKeySequence& key, auto slot) {
        QAction* action = tools->addAction(text, this, slot);
        action->setObjectName(name);
        action->setShortcut(key);
        return action;
    };
    add("previous", QStringLiteral("◀ Poprzednia"), QKeySequence(Qt::Key_PageUp), [this] {
        view_->setCurrentPage(view_->currentPage() - 1);
        show_page_number();
    });
    add("next", QStringLiteral("Następna ▶"), QKeySequence(Qt::Key_PageDown), [this] {
        view_->setCurrentPage(view_->currentPage() + 1);
        show_page_number();
    });
    tools->addSeparator();
    add("zoom_in", QStringLiteral("Powiększ"), QKeySequence::ZoomIn, [this] { view_->zoomIn(); });
    add("zoom_out", QStringLiteral("Pomniejsz"), QKeySequence::ZoomOut, [this] { view_->zoomOut(); });
    add("fit_width", QStringLiteral("Do szerokości"), QKeySequence(Qt::CTRL | Qt::Key_W),
        [this] { view_->fitToWidth(); });
    add("fit_page", QStringLiteral("Cała strona"), QKeySequence(Qt::CTRL | Qt::Key_0), [this] { view_->fitInView(); });
    tools->addSeparator();
    add("print", QStringLiteral("Drukuj…"), QKeySequence::Print, [this] { open_print_dialog(); });

    page_number_ = new QLabel(this);
    statusBar()->addPermanentWidget(page_number_);
    resize(900, 1000);
}

void PreviewWindow::paint(QPrinter* printer) {
    // The job runs on a copy: its preparations write into the records, and
    // the return must stay as loaded for the print dialog.
    HostData data = data_;
    PreviewPlatform platform(*printer);
    error_.clear();
    try {
        // Every box the return's dialog offers is ticked, as it stands after
        // opening: attachments the return has, pages that exist.
        std::unique_ptr<jobs::PrintDialog> dialog =
            jobs::create_dialog(dialog_class_, jobs::DialogContext{data, platform, &pages::find_page_class}, nullptr);
        if (!dialog) throw std::logic_error("the print dialog of this return is not in this build");
        dialog->activate();
        std::set<std::string, std::less<>> offered;
        for (const jobs::CheckBoxSpec& box : dialog->description().checkboxes) {
            if (dialog->page_checkbox(box.name)->isEnabled()) offered.emplace(box.name);
        }
        // Every prompt answered OK; the blank-sheet choice is the print's, not the preview's.
        const jobs::JobContext ctx{data, platform, &pages::find_page_class,
                                   [&offered](std::string_view name) { return offered.count(name) != 0; }, true};
        jobs::run_print_job(*dialog->description().job, ctx);
    } catch (const std::exception& e) {
        platform.ShowException(e.what());
    }
    sheets_ = platform.sheets_;
    error_ = platform.error_;
    if (!error_.empty()) statusBar()->showMessage(QString::fromStdString("Błąd: " + error_));
}

void PreviewWindow::show_page_number() {
    page_number_->setText(QStringLiteral("Strona %1 z %2").arg(view_->currentPage()).arg(view_->pageCount()));
}

QImage PreviewWindow::show_and_grab() {
    // Showing the window paints the sheets; the events after it lay them out.
    show();
    QCoreApplication::processEvents();
    if (view_->pageCount() == 0) return {};
    return grab().toImage();
}

void PreviewWindow::open_print_dialog() {
    std::unique_ptr<jobs::PrintDialog> dialog =
        jobs::create_dialog(dialog_class_, jobs::DialogContext{data_, printing_, &pages::find_page_class}, this);
    if (dialog) dialog->exec();
}

}  // namespace dek::library
