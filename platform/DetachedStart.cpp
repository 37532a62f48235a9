// SPDX-License-Identifier: MIT
#include "platform/DetachedStart.h"

#include "platform/PosixFile.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char **environ;

namespace zoot {

namespace {

[[noreturn]] void reportAndExit(int pipeFd, int error)
{
    [[maybe_unused]] const ssize_t written = ::write(pipeFd, &error, sizeof error);
    ::_exit(127);
}

// The relative path in the working folder, made absolute; empty for an empty
// path or when the working folder is gone.
QByteArray inWorkingFolder(const QByteArray &relative)
{
    QByteArray folder(PATH_MAX, Qt::Uninitialized);
    if (relative.isEmpty() || !::getcwd(folder.data(), size_t(folder.size())))
        return {};
    return QByteArray(folder.constData()) + '/' + relative;
}

// In the middle process, which only starts the program and exits, so that
// the program is adopted by init and never becomes a zombie of ours. Between
// fork and exec only async-signal-safe calls are allowed: everything is
// prepared before, and a failure is reported as an errno through the pipe.
[[noreturn]] void startProgram(const char *executable, char *const argv[], const char *workingFolder, int pipeFd)
{
    ::setsid();
    const pid_t program = ::fork();
    if (program < 0)
        reportAndExit(pipeFd, errno);
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
    if (::chdir(workingFolder) != 0)
        reportAndExit(pipeFd, errno);
    ::execve(executable, argv, environ);
    reportAndExit(pipeFd, errno);
}

// Waits for the middle process, then reads the errno it may have sent.
int outcomeOf(pid_t middle, int pipeFd)
{
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = ::read(pipeFd, &error, sizeof error)) < 0 && errno == EINTR) {
    }
    return got == ssize_t(sizeof error) ? error : 0;
}

} // namespace

int startDetached(const QByteArray &executable, const QList<QByteArray> &arguments, const QByteArray &workingFolder)
{
    std::vector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return errno;
    FileDescriptor readEnd(pipeFds[0]);
    FileDescriptor writeEnd(pipeFds[1]);
    const pid_t middle = ::fork();
    if (middle < 0)
        return errno;
    if (middle == 0)
        startProgram(executable.constData(), argv.data(), workingFolder.constData(), writeEnd.get());
    writeEnd.reset();
    return outcomeOf(middle, readEnd.get());
}

QByteArray findOnPath(const QByteArray &name)
{
    const char *path = ::getenv("PATH");
    const QByteArray folders = path ? QByteArray(path) : QByteArray("/usr/local/bin:/usr/bin:/bin");
    for (const QByteArray &entry : folders.split(':')) {
        // An empty entry would mean the working folder: it is skipped. A
        // relative one means the launcher's working folder, not the one the
        // program is started in, so the candidate is made absolute here.
        const QByteArray folder = entry.startsWith('/') ? entry : inWorkingFolder(entry);
        if (folder.isEmpty())
            continue;
        const QByteArray candidate = folder + '/' + name;
        struct stat info {};
        if (::stat(candidate.constData(), &info) == 0 && S_ISREG(info.st_mode)
            && ::access(candidate.constData(), X_OK) == 0)
            return candidate;
    }
    return {};
}

} // namespace zoot
