// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

namespace zoot {

// Owns a descriptor and closes it on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor &&other) noexcept : m_fd(other.release()) {}
    FileDescriptor &operator=(FileDescriptor &&other) noexcept
    {
        reset(other.release());
        return *this;
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset(int fd = -1);

private:
    int m_fd;
};

// The system's text for an errno value.
QString systemReason(int error);

// Opens path (native bytes, relative to dirFd when that is not AT_FDCWD) for
// reading without ever waiting: O_NONBLOCK, so a FIFO or a device cannot stall
// the open, and O_NOCTTY. Fills info from the descriptor. Returns a closed
// descriptor with errno set when the open fails.
FileDescriptor openForReading(int dirFd, const char *path, struct stat &info);

// Reads up to count bytes from offset; fewer when the file ends first.
// Returns false with errno set when a read fails.
bool readAt(int fd, QByteArray &bytes, qint64 offset, qint64 count);

} // namespace zoot
