// SPDX-License-Identifier: MIT
#pragma once

#include "options/SettingValues.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace zoot {

// The INI settings text as Qt's QSettings reads and writes it (comments begin
// with ';', values may be quoted and backslash-escaped, "@@" stands for a
// leading "@"), so that a file written by either reads the same in the other.

// The keys of section, unescaped; a key given twice keeps its last value.
QHash<QString, QString> iniSection(const QByteArray &text, const QString &section);

// text with each key of values set in section, every other byte left as it
// was: other sections, comments, blank lines, unknown keys and the order of
// the lines. A key already there keeps its line; a new key goes after the
// last line of the section; a missing section is added at the end. nullopt
// when no such text reads back every value (it is then not to be written).
std::optional<QByteArray> withIniValues(const QByteArray &text, const QString &section,
                                        const SettingValues &values);

} // namespace zoot
