// A probe loaded into an unchanged dek2018 (LD_PRELOAD) to time how soon a
// dialog is on screen: when the first dialog window has been painted and its
// picture handed to the display, it writes the time of day in nanoseconds
// (CLOCK_REALTIME) to standard error as "first-paint NS" and ends the
// process. The caller takes the time before starting the command, so the
// difference covers everything: loading, start-up, the dialog's making, its
// first paint.
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

class FirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint) {
            const auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog != nullptr && dialog->isWindow()) {
                seen_ = true;
                // Once the paint in progress is flushed to the window.
                QTimer::singleShot(0, [] {
                    timespec now{};
                    clock_gettime(CLOCK_REALTIME, &now);
                    std::fprintf(stderr, "first-paint %lld\n",
                                 static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                    std::fflush(stderr);
                    ::_exit(0);
                });
            }
        }
        return false;
    }

private:
    bool seen_ = false;
};

// Run by the application object's constructor.
void install() { QCoreApplication::instance()->installEventFilter(new FirstPaint(QCoreApplication::instance())); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
