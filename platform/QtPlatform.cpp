// SPDX-License-Identifier: MIT
#include "platform/QtPlatform.h"

#include "platform/DetachedStart.h"
#include "platform/NativeName.h"
#include "platform/PathJoin.h"
#include "platform/PosixFile.h"
#include "platform/SettingsFile.h"
#include "platform/Version.h"
#include "platform/ZootError.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zoot {

namespace {

// Whether name ends in extension (lower case, dot included), letter case
// ignored.
bool hasExtension(const char *name, const QByteArray &extension)
{
    const size_t length = std::strlen(name);
    const size_t suffix = size_t(extension.size());
    return length >= suffix && ::strncasecmp(name + length - suffix, extension.constData(), suffix) == 0;
}

[[noreturn]] void cannotList(const QString &folder, int error)
{
    throw ZootError(QStringLiteral("Cannot list the folder \"%1\": %2").arg(readableText(folder), systemReason(error)));
}

// Up to count bytes from offset of the regular file name, relative to dirFd
// (whose path is folder, or empty when name is a whole path).
QByteArray readRegularFile(int dirFd, const QString &folder, const QString &name, qint64 offset, qint64 count)
{
    const auto shown = [&] { return readableText(folder.isEmpty() ? name : joinPath(folder, name)); };
    struct stat info {};
    FileDescriptor fd = openForReading(dirFd, encodeNative(name).constData(), info);
    if (!fd.isOpen())
        throw ZootError(QStringLiteral("Cannot open \"%1\": %2").arg(shown(), systemReason(errno)));
    if (!S_ISREG(info.st_mode))
        throw ZootError(QStringLiteral("\"%1\" is not a regular file").arg(shown()));
    QByteArray bytes;
    if (!readAt(fd.get(), bytes, offset, count))
        throw ZootError(QStringLiteral("Cannot read \"%1\": %2").arg(shown(), systemReason(errno)));
    return bytes;
}

// Entries handed over at a time while a folder is listed.
constexpr qsizetype kListBatch = 256;

class PosixFolder : public Folder {
public:
    PosixFolder(QString path, FileDescriptor fd) : m_path(std::move(path)), m_fd(std::move(fd)) {}

