// SPDX-License-Identifier: MIT
#include "platform/QtPlatform.h"

#include "platform/DetachedStart.h"
#include "platform/IniText.h"
#include "platform/NativeName.h"
#include "platform/PathJoin.h"
#include "platform/PosixFile.h"
#include "platform/SettingsFile.h"
#include "platform/Version.h"
#include "platform/ZootError.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zoot {

namespace {

// A wildcard pattern. The common "*.ext" is matched as a suffix, without
// fnmatch's letter-case folding per character: a large folder lists faster.
class NamePattern {
public:
    explicit NamePattern(const QString &pattern) : m_pattern(encodeNative(pattern))
    {
        const QByteArray rest = m_pattern.mid(1);
        if (m_pattern.startsWith('*') && !rest.contains('*') && !rest.contains('?') && !rest.contains('['))
            m_suffix = rest.toLower();
    }

    bool matches(const char *name) const
    {
        if (m_suffix.isEmpty())
            return ::fnmatch(m_pattern.constData(), name, FNM_CASEFOLD) == 0;
        const size_t length = std::strlen(name);
        return length >= size_t(m_suffix.size())
            && ::strncasecmp(name + length - size_t(m_suffix.size()), m_suffix.constData(), size_t(m_suffix.size())) == 0;
    }

private:
    QByteArray m_pattern;
    QByteArray m_suffix;
};

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
    void list(const QStringList &patterns, const std::function<void(Batch &&)> &take) const override
    {
        // The directory stream gets a descriptor of its own, with its own
        // position, which closedir closes.
        FileDescriptor own(::openat(m_fd.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        DIR *dir = own.isOpen() ? ::fdopendir(own.get()) : nullptr;
        if (!dir)
            throw ZootError(QStringLiteral("Cannot list the folder \"%1\": %2").arg(readableText(m_path), systemReason(errno)));
        own.release();
        const std::unique_ptr<DIR, int (*)(DIR *)> closer(dir, ::closedir);

        std::vector<NamePattern> namePatterns;
        for (const QString &pattern : patterns)
            namePatterns.emplace_back(pattern);
        const auto matchesAny = [&](const char *name) {
            return std::any_of(namePatterns.begin(), namePatterns.end(), [name](const NamePattern &p) { return p.matches(name); });
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
            throw ZootError(QStringLiteral("Cannot list the folder \"%1\": %2").arg(readableText(m_path), systemReason(errno)));
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

Folder::Batch Folder::list(const QStringList &patterns) const
{
    Batch all;
    list(patterns, [&all](Batch &&batch) { all.append(std::move(batch)); });
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
    return kApplicationTitle;
}

Version QtPlatform::version() const
{
    return {kVersionMajor, kVersionMinor, kVersionRevision};
}

std::unique_ptr<Folder> QtPlatform::openFolder(const QString &path) const
{
    FileDescriptor fd(::open(encodeNative(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.isOpen())
        throw ZootError(QStringLiteral("Cannot list the folder \"%1\": %2").arg(readableText(path), systemReason(errno)));
    return std::make_unique<PosixFolder>(path, std::move(fd));
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
