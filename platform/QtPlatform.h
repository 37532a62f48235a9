// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

namespace zoot {

// The real platform: POSIX calls for files, folders and processes, so that
// names keep their exact bytes and nothing waits on a FIFO.
class QtPlatform : public Platform {
public:
    // An empty applicationFolder means the folder of the running program; an
    // empty settingsFile means userSettingsFile().
    explicit QtPlatform(QString applicationFolder = {}, QString settingsFile = {});

    // $XDG_CONFIG_HOME/ZOOTfront/ZOOTfront.conf, ~/.config by default.
    static QString userSettingsFile();

    QString applicationFolder() const override;
    QString applicationTitle() const override;
    Version version() const override;

    std::shared_ptr<const Folder> openFolder(const QString &path) const override;
    QByteArray readBytes(const QString &path, qint64 offset, qint64 count) const override;
    bool pathExists(const QString &path) const override;

    QByteArray readSettingsText() override;
    void updateSettingsText(const TextEdit &edit) override;

    void startProcess(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
    void openExternally(const QString &target, const QString &workingFolder) override;

private:
    QString m_applicationFolder;
    QString m_settingsFile;
    bool m_settingsUnreadable = false;
};

} // namespace zoot
