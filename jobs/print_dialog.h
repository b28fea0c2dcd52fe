// What the four print dialogs share: the components, the handlers and the
// activation as the host sees it. A dialog class is this base made from its
// description (checkboxes, positions, attachment counts, settings byte) and
// its print job's table.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "jobs/fr_ud18.h"
#include "jobs/print_sequence.h"
#include "platform/platform.h"
#include "records/host_data.h"

class QWindow;

namespace dek::jobs {

struct Box {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Place {
    int left = 0, top = 0;
};

struct CheckBoxSpec {
    std::string_view name;     // "chbox_st_1", "ChBox_o_3"
    std::string_view caption;  // "PIT/O  1/4"
    int left = 0, top = 0;
};

// An attachment whose boxes are disabled and unticked while its count is 0.
struct AttachmentSpec {
    std::vector<std::string_view> checkboxes;
    std::uint8_t (*count)(const HostData&) = nullptr;  // `rekdek.ilzal[5]` and the like
};

// The attachment counts the dialogs read: `rekdek.ilzal[K]`, `rek28.ilzal[K]`.
template <int K>
std::uint8_t rekdek_ilzal(const HostData& d) {
    return d.rekdek.ilzal[K];
}
template <int K>
std::uint8_t rek28_ilzal(const HostData& d) {
    return d.rek28.ilzal[K];
}

struct DialogDescription {
    std::string_view class_name;  // "Tf_wydpit37"
    std::string_view caption;     // "Wydruk zeznania PIT-37"; blank-sheet mode adds " (za rok 2018)"
    int width = 0, height = 0;    // the window
    Box group;                    // `g_str`
    std::vector<CheckBoxSpec> checkboxes;
    std::vector<AttachmentSpec> attachments;  // in the order activation disables them
    std::vector<Box> separators;              // black lines inside `g_str`: Panel1, Panel2, ...
    Box zmust;                                // `kl_zmust`
    Place niezadr;                            // `ChB_niezadr`
    Place druk;                               // `kl_druk`
    Place anuluj;                             // `kl_anuluj`
    Place ust_dr;                             // `ust_dr`
    std::size_t niezadr_at = 0;               // the dialog's blank-sheet byte of `rekster`
    bool system_menu = false;                 // the title bar carries the system menu
    const PrintJob* job = nullptr;            // `kl_drukClick`'s job
};

// Told the name of each sheet the dialog's job prints (`sheet_title`), just
// before the sheet goes to the printer.
using SheetTitleHook = std::function<void(const std::string& title)>;

// Told that the dialog's job has ended: completed, or stopped at an error
// (already shown).
using JobEndHook = std::function<void(bool completed)>;

// What the host hands to a dialog it creates.
struct DialogContext {
    HostData& data;
    platform::Platform& platform;
    PageLookup find_page;
    SheetTitleHook on_sheet_title{};
    JobEndHook on_job_end{};
};

inline constexpr std::string_view kCaptionYear = " (za rok 2018)";
inline constexpr int kHelpContext = 1006;

class PrintDialog : public QDialog {
public:
    PrintDialog(const DialogDescription& description, const DialogContext& ctx, QWidget* owner);
    ~PrintDialog() override;

    // Activation as the host sees it: `FormActivate` when the dialog becomes
    // the active window (shown, or back from another window of the host),
    // `FormDeactivate` when it stops being it (closed, or another window of
    // the host became active). The prompts, messages and printer dialog the
    // dialog opens itself do not count. The headless host calls these
    // directly.
    void activate();
    void deactivate();
    bool is_active() const { return active_; }

    const DialogDescription& description() const { return description_; }
    // The page checkbox of that name; throws std::logic_error when there is none.
    QCheckBox* page_checkbox(std::string_view name) const;

    bool wydr_niezadr = false;       // blank-sheet printing is in effect
    bool wydr_niezadr_pocz = false;  // the blank-sheet setting as read at the last activation

    QGroupBox* g_str;
    QPushButton* kl_zmust;
    QMenu* Pm_zm_ust;
    QAction* pm_zm_wsz;
    QPushButton* kl_druk;
    QPushButton* kl_anuluj;
    QCheckBox* ChB_niezadr;
    Tfr_ud18* ust_dr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

    void FormActivate();
    void kl_zmustClick();
    void ChB_niezadrClick();
    void kl_drukClick();
    void FormDeactivate();

private:
    // Runs a handler; an exception is shown by the platform's default handling
    // and goes no further (nothing may escape into Qt's event loop). Returns
    // whether the handler completed.
    bool handle(void (PrintDialog::*handler)());
    void set_caption();
    void on_focus_window(QWindow* window);

    const DialogDescription& description_;
    HostData& data_;
    platform::Platform& platform_;
    PageLookup find_page_;
    SheetTitleHook on_sheet_title_;
    JobEndHook on_job_end_;
    bool active_ = false;
    bool closing_ = false;
};

}  // namespace dek::jobs
