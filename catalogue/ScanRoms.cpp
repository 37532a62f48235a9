// SPDX-License-Identifier: MIT
#include "catalogue/ScanRoms.h"

#include "catalogue/HeaderProbes.h"
#include "platform/PathJoin.h"
#include "platform/Platform.h"
#include "platform/ZootError.h"

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

QStringList pictureNames(const Platform &platform)
{
    try {
        return platform.listFiles(platform.applicationFolder(), kPicturePatterns);
    } catch (const ZootError &) {
        // Pictures are optional: a folder that cannot be listed gives none.
        return {};
    }
}

} // namespace

Catalogue ScanRoms(const Platform &platform)
{
    const QString romsFolder = joinPath(platform.applicationFolder(), kRomsFolder);
    const QStringList names = platform.listFiles(romsFolder, kImagePatterns);
    Catalogue catalogue;
    catalogue.games.reserve(names.size());
    for (const QString &name : names)
        catalogue.games.append(catalogueEntry(headerTitleOrEmpty(platform, joinPath(romsFolder, name)), name));
    sortCatalogue(catalogue.games);
    if (!catalogue.games.isEmpty())
        catalogue.pictures = pictureNames(platform);
    return catalogue;
}

} // namespace zoot
