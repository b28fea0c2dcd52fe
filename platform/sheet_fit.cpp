#include "platform/sheet_fit.h"

#include <algorithm>

namespace dek::platform {

namespace {

// Rounding in the callers' millimetres must not turn "as designed" into a
// scale of 0.99999: a drawing this close to the printable area fits it.
constexpr double kToleranceMm = 0.01;

double at_least_zero(double v) { return v > 0 ? v : 0; }

bool inside(const PaperRect& drawn, const PaperRect& area) {
    return drawn.left >= area.left - kToleranceMm && drawn.top >= area.top - kToleranceMm &&
           drawn.right <= area.right + kToleranceMm && drawn.bottom <= area.bottom + kToleranceMm;
}

}  // namespace

std::optional<SheetFit> fit_sheet(const PaperRect& drawn, const PrinterPaper& paper) {
    const PaperRect area{at_least_zero(paper.left), at_least_zero(paper.top), paper.width - at_least_zero(paper.right),
                         paper.height - at_least_zero(paper.bottom)};
    if (!(area.width() > 0) || !(area.height() > 0)) return std::nullopt;  // NaN too
    if (drawn.width() < 0 || drawn.height() < 0 || inside(drawn, area)) return SheetFit{};

    double scale = 1.0;
    if (drawn.width() > 0) scale = std::min(scale, area.width() / drawn.width());
    if (drawn.height() > 0) scale = std::min(scale, area.height() / drawn.height());
    if (scale < kSmallestFitScale) return std::nullopt;
    SheetFit fit;
    fit.scale = scale;
    fit.dx_mm = (area.left + area.right) / 2 - scale * (drawn.left + drawn.right) / 2;
    fit.dy_mm = (area.top + area.bottom) / 2 - scale * (drawn.top + drawn.bottom) / 2;
    return fit;
}

}  // namespace dek::platform
