// SPDX-License-Identifier: MIT
#pragma once

#include "platform/QtPlatform.h"

#include <QList>
#include <QStringList>

#include <atomic>
#include <optional>

namespace zoot::test {

// The real platform for files and settings (in a settings file the test
// chooses), recording instead of acting for what a test must not do: process
// starts and opening documents.
class RecordingPlatform : public QtPlatform {
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };
    struct Opened {
        QString target;
        QString workingFolder;
    };

    RecordingPlatform(const QString &applicationFolder, const QString &settingsFile);

    std::shared_ptr<const Folder> openFolder(const QString &path) const override;
    QByteArray readBytes(const QString &path, qint64 offset, qint64 count) const override;
    void startProcess(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
    void openExternally(const QString &target, const QString &workingFolder) override;

    QList<Start> starts;
    QList<Opened> opens;
    // When set, process starts fail with this description.
    std::optional<QString> startFailure;
    // When true, processes are really started (after being recorded).
    bool startForReal = false;
    // When set, listings report no file types, as network file systems may.
    bool hideTypes = false;
    // How often folders were listed and files read; reads come from several
    // threads at once.
    mutable std::atomic<int> listings = 0;
    mutable std::atomic<int> reads = 0;

    // How long each file read waits first, as on a network share.
    unsigned long readDelayUs = 0;

    // Called before every file read, from whichever thread reads, with the
    // file's name or path; waits readDelayUs.
    virtual void beforeRead(const QString &name) const;
};

} // namespace zoot::test
