#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace zoot {

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// Everything the program asks of the operating system goes through this
// interface, so that tests can hand in fakes that record instead of acting.
class Platform {
public:
    virtual ~Platform() = default;

    // Application metadata.
    virtual QString applicationFolder() const = 0;
    virtual QString applicationTitle() const = 0;
    virtual Version version() const = 0;

    // Bare names of the plain files in folder matching any of the wildcard
    // patterns (letter case ignored), hidden files left out, in name order
    // ignoring letter case. Throws ZootError when the folder cannot be listed.
    virtual QStringList listFiles(const QString &folder, const QStringList &patterns) const = 0;

    // Up to count bytes of the file from offset; fewer when the file ends first.
    // Throws ZootError when the file cannot be opened or read. Never writes.
    virtual QByteArray readBytes(const QString &path, qint64 offset, qint64 count) const = 0;

    virtual bool pathExists(const QString &path) const = 0;

    // Per-user settings of this application, addressed by section and key.
    virtual QString readSetting(const QString &section, const QString &key, const QString &fallback) = 0;
    virtual void writeSetting(const QString &section, const QString &key, const QString &value) = 0;
    // Writes pending settings out; a description of the failure when that fails.
    virtual std::optional<QString> flushSettings() = 0;

    // Starts program with arguments in workingFolder, detached and not waited
    // for; the system's reason when it cannot be started.
    virtual std::optional<QString> startProcess(const QString &program, const QStringList &arguments,
                                                const QString &workingFolder) = 0;

    // Opens a document, web address or mailto: address with the desktop's
    // default program. The result is not reported.
    virtual void shellOpen(QWidget *owner, const QString &operation, const QString &target,
                           const QString &parameters, const QString &directory, int showCommand) = 0;

    // Modal message with an OK button and the application title as caption.
    virtual void messageBox(QWidget *owner, const QString &text) = 0;
};

} // namespace zoot
