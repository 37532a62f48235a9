#pragma once

#include <QString>
#include <optional>

namespace zoot {

// The text that stands after "key=" in section [section] of an INI file, as
// written, for values that QSettings would otherwise turn into a list or
// another type (a hand-edited value with an unquoted comma, say).
std::optional<QString> rawIniValue(const QString &fileContent, const QString &section, const QString &key);

} // namespace zoot
