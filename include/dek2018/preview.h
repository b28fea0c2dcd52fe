// The preview of a return: a window showing every sheet its print dialog
// offers (every available box ticked), painted as the printers get them,
// with "Drukuj…" opening the return's print dialog.
#pragma once

#include <string>
#include <vector>

#include "dek2018/export.h"

class QImage;
class QMainWindow;

namespace dek::api {

class DEK2018_EXPORT Preview {
public:
    virtual ~Preview() = default;

    virtual QMainWindow& window() = 0;
    // Shows the window and returns a picture of it once the first sheet
    // shows; a null image when there is no sheet to show.
    virtual QImage show_and_grab() = 0;
    // The page classes of the sheets of the last paint, in order.
    virtual const std::vector<std::string>& sheets() const = 0;
    // The error that ended the last paint early; empty when none did.
    virtual const std::string& error() const = 0;
};

}  // namespace dek::api
