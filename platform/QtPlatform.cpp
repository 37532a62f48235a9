#include "platform/QtPlatform.h"

#include "platform/CaseInsensitiveSort.h"
#include "platform/RawIniValue.h"
#include "platform/ZootError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zoot {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes a descriptor on every way out of a read.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

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

} // namespace

QtPlatform::QtPlatform(QString applicationFolder, QString settingsFile)
    : m_applicationFolder(std::move(applicationFolder)), m_settingsFile(std::move(settingsFile))
{
}

QtPlatform::~QtPlatform() = default;

QString QtPlatform::applicationFolder() const
{
    return m_applicationFolder.isEmpty() ? QCoreApplication::applicationDirPath() : m_applicationFolder;
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
    const QByteArray encodedFolder = QFile::encodeName(folder);
    DirectoryHandle dir(::opendir(encodedFolder.constData()));
    if (!dir.get())
        throw ZootError(QStringLiteral("Cannot list the folder \"%1\": %2").arg(folder, systemReason(errno)));

    std::vector<QByteArray> encodedPatterns;
    for (const QString &pattern : patterns)
        encodedPatterns.push_back(QFile::encodeName(pattern));

    QStringList names;
    const int dirFd = ::dirfd(dir.get());
    while (const dirent *entry = ::readdir(dir.get())) {
        if (entry->d_name[0] == '.')
            continue;
        if (matchesAny(entry->d_name, encodedPatterns) && isPlainFile(dirFd, *entry))
            names.append(QFile::decodeName(entry->d_name));
    }
    sortIgnoringCase(names);
    return names;
}

QByteArray QtPlatform::readBytes(const QString &path, qint64 offset, qint64 count) const
{
    FileDescriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw ZootError(QStringLiteral("Cannot open \"%1\": %2").arg(path, systemReason(errno)));
    QByteArray bytes(count, Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < count) {
        const ssize_t got = ::pread(fd.get(), bytes.data() + filled, size_t(count - filled), off_t(offset + filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw ZootError(QStringLiteral("Cannot read \"%1\": %2").arg(path, systemReason(errno)));
        }
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

bool QtPlatform::pathExists(const QString &path) const
{
    return QFileInfo::exists(path);
}

QSettings &QtPlatform::settings()
{
    if (!m_settings) {
        m_settings = m_settingsFile.isEmpty()
            ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kApplicationTitle,
                                          kApplicationTitle)
            : std::make_unique<QSettings>(m_settingsFile, QSettings::IniFormat);
    }
    return *m_settings;
}

QString QtPlatform::readSetting(const QString &section, const QString &key, const QString &fallback)
{
    QSettings &store = settings();
    const QVariant value = store.value(section + u'/' + key);
    if (!value.isValid())
        return fallback;
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    // A hand-edited value that QSettings reads as a list or another type: take
    // the text as it stands in the file rather than lose it.
    QFile file(store.fileName());
    if (file.open(QIODevice::ReadOnly)) {
        if (auto raw = rawIniValue(QString::fromUtf8(file.readAll()), section, key))
            return *raw;
    }
    return value.toStringList().join(QStringLiteral(", "));
}

void QtPlatform::writeSetting(const QString &section, const QString &key, const QString &value)
{
    settings().setValue(section + u'/' + key, value);
}

std::optional<QString> QtPlatform::flushSettings()
{
    QSettings &store = settings();
    store.sync();
    if (store.status() == QSettings::NoError)
        return std::nullopt;
    return QStringLiteral("The options could not be saved to \"%1\".").arg(store.fileName());
}

std::optional<QString> QtPlatform::startProcess(const QString &program, const QStringList &arguments,
                                                const QString &workingFolder)
{
    if (program.isEmpty())
        return QStringLiteral("The command is empty.");
    QString executable = program;
    if (!program.contains(u'/')) {
        executable = QStandardPaths::findExecutable(program);
        if (executable.isEmpty())
            return QStringLiteral("\"%1\" was not found on the search path (PATH).").arg(program);
    } else {
        const QFileInfo info(QDir(workingFolder), program);
        if (!info.exists())
            return QStringLiteral("\"%1\" does not exist.").arg(program);
        if (info.isDir() || !info.isExecutable())
            return QStringLiteral("\"%1\" is not an executable program.").arg(program);
        executable = info.absoluteFilePath();
    }
    QProcess process;
    process.setProgram(executable);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        return QStringLiteral("\"%1\" could not be started: %2").arg(program, process.errorString());
    return std::nullopt;
}

void QtPlatform::shellOpen(QWidget *, const QString &, const QString &target, const QString &,
                           const QString &directory, int)
{
    // xdg-open would read a target that begins with "-" as an option.
    if (target.isEmpty() || target.startsWith(u'-'))
        return;
    QProcess::startDetached(QStringLiteral("xdg-open"), {target}, directory);
}

void QtPlatform::messageBox(QWidget *owner, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, owner);
    box.exec();
}

} // namespace zoot
