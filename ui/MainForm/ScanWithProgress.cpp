// SPDX-License-Identifier: MIT
#include "ui/MainForm/ScanWithProgress.h"

#include "catalogue/ScanProgress.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QLocale>
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

// Swallows user input to every window but the progress window while a scan
// runs, so nothing can start a second scan or a launch on the old list.
class InputHold : public QObject {
public:
    InputHold() { qApp->installEventFilter(this); }
    ~InputHold() override { qApp->removeEventFilter(this); }
    void allow(QWidget *window) { m_allowed = window; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Close: {
            const auto *widget = qobject_cast<QWidget *>(watched);
            return !(widget && m_allowed && widget->window() == m_allowed);
        }
        default:
            return false;
        }
    }

private:
    QWidget *m_allowed = nullptr;
};

// The progress window, made when the scan has run long enough.
class ProgressWindow {
public:
    ProgressWindow(ScanProgress &progress, QWidget *owner, InputHold &hold)
        : m_progress(progress), m_owner(owner), m_hold(hold)
    {
        m_clock.start();
    }

    void update()
    {
        if (m_progress.cancelled())
            return;
        if (!m_dialog) {
            if (m_clock.elapsed() < kQuietMs)
                return;
            open();
        }
        const QLocale locale;
        const qsizetype total = m_progress.total();
        if (total < 0) {
            m_dialog->setLabelText(QStringLiteral("Listing the Roms folder: %1 images found, %2 headers read")
                                       .arg(locale.toString(m_progress.found()), locale.toString(m_progress.done())));
            m_dialog->setRange(0, 0);
            return;
        }
        m_dialog->setLabelText(QStringLiteral("Reading cartridge headers: %1 of %2")
                                   .arg(locale.toString(m_progress.done()), locale.toString(total)));
        m_dialog->setRange(0, int(std::min<qsizetype>(total, INT_MAX)));
        m_dialog->setValue(int(std::min<qsizetype>(m_progress.done(), INT_MAX)));
    }

private:
    void open()
    {
        m_dialog = std::make_unique<QProgressDialog>(m_owner);
        m_dialog->setWindowTitle(qApp->applicationName());
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->setMinimumDuration(0);
        m_dialog->setCancelButtonText(QStringLiteral("Cancel"));
        m_dialog->setAccessibleName(QStringLiteral("Scan progress"));
        QObject::connect(m_dialog.get(), &QProgressDialog::canceled, m_dialog.get(), [this] { m_progress.cancel(); });
        m_hold.allow(m_dialog.get());
        m_dialog->show();
    }

    ScanProgress &m_progress;
    QWidget *m_owner;
    InputHold &m_hold;
    QElapsedTimer m_clock;
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace

Catalogue scanWithProgress(const Platform &platform, QWidget *owner)
{
    ScanProgress progress;
    std::optional<Catalogue> result;
    std::exception_ptr failure;
    std::unique_ptr<QThread> scan(QThread::create([&] {
        try {
            result = ScanRoms(platform, &progress);
        } catch (...) {
            failure = std::current_exception();
        }
    }));

    InputHold hold;
    ProgressWindow window(progress, owner, hold);
    QEventLoop loop;
    QObject::connect(scan.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &loop, [&window] { window.update(); });
    ticks.start(kUpdateMs);
    scan->start();
    loop.exec();
    scan->wait();

    if (failure)
        std::rethrow_exception(failure);
    return std::move(*result);
}

} // namespace zoot