    using Folder::list;
    void list(const QStringList &extensions, const std::function<void(Batch &&)> &take) const override
    {
        // The directory stream gets a descriptor of its own, with its own
        // position, which closedir closes.
        FileDescriptor own(::openat(m_fd.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        DIR *dir = own.isOpen() ? ::fdopendir(own.get()) : nullptr;
        if (!dir)
            cannotList(m_path, errno);
        own.release();
        const std::unique_ptr<DIR, int (*)(DIR *)> closer(dir, ::closedir);

        QList<QByteArray> wanted;
        for (const QString &extension : extensions)
            wanted.append(encodeNative(extension.toLower()));
        const auto matchesAny = [&](const char *name) {
            return std::any_of(wanted.begin(), wanted.end(), [name](const QByteArray &e) { return hasExtension(name, e); });
        };

        Batch files;
        for (;;) {
            errno = 0; // readdir tells the end from a failure only by errno
            const dirent *entry = ::readdir(dir);
            if (!entry)
                break;
            const unsigned char type = entry->d_type;
            if (entry->d_name[0] == '.' || (type != DT_REG && type != DT_LNK && type != DT_UNKNOWN))
                continue;
            if (!matchesAny(entry->d_name))
                continue;
            files.append({decodeNative(entry->d_name), type == DT_REG});
            if (files.size() == kListBatch)
                take(std::exchange(files, {}));
        }
        if (errno != 0)
            cannotList(m_path, errno);
        if (!files.isEmpty())
            take(std::move(files));
    }

    QByteArray readBytes(const QString &name, qint64 offset, qint64 count) const override
    {
        return readRegularFile(m_fd.get(), m_path, name, offset, count);
    }

    bool isPlainFile(const QString &name) const override
    {
        struct stat info {};
        return ::fstatat(m_fd.get(), encodeNative(name).constData(), &info, 0) == 0 && S_ISREG(info.st_mode);
    }

private:
    QString m_path;
    FileDescriptor m_fd;
};

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

} // namespace

QString QtPlatform::userSettingsFile()
{
    QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    if (!configHome.startsWith('/')) {
        const QByteArray home = qgetenv("HOME");
        configHome = (home.isEmpty() ? encodeNative(QDir::homePath()) : home) + "/.config";
    }
    const QString title = QLatin1String(kApplicationTitle);
    return joinPath(joinPath(decodeNative(configHome), title), title + QStringLiteral(".conf"));
}

Folder::Batch Folder::list(const QStringList &extensions) const
{
    Batch all;
    list(extensions, [&all](Batch &&batch) { all.append(std::move(batch)); });
    return all;
}

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
    return QLatin1String(kApplicationTitle);
}

Version QtPlatform::version() const
{
    return {kVersionMajor, kVersionMinor, kVersionRevision};
}

std::shared_ptr<const Folder> QtPlatform::openFolder(const QString &path) const
{
    FileDescriptor fd(::open(encodeNative(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.isOpen())
        cannotList(path, errno);
    return std::make_shared<PosixFolder>(path, std::move(fd));
}

QByteArray QtPlatform::readBytes(const QString &path, qint64 offset, qint64 count) const
{
    return readRegularFile(AT_FDCWD, QString(), path, offset, count);
}

bool QtPlatform::pathExists(const QString &path) const
{
    struct stat info {};
    return ::stat(encodeNative(path).constData(), &info) == 0;
}

QByteArray QtPlatform::readSettingsText()
{
    try {
        return readSettingsFile(m_settingsFile);
    } catch (const ZootError &) {
        // What cannot be read must not be replaced either: its other sections
        // would be lost. The caller reports it, so later saves stay quiet.
        m_settingsUnreadable = true;
        throw;
    }
}

void QtPlatform::updateSettingsText(const TextEdit &edit)
{
    if (!m_settingsUnreadable)
        updateSettingsFile(m_settingsFile, edit);
}

namespace {

// The program file that program stands for: searched on PATH when it is a
// bare name, otherwise a path from workingFolder.
QByteArray executableOf(const QString &program, const QString &workingFolder)
{
    const auto cannotStart = [&](const QString &why) {
        return ZootError(QStringLiteral("Cannot start \"%1\": %2").arg(readableText(program), why));
    };
    const QByteArray name = encodeNative(program);
    if (!program.contains(u'/')) {
        const QByteArray found = findOnPath(name);
        if (found.isEmpty())
            throw cannotStart(QStringLiteral("it was not found on the search path (PATH)."));
        return found;
    }
    const QByteArray executable = name.startsWith('/') ? name : encodeNative(workingFolder) + '/' + name;
    struct stat info {};
    if (::stat(executable.constData(), &info) != 0)
        throw cannotStart(QStringLiteral("it does not exist."));
    if (!S_ISREG(info.st_mode) || ::access(executable.constData(), X_OK) != 0)
        throw cannotStart(QStringLiteral("it is not an executable program."));
    return executable;
}

} // namespace

void QtPlatform::startProcess(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    if (program.isEmpty())
        throw ZootError(QStringLiteral("The command is empty: there is no program to start."));
    const QByteArray executable = executableOf(program, workingFolder);
    QList<QByteArray> argv{encodeNative(program)};
    for (const QString &argument : arguments)
        argv.append(encodeNative(argument));
    if (const int error = startDetached(executable, argv, encodeNative(workingFolder)))
        throw ZootError(QStringLiteral("Cannot start \"%1\": %2.").arg(readableText(program), systemReason(error)));
}

void QtPlatform::openExternally(const QString &target, const QString &workingFolder)
{
    // xdg-open would read a target that begins with "-" as an option.
    if (target.isEmpty() || target.startsWith(u'-'))
        return;
    const QByteArray opener = findOnPath("xdg-open");
    if (!opener.isEmpty())
        startDetached(opener, {"xdg-open", encodeNative(target)}, encodeNative(workingFolder));
}

} // namespace zoot
