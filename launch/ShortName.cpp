// SPDX-License-Identifier: MIT
#include "launch/ShortName.h"

#include "platform/Platform.h"

#include <algorithm>

namespace zoot {

QString quotedForCommandLine(const QString &path)
{
    const bool needsQuotes = std::any_of(path.begin(), path.end(), [](QChar c) { return c.isSpace() || c == u'"'; });
    if (!needsQuotes)
        return path;
    QString quoted = path;
    quoted.replace(u'"', QStringLiteral("\"\"\""));
    return u'"' + quoted + u'"';
}

std::optional<QString> ShortName(const Platform &platform, const QString &path)
{
    if (path.isEmpty() || !platform.pathExists(path))
        return std::nullopt;
    return quotedForCommandLine(path);
}

} // namespace zoot
