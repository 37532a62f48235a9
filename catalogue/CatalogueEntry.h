#pragma once

#include <QString>

namespace zoot {

// A games-list line: the display title padded with spaces to 45 columns, then
// the image's path relative to the application folder ("Roms", separator, name).
inline constexpr int kTitleField = 45;
inline constexpr int kMaxTitle = kTitleField - 1;

inline const QString kRomsFolder = QStringLiteral("Roms");

// The display title: the header title, or "[" name "]" when that is empty. A
// title never takes column 45, so the path can always be read back.
QString displayTitle(const QString &headerTitle, const QString &fileName);

QString catalogueLine(const QString &title, const QString &fileName);

// The relative path of a line: column 45 to the end, spaces trimmed. An empty
// line, or one without a path, gives "".
QString relativePathOfLine(const QString &line);

} // namespace zoot
