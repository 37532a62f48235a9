#pragma once

#include "platform/Platform.h"

#include <memory>

class QSettings;

namespace zoot {

// The real platform: POSIX calls for the two hot paths of the catalogue scan
// (folder listing and header reads), Qt for everything else.
class QtPlatform : public Platform {
public:
    // An empty applicationFolder means the folder of the running program; an
    // empty settingsFile means the user's native settings store.
    explicit QtPlatform(QString applicationFolder = {}, QString settingsFile = {});
    ~QtPlatform() override;

    QString applicationFolder() const override;
    QString applicationTitle() const override;
    Version version() const override;

    QStringList listFiles(const QString &folder, const QStringList &patterns) const override;
    QByteArray readBytes(const QString &path, qint64 offset, qint64 count) const override;
    bool pathExists(const QString &path) const override;

    QString readSetting(const QString &section, const QString &key, const QString &fallback) override;
    void writeSetting(const QString &section, const QString &key, const QString &value) override;
    std::optional<QString> flushSettings() override;

    std::optional<QString> startProcess(const QString &program, const QStringList &arguments,
                                        const QString &workingFolder) override;
    void shellOpen(QWidget *owner, const QString &operation, const QString &target,
                   const QString &parameters, const QString &directory, int showCommand) override;
    void messageBox(QWidget *owner, const QString &text) override;

private:
    QSettings &settings();

    QString m_applicationFolder;
    QString m_settingsFile;
    std::unique_ptr<QSettings> m_settings;
};

} // namespace zoot
