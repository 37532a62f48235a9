#include "catalogue/CatalogueEntry.h"

#include "platform/PathJoin.h"

namespace zoot {

QString displayTitle(const QString &headerTitle, const QString &fileName)
{
    if (!headerTitle.isEmpty())
        return headerTitle.left(kMaxTitle);
    return (u'[' + fileName + u']').left(kMaxTitle);
}

QString catalogueLine(const QString &title, const QString &fileName)
{
    return title.leftJustified(kTitleField, u' ') + joinPath(kRomsFolder, fileName);
}

QString relativePathOfLine(const QString &line)
{
    return trimSpaces(line.mid(kTitleField - 1));
}

} // namespace zoot
