// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QString>

namespace zoot {

// Joins two path parts with the platform's separator; every path the program
// forms goes through here.
inline QString joinPath(const QString &folder, const QString &name)
{
    QString path;
    path.reserve(folder.size() + 1 + name.size());
    return path.append(folder).append(QDir::separator()).append(name);
}

// Removes leading and trailing space characters only. Catalogue lines are padded
// with spaces, and a file name may legitimately hold other white space.
inline QString trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

} // namespace zoot
