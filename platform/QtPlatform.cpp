// SPDX-License-Identifier: MIT
#include "platform/QtPlatform.h"

#include "platform/TextOrder.h"
#include "platform/DetachedStart.h"
#include "platform/IniText.h"
#include "platform/NativeName.h"
#include "platform/PathJoin.h"
#include "platform/PosixFile.h"
#include "platform/SettingsFile.h"
#include "platform/ZootError.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zoot {

namespace {

class DirectoryHandle {
public:
    explicit DirectoryHandle(DIR *dir) : m_dir(dir) {}
    ~DirectoryHandle()
    {
        if (m_dir)
            ::closedir(m_dir);
    }
    DirectoryHandle(const DirectoryHandle &) = delete;
    DirectoryHandle &operator=(const DirectoryHandle &) = delete;
    DIR *get() const { return m_dir; }

private:
    DIR *m_dir;
};

bool isPlainFile(int dirFd, const dirent &entry)
{
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    // A link counts when it leads to a plain file; a broken one does not.
    struct stat info {};
    return ::fstatat(dirFd, entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

bool matchesAny(const char *name, const std::vector<QByteArray> &patterns)
{
    return std::any_of(patterns.begin(), patterns.end(), [name](const QByteArray &pattern) {
        return ::fnmatch(pattern.constData(), name, FNM_CASEFOLD) == 0;
    });
}

// The folder of the running program, with its exact bytes.
QString programFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || length == ssize_t(sizeof path))
        return QCoreApplication::applicationDirPath();
    const QByteArray exe(path, length);
    return decodeNative(exe.left(std::max<qsizetype>(exe.lastIndexOf('/'), 1)));
}

QString userSettingsFile()
{
    QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    if (!configHome.startsWith('/')) {
        const QByteArray home = qgetenv("HOME");
        configHome = (home.isEmpty() ? encodeNative(QDir::homePath()) : home) + "/.config";
    }
    return joinPath(joinPath(decodeNative(configHome), kApplicationTitle), kApplicationTitle + QStringLiteral(".conf"));
}

} // namespace

QtPlatform::QtPlatform(QString applicationFolder, QString settingsFile)
    : m_applicationFolder(applicationFolder.isEmpty() ? programFolder() : std::move(applicationFolder)),
      m_settingsFile(settingsFile.isEmpty() ? userSettingsFile() : std::move(settingsFile))
{
}

QString QtPlatform::applicationFolder() const
{
    return m_applicationFolder;
}

QString QtPlatform::applicationTitle() const
{
    return kApplicationTitle;
}

Version QtPlatform::version() const
{
    return {ZOOT_VERSION_MAJOR, ZOOT_VERSION_MINOR, ZOOT_VERSION_PATCH};
}

QStringList QtPlatform::listFiles(const QString &folder, const QStringList &patterns) const
{
    DirectoryHandle dir(::opendir(encodeNative(folder).constData()));
    if (!dir.get())
        throw ZootError(QStringLiteral("Cannot list the folder \"%1\": %2").arg(readableText(folder), systemReason(errno)));

    std::vector<QByteArray> encodedPatterns;
    for (const QString &pattern : patterns)
        encodedPatterns.push_back(encodeNative(pattern));

    QStringList names;
    const int dirFd = ::dirfd(dir.get());
    while (const dirent *entry = ::readdir(dir.get())) {
        if (entry->d_name[0] == '.')
            continue;
        if (matchesAny(entry->d_name, encodedPatterns) && isPlainFile(dirFd, *entry))
            names.append(decodeNative(entry->d_name));
    }
    TextOrder().sort(names);
    return names;
}

QByteArray QtPlatform::readBytes(const QString &path, qint64 offset, qint64 count) const
{
    struct stat info {};
    FileDescriptor fd = openForReading(AT_FDCWD, encodeNative(path).constData(), info);
    if (!fd.isOpen())
        throw ZootError(QStringLiteral("Cannot open \"%1\": %2").arg(readableText(path), systemReason(errno)));
    if (!S_ISREG(info.st_mode))
        throw ZootError(QStringLiteral("\"%1\" is not a regular file").arg(readableText(path)));
    QByteArray bytes;
    if (!readAt(fd.get(), bytes, offset, count))
        throw ZootError(QStringLiteral("Cannot read \"%1\": %2").arg(readableText(path), systemReason(errno)));
    return bytes;
}

bool QtPlatform::pathExists(const QString &path) const
{
    struct stat info {};
    return ::stat(encodeNative(path).constData(), &info) == 0;
}

SettingsSection QtPlatform::readSettings(const QString &section)
{
    try {
        return {iniSection(readSettingsFile(m_settingsFile), section), std::nullopt};
    } catch (const ZootError &error) {
        // What cannot be read must not be replaced either: its other sections
        // would be lost. This was reported here, so later saves stay quiet.
        m_settingsUnreadable = true;
        return {{}, error.description()};
    }
}

std::optional<QString> QtPlatform::saveSettings(const QString &section, const SettingValues &values)
{
    if (m_settingsUnreadable)
        return std::nullopt;
    try {
        updateSettingsFile(m_settingsFile, [&](const QByteArray &current) {
            return withIniValues(current, section, values);
        });
    } catch (const ZootError &error) {
        return error.description();
    }
    return std::nullopt;
}

std::optional<QString> QtPlatform::startProcess(const QString &program, const QStringList &arguments,
                                                const QString &workingFolder)
{
    if (program.isEmpty())
        return QStringLiteral("The command is empty.");
    const QByteArray name = encodeNative(program);
    QByteArray executable;
    if (!program.contains(u'/')) {
        executable = findOnPath(name);
        if (executable.isEmpty())
            return QStringLiteral("\"%1\" was not found on the search path (PATH).").arg(readableText(program));
    } else {
        executable = name.startsWith('/') ? name : encodeNative(workingFolder) + '/' + name;
        struct stat info {};
        if (::stat(executable.constData(), &info) != 0)
            return QStringLiteral("\"%1\" does not exist.").arg(readableText(program));
        if (!S_ISREG(info.st_mode) || ::access(executable.constData(), X_OK) != 0)
            return QStringLiteral("\"%1\" is not an executable program.").arg(readableText(program));
    }
    QList<QByteArray> argv{name};
    for (const QString &argument : arguments)
        argv.append(encodeNative(argument));
    if (auto reason = startDetached(executable, argv, encodeNative(workingFolder)))
        return QStringLiteral("\"%1\" could not be started: %2").arg(readableText(program), *reason);
    return std::nullopt;
}

void QtPlatform::shellOpen(QWidget *, const QString &, const QString &target, const QString &,
                           const QString &directory, int)
{
    // xdg-open would read a target that begins with "-" as an option.
    if (target.isEmpty() || target.startsWith(u'-'))
        return;
    const QByteArray opener = findOnPath("xdg-open");
    if (!opener.isEmpty())
        startDetached(opener, {"xdg-open", encodeNative(target)}, encodeNative(directory));
}

void QtPlatform::messageBox(QWidget *owner, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, owner);
    box.exec();
}

} // namespace zoot
