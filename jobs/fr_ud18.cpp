#include "jobs/fr_ud18.h"

#include <exception>
#include <string>

namespace dek::jobs {

namespace {

// Embedded geometry (design: e_druk 35 high, kl_ustdr at 12, 48, 143 x 31).
constexpr int kWidth = 254;
constexpr int kHeight = 68;
constexpr int kLabelHeight = 28;

}  // namespace

Tfr_ud18::Tfr_ud18(platform::Platform& platform, QWidget* parent) : QFrame(parent), platform_(platform) {
    setObjectName("ust_dr");
    resize(kWidth, kHeight);

    e_druk = new QLabel("e_druk", this);
    e_druk->setObjectName("e_druk");
    e_druk->setGeometry(0, 0, kWidth, kLabelHeight);
    e_druk->setWordWrap(true);
    e_druk->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    kl_ustdr = new QPushButton("&Ustawienia drukarki...", this);
    kl_ustdr->setObjectName("kl_ustdr");
    kl_ustdr->setGeometry(10, 39, 116, 25);
    kl_ustdr->setAutoDefault(false);
    connect(kl_ustdr, &QPushButton::clicked, this, [this] {
        // Nothing may escape into Qt's event loop: the error is shown as the
        // platform shows any error of a handler.
        try {
            kl_ustdrClick();
        } catch (const std::exception& e) {
            platform_.ShowException(e.what());
        }
    });
}

void Tfr_ud18::show_current_printer() {
    const auto names = platform_.printer_names();
    const int index = platform_.printer_index();
    if (index >= 0 && index < static_cast<int>(names.size()))
        e_druk->setText(QString::fromStdString(names[static_cast<std::size_t>(index)]));
}

void Tfr_ud18::kl_ustdrClick() {
    const int before = platform_.printer_index();
    const std::string before_name = current_name();
    // A printer that prints into a file chosen in the dialog keeps its index
    // for another file: its name, which names the file, tells them apart.
    if (platform_.execute_printer_dialog(window()) &&
        (platform_.printer_index() != before || current_name() != before_name))
        show_current_printer();
}

std::string Tfr_ud18::current_name() {
    const auto names = platform_.printer_names();
    const int index = platform_.printer_index();
    return index >= 0 && index < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(index)] : "";
}

}  // namespace dek::jobs
