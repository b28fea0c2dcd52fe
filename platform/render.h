// Rendering a filled page report: the form's background (drawn from its form
// description, or the user's own: a scan or the Ministry's PDF page, see
// backgrounds.h) and the enabled elements over it, on any
// QPainter whose device is one A4 sheet measured from the paper's edge.
#pragma once

#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/pdf_document.h"
#include "platform/sheet_fit.h"
#include "report/form.h"
#include "report/page.h"

namespace dek::platform {

struct RenderOptions {
    bool outline = false;  // debug: outline every element's rectangle with its name
    SheetFit fit;          // where the sheet lands on the paper (default: as designed)
    // The paper in millimetres, for a PDF: A4, or the paper of a printer
    // without A4 (the fit then places the sheet on it).
    QSizeF paper_mm{210.0, 297.0};
};

// Paints a filled page: background first, then the enabled elements in
// declaration order, opaque ones on their white rectangle. The scale comes
// from painter.device(): one A4 sheet with coordinates from the paper's edge
// (a QPrinter in full-page mode, a QPdfWriter, an image of the sheet); the
// options' fit then places the sheet on it.
void paint_page(QPainter& painter, const report::PageReport& page, const RenderOptions& options = {});

// One A4 page as PDF, text kept as text.
void write_pdf(const report::PageReport& page, QIODevice& out, const RenderOptions& options = {});

// What a filled page draws on the paper as designed, in millimetres from the
// paper's top-left corner: the form's sheet (or the image rectangle that a
// user's scan fills) and every enabled element that prints, as laid out.
QRectF drawn_extent(const report::PageReport& page);

// The sheet as an image at `dpi` dots per inch.
QImage render_image(const report::PageReport& page, int dpi, const RenderOptions& options = {});

// How every label and memo is fitted, so that its text is never cut and never
// leaves its form field: at its own size, in its own rectangle (its lines
// broken at blanks when it wraps by design), when it fits there. Otherwise it
// takes the room its field leaves free around it - the field's width from
// its anchor (the whole width when centred) and the field's height, never
// past the field's frame nor over a word the form prints there - its lines
// broken at blanks (and after hyphens), the size going down a pixel at a
// time until they fit. When breaking at blanks only gets below
// `kReadablePx`, words may break inside if that gives a larger size.
// `kSmallestPx` is as far as shrinking goes. A text always starts below a
// word of the form that reaches into its rectangle from above.
inline constexpr int kSmallestPx = 5;
inline constexpr int kReadablePx = 8;

// One line of an element's text as it prints: the top-left corner of its line
// box (ascent to descent) in band pixels, and its advance width.
struct PlacedLine {
    QString text;
    QPointF top_left;
    double width = 0;
};

// Where an element prints, in band pixels, and at what pixel size. A mark in
// a square (the field it names is a square) is centred on the square by its
// ink, so the glyph stays inside the square's border whatever its line box.
struct ElementPlacement {
    QRectF rect;  // what it covers: an opaque element blanks it; a mark's ink
    int font_px = 0;
    QString text;  // the whole text (memos: lines joined by '\n')
    std::vector<PlacedLine> lines;
    bool fits = true;  // false: not even kSmallestPx fits; drawn at that size all the same
};
ElementPlacement place_element(const report::Element& element, const report::FormDescription* form);

// Draws filled pages, keeping what is the same on every sheet so that it is
// worked out once: the fonts with their metrics, and each form's laid-out
// background with the places where it prints words. What it draws is what
// the free functions above draw; they make a renderer for one call. A print
// command, a document or a preview keeps one for all its sheets. Painting
// runs on one thread, as all painting does.
class PageRenderer {
public:
    PageRenderer();
    ~PageRenderer();
    PageRenderer(const PageRenderer&) = delete;
    PageRenderer& operator=(const PageRenderer&) = delete;

    void paint_page(QPainter& painter, const report::PageReport& page, const RenderOptions& options = {});
    void write_pdf(const report::PageReport& page, QIODevice& out, const RenderOptions& options = {});

    // A PDF document for pages this renderer draws (pdf_document.h), and the
    // page drawn as a new page of it. A page that shows a user's scan, or its
    // elements' outlines, is painted instead (paint_page on a QPdfWriter):
    // then nothing is added and the answer is false. A page over one of the
    // Ministry's PDF pages (backgrounds.h) gets that page under it when the
    // document is finished by finish_pdf - always finish a document of this
    // renderer through it. An archive copy (PDF/A) shows the drawn
    // background instead of a PDF page it cannot take, with a notice.
    std::unique_ptr<PdfDocument> pdf_document(PdfOptions options);
    bool draw_pdf_page(PdfDocument& document, const report::PageReport& page, const RenderOptions& options = {});
    // The whole file of a document of this renderer, each PDF background
    // embedded once however many pages show it. Throws BackgroundError when
    // the backgrounds cannot be added.
    QByteArray finish_pdf(PdfDocument& document);
    // Whether the user's backgrounds include scans, which only painting
    // shows (so a document of many pages is painted, not drawn).
    bool paints_scans();
    // Where notices about the user's backgrounds go (a file that cannot be
    // used, a page an archive copy cannot take): standard error unless set.
    void set_notice(std::function<void(const std::string&)> notice);
    QRectF drawn_extent(const report::PageReport& page);
    QImage render_image(const report::PageReport& page, int dpi, const RenderOptions& options = {});
    ElementPlacement place_element(const report::Element& element, const report::FormDescription* form);

private:
    class Caches;
    std::unique_ptr<Caches> caches_;
};

}  // namespace dek::platform
