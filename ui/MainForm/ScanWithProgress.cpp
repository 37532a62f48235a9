// SPDX-License-Identifier: MIT
#include "ui/MainForm/ScanWithProgress.h"

#include "catalogue/ScanProgress.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QLocale>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <climits>
#include <exception>
#include <memory>
#include <optional>

namespace zoot {

namespace {

constexpr int kQuietMs = 500; // a scan shorter than this shows no window
constexpr int kUpdateMs = 50;
// Below this many images the lines are sorted at once: it takes less than a
// millisecond. More are sorted on a thread while the event loop goes on.
constexpr qsizetype kSortAsideFrom = 2000;

// The scan's catalogue; a large one is gathered and sorted off this thread
// while loop runs, input still held.
Catalogue resultOf(RomsScan &scan, QEventLoop &loop)
{
    if (scan.progress().found() < kSortAsideFrom)
        return scan.result();
    std::optional<Catalogue> result;
    std::exception_ptr failure;
    const std::unique_ptr<QThread> sorter(QThread::create([&] {
        try {
            result = scan.result();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QObject::connect(sorter.get(), &QThread::finished, &loop, &QEventLoop::quit);
    sorter->start();
    loop.exec();
    sorter->wait();
    if (failure)
        std::rethrow_exception(failure);
    return std::move(*result);
}

// Holds back user input to every window but the progress window while a
// scan runs, so nothing can start a second scan or a launch on the old list.
// A request to close a window cancels the scan and closes it afterwards.
class InputHold : public QObject {
public:
    explicit InputHold(RomsScan &scan) : m_scan(scan) { qApp->installEventFilter(this); }
    ~InputHold() override
    {
        qApp->removeEventFilter(this);
        if (m_closing)
            QMetaObject::invokeMethod(m_closing, &QWidget::close, Qt::QueuedConnection);
    }
    void allow(QWidget *window) { m_allowed = window; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Events reach a window's QWindow before its widgets: they are judged
        // when they reach the widgets.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;
        const bool allowed = m_allowed && widget->window() == m_allowed;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            return !allowed;
        case QEvent::Close:
            if (allowed || !widget->isWindow())
                return false;
            m_closing = widget;
            m_scan.cancel();
            event->ignore(); // the window stays until the scan has ended
            return true;
        default:
            return false;
        }
    }

private:
    RomsScan &m_scan;
    QWidget *m_allowed = nullptr;
    QPointer<QWidget> m_closing;
};

// The progress window, made when the scan has run long enough.
class ProgressWindow {
public:
    ProgressWindow(RomsScan &scan, QWidget *owner, InputHold &hold, QString title)
        : m_scan(scan), m_owner(owner), m_hold(hold), m_title(std::move(title))
    {
        m_clock.start();
    }

    void update()
    {
        const ScanProgress &progress = m_scan.progress();
        if (progress.cancelled())
            return;
        if (!m_dialog) {
            if (m_clock.elapsed() < kQuietMs)
                return;
            open();
        }
        const QLocale locale;
        const qsizetype total = progress.total();
        if (total < 0) {
            m_dialog->setLabelText(QStringLiteral("Listing the Roms folder: %1 images found, %2 headers read")
                                       .arg(locale.toString(progress.found()), locale.toString(progress.done())));
            m_dialog->setRange(0, 0);
            return;
        }
        m_dialog->setLabelText(QStringLiteral("Reading cartridge headers: %1 of %2")
                                   .arg(locale.toString(progress.done()), locale.toString(total)));
        m_dialog->setRange(0, int(std::min<qsizetype>(total, INT_MAX)));
        m_dialog->setValue(int(std::min<qsizetype>(progress.done(), INT_MAX)));
    }

private:
    void open()
    {
        m_dialog = std::make_unique<QProgressDialog>(m_owner);
        m_dialog->setWindowTitle(m_title);
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->setMinimumDuration(0);
        m_dialog->setCancelButtonText(QStringLiteral("Cancel"));
        m_dialog->setAccessibleName(QStringLiteral("Scan progress"));
        QObject::connect(m_dialog.get(), &QProgressDialog::canceled, m_dialog.get(), [this] { m_scan.cancel(); });
        m_hold.allow(m_dialog.get());
        m_dialog->show();
    }

    RomsScan &m_scan;
    QWidget *m_owner;
    InputHold &m_hold;
    QString m_title;
    QElapsedTimer m_clock;
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace

Catalogue scanWithProgress(const Platform &platform, QWidget *owner, std::unique_ptr<RomsScan> started)
{
    QEventLoop loop; // made first: it outlives the scan's call to quit it
    const std::unique_ptr<RomsScan> owned = started ? std::move(started) : std::make_unique<RomsScan>(platform);
    RomsScan &scan = *owned;
    InputHold hold(scan);
    ProgressWindow window(scan, owner, hold, platform.applicationTitle());
    scan.onFinished([&loop] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection); });
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &loop, [&] {
        // A cancelled scan answers at once: what is still being read is dropped.
        if (scan.progress().cancelled())
            loop.quit();
        else
            window.update();
    });
    ticks.start(kUpdateMs);
    loop.exec();
    ticks.stop();
    return resultOf(scan, loop);
}

} // namespace zoot
