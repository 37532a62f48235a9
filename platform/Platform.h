// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace zoot {

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// An entry of a folder listing.
struct ListedFile {
    QString name;
    // The folder reported a plain file. For a link, or where the file system
    // reports no types (network and FUSE file systems often do), only opening
    // the file or a stat tells.
    bool plain = false;
};

// An opened folder. Names are read relative to it, which costs less than whole
// paths when reading many files, and always reaches the folder that was
// listed, even if it is renamed meanwhile. Safe to use from several threads.
class Folder {
public:
    virtual ~Folder() = default;

    // The entries whose names end in any of extensions (".gb", letter case
    // ignored), hidden files left out, in the folder's own order: plain files,
    // links and entries of unknown type, never what the folder reports as a
    // sub-folder, FIFO, socket or device. No call is made per entry. They are
    // handed to take in batches as the folder is read, so that work on them
    // can start before a long folder is read to its end. Throws ZootError
    // when the folder cannot be read.
    using Batch = QList<ListedFile>;
    virtual void list(const QStringList &extensions, const std::function<void(Batch &&)> &take) const = 0;

    // All the entries at once.
    Batch list(const QStringList &extensions) const;

    // As Platform::readBytes, for the file name in this folder.
    virtual QByteArray readBytes(const QString &name, qint64 offset, qint64 count) const = 0;

    // Whether name is a plain file, links followed.
    virtual bool isPlainFile(const QString &name) const = 0;
};

// Everything the program asks of the operating system goes through this
// interface, so that tests can hand in fakes that record instead of acting.
// The file and folder calls may be made from several threads at once.
// Paths and names are text that encodes the system's bytes without loss
// (platform/NativeName.h). A call that cannot do what it is asked throws
// ZootError, whose description names what failed and why.
class Platform {
public:
    virtual ~Platform() = default;

    // Application metadata.
    virtual QString applicationFolder() const = 0;
    virtual QString applicationTitle() const = 0;
    virtual Version version() const = 0;

    // The folder at path, opened to list it and read the files in it by
    // name. Shared: whoever still reads from it keeps it open.
    virtual std::shared_ptr<const Folder> openFolder(const QString &path) const = 0;

    // Up to count bytes of the regular file at path from offset; fewer when the
    // file ends first. Never waits on a FIFO or a device and never writes:
    // anything but a regular file, and a file that cannot be opened or read,
    // throws.
    virtual QByteArray readBytes(const QString &path, qint64 offset, qint64 count) const = 0;

    virtual bool pathExists(const QString &path) const = 0;

    // The text of the per-user settings file; empty when there is none yet.
    virtual QByteArray readSettingsText() = 0;
    // Replaces the settings file's text with edit(its current text), under
    // its lock, wholly or not at all; an edit that gives nullopt fails it. A
    // file that could not be read is never replaced, and nothing is reported
    // again.
    using TextEdit = std::function<std::optional<QByteArray>(const QByteArray &)>;
    virtual void updateSettingsText(const TextEdit &edit) = 0;

    // Starts program with arguments in workingFolder, detached and not waited
    // for.
    virtual void startProcess(const QString &program, const QStringList &arguments, const QString &workingFolder) = 0;

    // Opens a document, web address or mailto: address with the desktop's
    // default program, from workingFolder. The result is not reported.
    virtual void openExternally(const QString &target, const QString &workingFolder) = 0;
};

} // namespace zoot
