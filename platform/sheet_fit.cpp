#include "platform/sheet_fit.h"

#include <algorithm>

namespace dek::platform {

namespace {

// Rounding in the callers' millimetres must not turn "as designed" into a
// scale of 0.99999: a drawing this close to the printable area fits it.
constexpr double kToleranceMm = 0.01;

}  // namespace

std::optional<SheetFit> fit_sheet(const QRectF& drawn, const PrinterPaper& paper) {
    // Checked before intersecting: QRectF would turn crossed margins into a
    // valid rectangle.
    if (paper.printable.width() <= 0 || paper.printable.height() <= 0) return std::nullopt;
    const QRectF area = paper.printable.intersected(QRectF(QPointF(0, 0), paper.size));
    if (area.isEmpty()) return std::nullopt;
    const double tol = kToleranceMm;
    if (drawn.isEmpty() || area.adjusted(-tol, -tol, tol, tol).contains(drawn)) return SheetFit{};

    const double scale = std::min({1.0, area.width() / drawn.width(), area.height() / drawn.height()});
    if (scale < kSmallestFitScale) return std::nullopt;
    SheetFit fit;
    fit.scale = scale;
    fit.dx_mm = area.center().x() - scale * drawn.center().x();
    fit.dy_mm = area.center().y() - scale * drawn.center().y();
    return fit;
}

}  // namespace dek::platform
