// SPDX-License-Identifier: MIT
#pragma once

#include "platform/SettingValues.h"

#include <QByteArray>
#include <QHash>
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

// One section of the per-user settings as read at one moment.
struct SettingsSection {
    QHash<QString, QString> values;
    // Why the settings could not be read; the values are then empty.
    std::optional<QString> problem;
};

// Everything the program asks of the operating system goes through this
// interface, so that tests can hand in fakes that record instead of acting.
// Paths and names are text that encodes the system's bytes without loss
// (platform/NativeName.h).
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

    // Up to count bytes of the regular file at path from offset; fewer when the
    // file ends first. Never waits on a FIFO or a device and never writes:
    // anything but a regular file, and a file that cannot be opened or read,
    // throws ZootError.
    virtual QByteArray readBytes(const QString &path, qint64 offset, qint64 count) const = 0;

    virtual bool pathExists(const QString &path) const = 0;

    // The per-user settings of this application, one section at a time.
    virtual SettingsSection readSettings(const QString &section) = 0;
    // Writes values into section and nothing else. Returns the failure, naming
    // the settings file, when they could not be saved; the file is then as it
    // was. A store found unusable when it was read is not written, and not
    // reported again.
    virtual std::optional<QString> saveSettings(const QString &section, const SettingValues &values) = 0;

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
