#pragma once

#include <QStringList>

class QComboBox;

namespace zoot {

class GamesList;
class Platform;

inline const QStringList kImagePatterns{QStringLiteral("*.gb"), QStringLiteral("*.cgb"), QStringLiteral("*.gbc")};
inline const QStringList kPicturePatterns{QStringLiteral("*.gif"), QStringLiteral("*.bmp")};

// The games-list lines for the Roms folder of the application folder, in
// catalogue order. An image that cannot be read is listed under its fallback
// title. Throws ZootError when the Roms folder cannot be listed.
QStringList catalogueLines(const Platform &platform);

// Rebuilds the games list from the Roms folder, leaving no line selected. When
// images were found, also rebuilds the background list from the pictures in
// the application folder with the first one selected; when none were found,
// the background list is left as it was. Throws before changing either list
// when the Roms folder cannot be listed.
void ScanRoms(const Platform &platform, GamesList &games, QComboBox &backgrounds);

} // namespace zoot
