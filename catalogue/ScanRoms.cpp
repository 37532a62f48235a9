#include "catalogue/ScanRoms.h"

#include "catalogue/CatalogueEntry.h"
#include "catalogue/CatalogueOrder.h"
#include "catalogue/GamesList.h"
#include "catalogue/HeaderProbes.h"
#include "platform/PathJoin.h"
#include "platform/Platform.h"
#include "platform/ZootError.h"

#include <QComboBox>

namespace zoot {

namespace {

QString headerTitleOrEmpty(const Platform &platform, const QString &path)
{
    try {
        return TitleProbe(platform, path);
    } catch (const ZootError &) {
        // A broken image must not hide the rest of the collection.
        return {};
    }
}

void fillBackgrounds(const Platform &platform, QComboBox &backgrounds)
{
    QStringList pictures;
    try {
        pictures = platform.listFiles(platform.applicationFolder(), kPicturePatterns);
    } catch (const ZootError &) {
        // Pictures are optional: a folder that cannot be listed gives none.
    }
    backgrounds.clear();
    backgrounds.addItems(pictures);
    backgrounds.setCurrentIndex(pictures.isEmpty() ? -1 : 0);
}

} // namespace

QStringList catalogueLines(const Platform &platform)
{
    const QString romsFolder = joinPath(platform.applicationFolder(), kRomsFolder);
    const QStringList names = platform.listFiles(romsFolder, kImagePatterns);
    QStringList lines;
    lines.reserve(names.size());
    for (const QString &name : names) {
        const QString title = headerTitleOrEmpty(platform, joinPath(romsFolder, name));
        lines.append(catalogueLine(displayTitle(title, name), name));
    }
    sortCatalogueLines(lines);
    return lines;
}

void ScanRoms(const Platform &platform, GamesList &games, QComboBox &backgrounds)
{
    QStringList lines = catalogueLines(platform);
    const bool found = !lines.isEmpty();
    games.setSortedLines(std::move(lines));
    if (!found)
        return;
    fillBackgrounds(platform, backgrounds);
}

} // namespace zoot
