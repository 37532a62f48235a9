// SPDX-License-Identifier: MIT
#pragma once

#include "tools/Cartridge.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <optional>

namespace zoot::test {

// A temporary application folder with a Roms folder inside, and helpers to
// put images, pictures and other files in it.
class AppFolder {
public:
    AppFolder();
    ~AppFolder();
    AppFolder(const AppFolder &) = delete;
    AppFolder &operator=(const AppFolder &) = delete;

    QString path() const { return m_dir.path(); }
    QString romsPath() const { return m_dir.filePath(QStringLiteral("Roms")); }
    QString settingsFile() const { return m_dir.filePath(QStringLiteral("config/ZOOTfront.conf")); }

    // Writes Roms/<name>; returns its full path.
    QString addImage(const QString &name, const QByteArray &title, std::optional<quint8> cgb = std::nullopt,
                     quint8 sgb = 0x00);
    // Writes a file by the exact bytes of its name (see decodeNative()).
    QString addRaw(const QString &relativePath, const QByteArray &bytes);
    // Writes the settings file by hand: the whole text, or an [Options]
    // section holding lines.
    void writeSettings(const QByteArray &text) const;
    void writeOptions(const QByteArray &lines) const;
    // The settings file as it stands, "" when there is none.
    QByteArray settingsText() const;
    // An option as Qt's own QSettings reads the settings file; nullopt when
    // the key is missing.
    std::optional<QString> savedOption(const QString &key) const;

private:
    QTemporaryDir m_dir;
};

// A header image built from raw bytes at given offsets, zero elsewhere.
QByteArray headerBytes(qint64 size, std::initializer_list<std::pair<int, QByteArray>> patches);

// Number of file descriptors this process holds open.
int openDescriptorCount();

} // namespace zoot::test
