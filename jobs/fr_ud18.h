// The printer frame `Tfr_ud18`: shows which printer the sheets go to and
// opens the printer dialog. The print dialogs embed it as `ust_dr`. The frame
// keeps no state: the chosen printer is the platform's application-wide
// current printer.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "platform/platform.h"

namespace dek::jobs {

class Tfr_ud18 : public QFrame {
public:
    // Made at its embedded size, about 254 x 68 (313 x 83 at design).
    Tfr_ud18(platform::Platform& platform, QWidget* parent);

    // The current printer's name, as the dialog's activation shows it.
    void show_current_printer();

    QLabel* e_druk;
    QPushButton* kl_ustdr;

private:
    void kl_ustdrClick();
    std::string current_name();  // of the current printer; empty when there is none

    platform::Platform& platform_;
};

}  // namespace dek::jobs
