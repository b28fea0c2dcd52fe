#include "jobs/print_dialog.h"

#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QPalette>
#include <QShowEvent>
#include <QStyle>
#include <QVariant>
#include <QWindow>
#include <exception>
#include <stdexcept>
#include <string>

#include "jobs/sheet_title.h"
#include "platform/qt_platform.h"
#include "records/rekster.h"

namespace dek::jobs {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The info-tip background of the original platform, a light yellow.
const QColor kInfoBackground(255, 255, 225);
constexpr int kCheckBoxHeight = 17;
constexpr int kButtonWidth = 109;
constexpr int kButtonHeight = 32;
constexpr int kNiezadrWidth = 299;

// Whether `widget` is `ancestor` or lies inside it, across window boundaries
// (a message box made with the dialog as its parent is the dialog's own).
bool belongs_to(const QWidget* widget, const QWidget* ancestor) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w == ancestor) return true;
    }
    return false;
}

QWidget* widget_of(const QWindow* window) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowHandle() == window) return w;
    }
    return nullptr;
}

}  // namespace

PrintDialog::PrintDialog(const DialogDescription& description, const DialogContext& ctx, QWidget* owner)
    : QDialog(owner),
      description_(description),
      data_(ctx.data),
      platform_(ctx.platform),
      find_page_(ctx.find_page),
      on_sheet_title_(ctx.on_sheet_title),
      on_job_end_(ctx.on_job_end) {
    if (description_.job == nullptr || find_page_ == nullptr) throw std::logic_error("print dialog without its job");
    // The instance is named after its class without the leading T, as forms are.
    setObjectName(qs(description_.class_name.substr(1)));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (description_.system_menu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setProperty("HelpContext", kHelpContext);
    setFixedSize(description_.width, description_.height);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kInfoBackground);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont font("Liberation Sans");
    font.setPixelSize(10);
    setFont(font);
    setWindowTitle(qs(description_.caption));

    g_str = new QGroupBox(QStringLiteral("Drukować strony"), this);
    g_str->setObjectName("g_str");
    g_str->setGeometry(description_.group.left, description_.group.top, description_.group.width,
                       description_.group.height);
    for (const CheckBoxSpec& c : description_.checkboxes) {
        auto* box = new QCheckBox(qs(c.caption), g_str);
        box->setObjectName(qs(c.name));
        box->adjustSize();
        box->setGeometry(c.left, c.top, box->width(), kCheckBoxHeight);
        // A page that does not exist yet cannot be offered: its box stays
        // disabled and unticked, so no sheet is silently left out.
        bool exists = false;
        for (std::string_view cls : page_classes_of(*description_.job, c.name))
            exists = exists || find_page_(cls) != nullptr;
        box->setChecked(exists);
        box->setEnabled(exists);
    }
    int panel = 0;
    for (const Box& s : description_.separators) {
        auto* line = new QFrame(g_str);
        line->setObjectName(QStringLiteral("Panel%1").arg(++panel));
        line->setGeometry(s.left, s.top, s.width, s.height);
        QPalette black = line->palette();
        black.setColor(QPalette::Window, Qt::black);
        line->setPalette(black);
        line->setAutoFillBackground(true);
    }
    kl_zmust = new QPushButton(QStringLiteral("zmiana wszystkich"), g_str);
    kl_zmust->setObjectName("kl_zmust");
    kl_zmust->setGeometry(description_.zmust.left, description_.zmust.top, description_.zmust.width,
                          description_.zmust.height);
    kl_zmust->setAutoDefault(false);

    Pm_zm_ust = new QMenu(this);
    Pm_zm_ust->setObjectName("Pm_zm_ust");
    pm_zm_wsz = Pm_zm_ust->addAction(QStringLiteral("zmiana wszystkich"));
    pm_zm_wsz->setObjectName("pm_zm_wsz");
    // The group's pop-up menu; right clicks on its checkboxes reach it too.
    g_str->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(g_str, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { Pm_zm_ust->popup(g_str->mapToGlobal(at)); });

    ChB_niezadr = new QCheckBox(QStringLiteral("wydruk na czystych kartkach (nadruk formularza i danych)"), this);
    ChB_niezadr->setObjectName("ChB_niezadr");
    ChB_niezadr->setGeometry(description_.niezadr.left, description_.niezadr.top, kNiezadrWidth, kCheckBoxHeight);
    ChB_niezadr->setChecked(false);
    ChB_niezadr->setVisible(false);

    kl_druk = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&Drukuj"), this);
    kl_druk->setObjectName("kl_druk");
    kl_druk->setGeometry(description_.druk.left, description_.druk.top, kButtonWidth, kButtonHeight);
    kl_druk->setDefault(true);

    kl_anuluj = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("&Anuluj"), this);
    kl_anuluj->setObjectName("kl_anuluj");
    kl_anuluj->setGeometry(description_.anuluj.left, description_.anuluj.top, kButtonWidth, kButtonHeight);
    kl_anuluj->setAutoDefault(false);

    ust_dr = new Tfr_ud18(platform_, this);
    ust_dr->move(description_.ust_dr.left, description_.ust_dr.top);

    connect(kl_zmust, &QPushButton::clicked, this, [this] { handle(&PrintDialog::kl_zmustClick); });
    connect(pm_zm_wsz, &QAction::triggered, this, [this] { handle(&PrintDialog::kl_zmustClick); });
    connect(ChB_niezadr, &QCheckBox::clicked, this, [this] { handle(&PrintDialog::ChB_niezadrClick); });
    // "&Drukuj" carries the modal result OK: the dialog closes as soon as the
    // job returns, also when it stopped at once.
    connect(kl_druk, &QPushButton::clicked, this, [this] {
        const bool completed = handle(&PrintDialog::kl_drukClick);
        if (on_job_end_) {
            try {
                on_job_end_(completed);
            } catch (const std::exception& e) {
                platform_.ShowException(e.what());
            }
        }
        accept();
    });
    connect(kl_anuluj, &QPushButton::clicked, this, &QDialog::reject);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) { on_focus_window(w); });
}

