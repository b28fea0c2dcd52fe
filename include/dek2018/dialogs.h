// The print dialogs: each registered by its class name when the module is
// loaded ("Tf_wydpit28", "Tf_wydpit36", "Tf_wydpit36L", "Tf_wydpit37"),
// created by the host by that name with the records and the platform, and
// shown modally.
#pragma once

#include <string>
#include <vector>

#include "dek2018/export.h"
#include "dek2018/platform.h"
#include "dek2018/records.h"

class QDialog;

namespace dek::api {

// What the host hands to a dialog it creates. Both stay the host's and must
// outlive the dialog; the dialog reads and writes the records in place.
struct DialogContext {
    HostData& data;
    Platform& platform;
};

// A print dialog the host created.
class DEK2018_EXPORT Dialog {
public:
    virtual ~Dialog() = default;

    // The dialog's window: `widget().exec()` shows it modally over its owner.
    virtual QDialog& widget() = 0;

    // Activation as the host sees it, for a host that runs the dialog
    // without showing it: activating reads the blank-sheet choice and
    // enables the boxes of the attachments the return has; deactivating
    // stores a changed choice and rewrites the settings file. A dialog shown
    // with exec() does both itself.
    virtual void activate() = 0;
    virtual void deactivate() = 0;

    // Runs the dialog as a user would, without a screen: activates it, clicks
    // the named components in order (a disabled or hidden one does nothing),
    // presses "&Drukuj" unless a click closed the dialog, and deactivates
    // it. Throws std::invalid_argument, before anything runs, for a name the
    // dialog has no component of or whose component cannot be clicked.
    virtual void run_headless(const std::vector<std::string>& clicks) = 0;
};

}  // namespace dek::api
