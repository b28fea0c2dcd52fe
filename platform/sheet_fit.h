// Fitting a drawn sheet into the part of the A4 paper a printer can print on.
// Geometry only: no printer, no painting.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <optional>

namespace dek::platform {

// A printer's A4 paper as the printer states it, in millimetres: its size
// (printers state A4 in whole points, 595 × 842 pt = 209.9 × 297.0 mm) and
// the part of it the printer can print on, from its top-left corner.
struct PrinterPaper {
    QSizeF size{210.0, 297.0};
    QRectF printable{0.0, 0.0, 210.0, 297.0};
};

// Where a sheet is drawn on the paper: a point (x, y) of the sheet as
// designed lands at (dx + scale·x, dy + scale·y), millimetres from the
// paper's top-left corner. The default draws the sheet as designed.
struct SheetFit {
    double scale = 1.0;
    double dx_mm = 0.0;
    double dy_mm = 0.0;
    bool identity() const { return scale == 1.0 && dx_mm == 0.0 && dy_mm == 0.0; }
};

// A sheet drawn smaller than this is unreadable: no printer gets it.
inline constexpr double kSmallestFitScale = 0.5;

// Places a sheet whose drawing covers `drawn` (millimetres from the paper's
// top-left corner) on the printer's paper. A drawing inside the printable
// area stays as designed: a printer that prints to the edge gets every sheet
// 1:1. Otherwise the drawing is scaled uniformly by the largest factor, never
// above 1, that makes it fit, and centred in the printable area; of an area
// stated beyond the paper's edges only the part on the paper counts. Empty
// when the printable area could take the drawing only below
// `kSmallestFitScale` or not at all (margins that meet or cross): such a
// printer cannot print the sheet.
std::optional<SheetFit> fit_sheet(const QRectF& drawn, const PrinterPaper& paper);

}  // namespace dek::platform