PrintDialog::~PrintDialog() = default;

QCheckBox* PrintDialog::page_checkbox(std::string_view name) const {
    auto* box = g_str->findChild<QCheckBox*>(qs(name), Qt::FindDirectChildrenOnly);
    if (box == nullptr) throw std::logic_error("the dialog has no checkbox " + std::string(name));
    return box;
}

bool PrintDialog::handle(void (PrintDialog::*handler)()) {
    try {
        (this->*handler)();
        return true;
    } catch (const std::exception& e) {
        platform_.ShowException(e.what());
    } catch (...) {
        platform_.ShowException("unknown error");
    }
    return false;
}

void PrintDialog::activate() {
    if (active_ || closing_) return;
    active_ = true;
    handle(&PrintDialog::FormActivate);
}

void PrintDialog::deactivate() {
    if (!active_) return;
    active_ = false;
    handle(&PrintDialog::FormDeactivate);
}

void PrintDialog::showEvent(QShowEvent* event) {
    // Shown, the dialog is Polish, and so are the standard buttons and dialogs
    // Qt shows for it (the prompts' OK and Cancel, the printer dialog). A
    // dialog run without a screen never shows them.
    platform::use_polish_qt_texts();
    QDialog::showEvent(event);
    if (!event->spontaneous()) activate();
}

void PrintDialog::done(int result) {
    // Closing deactivates the dialog; its messages (an error writing the
    // settings) must not activate it again on their way out.
    closing_ = true;
    deactivate();
    QDialog::done(result);
    closing_ = false;
}

void PrintDialog::on_focus_window(QWindow* window) {
    if (window == nullptr || !isVisible()) return;  // another application, or nothing yet
    QWidget* widget = widget_of(window);
    if (widget == this) {
        activate();
    } else if (widget != nullptr && !belongs_to(widget, this)) {
        deactivate();  // another window of the host
    }
}

void PrintDialog::set_caption() {
    std::string caption(description_.caption);
    if (wydr_niezadr) caption += kCaptionYear;
    setWindowTitle(QString::fromStdString(caption));
}

void PrintDialog::FormActivate() {
    const rekster_t& rekster = data_.rekster;
    wydr_niezadr_pocz = rekster.niezadr(description_.niezadr_at);
    for (const AttachmentSpec& a : description_.attachments) {
        if (a.count(data_) != 0) continue;
        for (std::string_view name : a.checkboxes) {
            QCheckBox* box = page_checkbox(name);
            box->setEnabled(false);
            box->setChecked(false);
        }
    }
    if (rekster.dr_bezp() == 0) {
        ust_dr->show_current_printer();
        ChB_niezadr->setVisible(true);
        ChB_niezadr->setChecked(wydr_niezadr_pocz);
    } else {
        ust_dr->setVisible(false);
        ChB_niezadr->setVisible(false);
    }
    wydr_niezadr = ChB_niezadr->isChecked();
    set_caption();
}

void PrintDialog::kl_zmustClick() {
    // Each enabled box of the group changes its own tick: the selection is
    // inverted, and disabled (unavailable) pages are never ticked.
    for (QObject* child : g_str->children()) {
        auto* box = qobject_cast<QCheckBox*>(child);
        if (box != nullptr && box->isEnabledTo(this)) box->setChecked(!box->isChecked());
    }
}

void PrintDialog::ChB_niezadrClick() {
    wydr_niezadr = ChB_niezadr->isChecked();
    set_caption();
}

void PrintDialog::kl_drukClick() {
    JobContext ctx{data_, platform_, find_page_,
                   [this](std::string_view name) { return page_checkbox(name)->isChecked(); }, wydr_niezadr};
    if (on_sheet_title_)
        ctx.on_sheet = [this](const Sheet& sheet) { on_sheet_title_(sheet_title(description_, sheet)); };
    run_print_job(*description_.job, ctx);
}

void PrintDialog::FormDeactivate() {
    // The start value stays as read at activation: a later deactivation
    // without a new activation writes the choice again.
    if (data_.rekster.dr_bezp() != 0 || wydr_niezadr == wydr_niezadr_pocz) return;
    data_.rekster.set_niezadr(description_.niezadr_at, wydr_niezadr);
    write_settings(data_.zbster, data_.rekster);
}

}  // namespace dek::jobs
