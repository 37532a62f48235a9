#include "platform/RawIniValue.h"

#include <QList>
#include <QStringView>

namespace zoot {

std::optional<QString> rawIniValue(const QString &fileContent, const QString &section, const QString &key)
{
    const QString header = u'[' + section + u']';
    bool inSection = false;
    for (QStringView line : QStringView(fileContent).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            inSection = line.compare(header, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0 && line.left(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed().toString();
    }
    return std::nullopt;
}

} // namespace zoot
