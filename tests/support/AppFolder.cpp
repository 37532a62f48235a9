// SPDX-License-Identifier: MIT
#include "tests/support/AppFolder.h"

#include "platform/NativeName.h"
#include "platform/PosixFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>
#include <fcntl.h>
#include <ftw.h>
#include <unistd.h>

namespace zoot::test {

AppFolder::AppFolder()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Roms"));
}

AppFolder::~AppFolder()
{
    // By bytes: Qt's own removal misses names that are not UTF-8.
    ::nftw(encodeNative(m_dir.path()).constData(),
           [](const char *path, const struct stat *, int, FTW *) { return ::remove(path); }, 16, FTW_DEPTH | FTW_PHYS);
}

QString AppFolder::addImage(const QString &name, const QByteArray &title, std::optional<quint8> cgb, quint8 sgb)
{
    tools::CartridgeRecipe recipe;
    recipe.title = title;
    recipe.cgbFlag = cgb;
    recipe.sgbFlag = sgb;
    recipe.size = 512;
    return addRaw(QStringLiteral("Roms/") + name, tools::makeCartridge(recipe));
}

QString AppFolder::addRaw(const QString &relativePath, const QByteArray &bytes)
{
    const QString full = m_dir.filePath(relativePath);
    QDir().mkpath(QFileInfo(full).absolutePath());
    // Written by its exact bytes: names need not be UTF-8.
    FileDescriptor fd(::open(encodeNative(full).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd.isOpen() || ::write(fd.get(), bytes.constData(), size_t(bytes.size())) != bytes.size())
        qFatal("cannot write %s", qPrintable(full));
    return full;
}

void AppFolder::writeSettings(const QByteArray &text) const
{
    QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
    if (!tools::writeFile(settingsFile(), text))
        qFatal("cannot write %s", qPrintable(settingsFile()));
}

void AppFolder::writeOptions(const QByteArray &lines) const
{
    writeSettings("[Options]\n" + lines);
}

QByteArray AppFolder::settingsText() const
{
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<QString> AppFolder::savedOption(const QString &key) const
{
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    const QString full = QStringLiteral("Options/") + key;
    return settings.contains(full) ? std::optional<QString>(settings.value(full).toString()) : std::nullopt;
}

QByteArray headerBytes(qint64 size, std::initializer_list<std::pair<int, QByteArray>> patches)
{
    QByteArray bytes(size, '\0');
    for (const auto &[offset, patch] : patches)
        bytes.replace(offset, patch.size(), patch);
    return bytes.left(size);
}

int openDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot).size());
}

} // namespace zoot::test
