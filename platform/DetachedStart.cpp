// SPDX-License-Identifier: MIT
#include "platform/DetachedStart.h"

#include "platform/PosixFile.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char **environ;

namespace zoot {

namespace {

// Between fork and exec only async-signal-safe calls are allowed: everything
// is prepared before, and a failure is reported as an errno through the pipe.
[[noreturn]] void reportAndExit(int pipeFd, int error)
{
    [[maybe_unused]] const ssize_t written = ::write(pipeFd, &error, sizeof error);
    ::_exit(127);
}

} // namespace

std::optional<QString> startDetached(const QByteArray &executable, const QList<QByteArray> &arguments,
                                     const QByteArray &workingFolder)
{
    std::vector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return systemReason(errno);
    FileDescriptor readEnd(pipeFds[0]);
    FileDescriptor writeEnd(pipeFds[1]);

    const pid_t middle = ::fork();
    if (middle < 0)
        return systemReason(errno);
    if (middle == 0) {
        // The middle process only starts the program and exits, so the program
        // is adopted by init and never becomes a zombie of ours.
        ::setsid();
        const pid_t program = ::fork();
        if (program < 0)
            reportAndExit(writeEnd.get(), errno);
        if (program > 0)
            ::_exit(0);
        // Signals the launcher ignores are not the program's business.
        struct sigaction defaultAction {};
        defaultAction.sa_handler = SIG_DFL;
        for (const int signalNumber : {SIGXFSZ, SIGPIPE})
            ::sigaction(signalNumber, &defaultAction, nullptr);
        const int nullFd = ::open("/dev/null", O_RDONLY);
        if (nullFd >= 0 && nullFd != STDIN_FILENO) {
            ::dup2(nullFd, STDIN_FILENO);
            ::close(nullFd);
        }
        if (::chdir(workingFolder.constData()) != 0)
            reportAndExit(writeEnd.get(), errno);
        ::execve(executable.constData(), argv.data(), environ);
        reportAndExit(writeEnd.get(), errno);
    }
    writeEnd.reset();
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = ::read(readEnd.get(), &error, sizeof error)) < 0 && errno == EINTR) {
    }
    if (got == ssize_t(sizeof error))
        return systemReason(error);
    return std::nullopt;
}

QByteArray findOnPath(const QByteArray &name)
{
    const char *path = ::getenv("PATH");
    const QByteArray folders = path ? QByteArray(path) : QByteArray("/usr/local/bin:/usr/bin:/bin");
    for (const QByteArray &folder : folders.split(':')) {
        if (folder.isEmpty())
            continue; // an empty entry would mean the working folder
        const QByteArray candidate = folder + '/' + name;
        struct stat info {};
        if (::stat(candidate.constData(), &info) == 0 && S_ISREG(info.st_mode)
            && ::access(candidate.constData(), X_OK) == 0)
            return candidate;
    }
    return {};
}

} // namespace zoot
