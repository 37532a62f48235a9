// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue/CatalogueEntry.h"

#include <QStringList>

#include <optional>

namespace zoot {

class Platform;

inline const QStringList kImagePatterns{QStringLiteral("*.gb"), QStringLiteral("*.cgb"), QStringLiteral("*.gbc")};
inline const QStringList kPicturePatterns{QStringLiteral("*.gif"), QStringLiteral("*.bmp")};

// What a scan found: the games list's lines and the background pictures.
struct Catalogue {
    QList<CatalogueEntry> games; // in catalogue order
    // The picture names in the application folder, read only when images
    // were found; otherwise nullopt, and the background list stays as it is.
    std::optional<QStringList> pictures;
};

// Reads the Roms folder of the application folder: one entry per image under
// its header title, or its file name when the header has none or cannot be
// read. Throws ZootError when the Roms folder cannot be listed.
Catalogue ScanRoms(const Platform &platform);

} // namespace zoot
