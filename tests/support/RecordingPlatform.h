// SPDX-License-Identifier: MIT
#pragma once

#include "platform/QtPlatform.h"

#include <QList>
#include <QStringList>

#include <atomic>

namespace zoot::test {

// The real platform for files and settings (in a settings file the test
// chooses), recording instead of acting for everything a test must not do:
// message boxes, process starts and opening documents.
class RecordingPlatform : public QtPlatform {
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };
    struct ShellOpen {
        QWidget *owner;
        QString operation;
        QString target;
        QString parameters;
        QString directory;
        int showCommand;
    };

    RecordingPlatform(const QString &applicationFolder, const QString &settingsFile);

    std::unique_ptr<Folder> openFolder(const QString &path) const override;
    QByteArray readBytes(const QString &path, qint64 offset, qint64 count) const override;
    std::optional<QString> startProcess(const QString &program, const QStringList &arguments,
                                        const QString &workingFolder) override;
    void shellOpen(QWidget *owner, const QString &operation, const QString &target, const QString &parameters,
                   const QString &directory, int showCommand) override;
    void messageBox(QWidget *owner, const QString &text) override;

    QStringList messages;
    QList<Start> starts;
    QList<ShellOpen> opens;
    // When set, process starts fail with this reason.
    std::optional<QString> startFailure;
    // When true, processes are really started (after being recorded).
    bool startForReal = false;
    // When set, listings report no file types, as network file systems may.
    bool hideTypes = false;
    // How often folders were listed, files read and file types asked for;
    // reads come from several threads at once.
    mutable std::atomic<int> listings = 0;
    mutable std::atomic<int> reads = 0;
    mutable std::atomic<int> typeQueries = 0;

    // How long each file read waits first, as on a network share.
    unsigned long readDelayUs = 0;

    // Called before every file read, from whichever thread reads; waits
    // readDelayUs.
    virtual void beforeRead() const;
};

} // namespace zoot::test
