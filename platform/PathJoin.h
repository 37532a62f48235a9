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

} // namespace zoot
