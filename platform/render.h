// Rendering a filled page report: the form's background (drawn from its form
// description, or a user's scan) and the enabled elements over it, on any
// QPainter whose device is one A4 sheet measured from the paper's edge.
#pragma once

#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "platform/sheet_fit.h"
#include "report/form.h"
#include "report/page.h"

namespace dek::platform {

struct RenderOptions {
    bool outline = false;  // debug: outline every element's rectangle with its name
    SheetFit fit;          // where the sheet lands on the paper (default: as designed)
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

// Where an element prints, in band pixels, and at what pixel size: the
// rectangle after sizing to its text (and shrinking to fit its box).
struct ElementPlacement {
    QRectF rect;
    int font_px = 0;
    QString text;  // what is drawn (memos: lines joined by '\n')
};
ElementPlacement place_element(const report::Element& element, const report::FormDescription* form);

// A folder of the user's scans of the official pages (<CLASS>.jpg or .png,
// e.g. TF_w37181.png) taken instead of the drawn backgrounds: the environment
// variable DEK2018_SCANS. Empty when not set.
QString scans_folder();

}  // namespace dek::platform
