// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

namespace zoot {

// The real platform: POSIX calls for files, folders and processes, so that
// names keep their exact bytes and nothing waits on a FIFO; Qt for the
// desktop and message boxes.
class QtPlatform : public Platform {
public:
    // An empty applicationFolder means the folder of the running program; an
    // empty settingsFile means the user's settings file,
    // $XDG_CONFIG_HOME/ZOOTfront/ZOOTfront.conf (~/.config by default).
    explicit QtPlatform(QString applicationFolder = {}, QString settingsFile = {});

    QString applicationFolder() const override;
    QString applicationTitle() const override;
    Version version() const override;

    std::unique_ptr<Folder> openFolder(const QString &path) const override;
    QByteArray readBytes(const QString &path, qint64 offset, qint64 count) const override;
    bool pathExists(const QString &path) const override;

    SettingsSection readSettings(const QString &section) override;
    std::optional<QString> saveSettings(const QString &section, const SettingValues &values) override;

    std::optional<QString> startProcess(const QString &program, const QStringList &arguments,
                                        const QString &workingFolder) override;
    void shellOpen(QWidget *owner, const QString &operation, const QString &target,
                   const QString &parameters, const QString &directory, int showCommand) override;
    void messageBox(QWidget *owner, const QString &text) override;

    const QString &settingsFile() const { return m_settingsFile; }

private:
    QString m_applicationFolder;
    QString m_settingsFile;
    bool m_settingsUnreadable = false;
};

} // namespace zoot
