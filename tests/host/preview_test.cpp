// The preview window as the preview command shows it: which sheets it paints
// and what its picture shows (offscreen Qt).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "host/return_file.h"
#include "host/samples.h"
#include "host/settings.h"
#include "module/preview_window.h"
#include "pages/page_classes.h"
#include "platform/printers.h"
#include "platform/render.h"
#include "platform/scripted_platform.h"
#include "records/rekster.h"
#include "report/page_class.h"

namespace dek::host {
namespace {

using library::PreviewWindow;

class NoPrinters final : public platform::Printers {
public:
    const std::vector<std::string>& names() const override { return names_; }
    int index() const override { return 0; }
    void set_index(int) override {}
    void print(const report::PageReport&) override { ADD_FAILURE() << "the preview printed"; }

private:
    std::vector<std::string> names_{"Biuro"};
};

ReturnFile sample(std::string_view name) {
    ReturnFile r = load_return_text(find_sample(name)->json, std::string(name));
    r.data.rekster = default_settings();
    return r;
}

const std::vector<std::string> kPit37Sheets{"TF_w37181", "TF_w37182", "TF_w37183", "TF_w37184",
                                            "TF_wo18_1", "TF_wo18_2", "TF_wo18_3", "TF_wo18_4",
                                            "TF_wd18_1", "TF_wd18_2", "TF_w2k18_1"};

class Preview : public ::testing::Test {
protected:
    NoPrinters printers;
    platform::ScriptedPlatform printing{printers, {}};

    // The sheets the window paints for the return, and its picture.
    std::vector<std::string> sheets(ReturnFile& r, QImage* picture = nullptr) {
        PreviewWindow window(r.data, std::string(dialog_class_name(r.form)), printing, "zeznanie.json");
        const QImage shown = window.show_and_grab();
        if (picture != nullptr) *picture = shown;
        EXPECT_EQ(window.error(), "");
        EXPECT_EQ(window.view()->pageCount(), static_cast<int>(window.sheets().size()));
        EXPECT_TRUE(printing.events().empty()) << "the preview prompted or showed a message";
        return window.sheets();
    }
};

TEST_F(Preview, PaintsEverySheetTheDialogOffersWhateverTheBlankSheetChoice) {
    ReturnFile r = sample("pit37");
    r.data.rekster.set_niezadr(rekster_t::niezadr37_at, false);
    EXPECT_EQ(sheets(r), kPit37Sheets);
}

TEST_F(Preview, LeavesOutTheAttachmentsTheReturnHasNot) {
    ReturnFile r = sample("pit37");
    r.data.rekdek.ilzal[5] = 0;  // no PIT/O
    std::vector<std::string> want = kPit37Sheets;
    want.erase(want.begin() + 4, want.begin() + 8);
    EXPECT_EQ(sheets(r), want);
}

TEST_F(Preview, LeavesTheRecordsAsLoaded) {
    // The PIT-28 job brings the PIT-28 return into the general record before
    // its attachments; the preview does so on a copy.
    ReturnFile r = sample("pit28");
    const std::string surname = r.data.rekdek.podatnik.nazw.cp1250();
    ASSERT_NE(surname, r.data.rek28.nazw.cp1250());
    const std::vector<std::string> shown = sheets(r);
    EXPECT_NE(std::find(shown.begin(), shown.end(), "TF_wo18_1"), shown.end());
    EXPECT_EQ(r.data.rekdek.podatnik.nazw.cp1250(), surname);
}

QAction* tool(PreviewWindow& window, const char* name) {
    auto* action = window.findChild<QAction*>(name);
    if (action == nullptr) ADD_FAILURE() << "no tool " << name;
    return action;
}

TEST_F(Preview, ToolsTurnPagesFitTheWidthAndOpenTheReturnsDialog) {
    ReturnFile r = sample("pit37");
    PreviewWindow window(r.data, std::string(dialog_class_name(r.form)), printing, "zeznanie.json");
    ASSERT_FALSE(window.show_and_grab().isNull());
    tool(window, "next")->trigger();
    tool(window, "next")->trigger();
    tool(window, "previous")->trigger();
    EXPECT_EQ(window.view()->currentPage(), 2);
    tool(window, "fit_width")->trigger();
    EXPECT_EQ(window.view()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    const qreal fitted = window.view()->zoomFactor();
    tool(window, "zoom_in")->trigger();
    EXPECT_GT(window.view()->zoomFactor(), fitted);

    // "Drukuj…" opens the return's own dialog over the window, modally.
    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->objectName() + " " + modal->windowTitle();
            modal->close();
        }
    });
    tool(window, "print")->trigger();
    EXPECT_EQ(opened.toStdString(), "f_wydpit37 Wydruk zeznania PIT-37 (za rok 2018)");
    EXPECT_TRUE(printing.events().empty());
}

// The picture's page: the bounding box of its paper-white pixels.
QRect page_area(const QImage& picture) {
    QRect box;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) == qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// How far apart two pictures of a sheet are: the mean difference of their
// grey levels, both scaled to one small size (0 the same, 255 the opposite).
double distance(const QImage& a, const QImage& b) {
    const QSize size(105, 148);
    const QImage x = a.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y = b.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int j = 0; j < size.height(); ++j) {
        for (int i = 0; i < size.width(); ++i) sum += std::abs(qGray(x.pixel(i, j)) - qGray(y.pixel(i, j)));
    }
    return sum / (size.width() * size.height());
}

QImage rendered(ReturnFile& r, std::string_view page_class) {
    report::LivePage live(*pages::find_page_class(page_class), r.data);
    live.page().before_print();
    return platform::render_image(live.page(), 60);
}

TEST_F(Preview, PictureShowsTheReturnsFirstPageWhole) {
    ReturnFile r = sample("pit37");
    PreviewWindow window(r.data, std::string(dialog_class_name(r.form)), printing, "zeznanie.json");
    const QImage picture = window.show_and_grab();
    ASSERT_FALSE(picture.isNull());
    ASSERT_EQ(window.sheets().front(), "TF_w37181");
    // The page lies in the preview's view, below the toolbar.
    const QRect view(window.view()->mapTo(&window, QPoint(0, 0)), window.view()->size());
    const QRect page = page_area(picture.copy(view)).translated(view.topLeft());
    // A whole A4 sheet in view, upright.
    ASSERT_GT(page.height(), view.height() / 2);
    EXPECT_NEAR(static_cast<double>(page.height()) / page.width(), 297.0 / 210.0, 0.03);
    const QImage shown = picture.copy(page);
    const double to_page1 = distance(shown, rendered(r, "TF_w37181"));
    const double to_page2 = distance(shown, rendered(r, "TF_w37182"));
    EXPECT_LT(to_page1, 6.0);
    EXPECT_LT(to_page1 * 3, to_page2);
}

}  // namespace
}  // namespace dek::host
