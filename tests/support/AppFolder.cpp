#include "tests/support/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zoot::test {

AppFolder::AppFolder()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Roms"));
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
    if (!tools::writeFile(full, bytes))
        qFatal("cannot write %s", qPrintable(full));
    return full;
}

void AppFolder::writeOptions(const QByteArray &lines) const
{
    QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
    if (!tools::writeFile(settingsFile(), "[Options]\n" + lines))
        qFatal("cannot write %s", qPrintable(settingsFile()));
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
