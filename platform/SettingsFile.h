// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace zoot {

// The per-user settings file. It is read without ever waiting on what is not
// a regular file, and saved so that it is either wholly replaced or left as
// it was: the new text goes to a temporary file in the same folder, every
// write and the flush are checked and the data synced before the rename. A
// link is followed and the file it points to replaced; the link stays.
// Failures raise ZootError naming the file.

// The file's bytes; empty when it does not exist yet.
QByteArray readSettingsFile(const QString &path);

// Under the file's lock ("<path>.lock", taken within about a second or not
// at all), reads the current bytes, and replaces the file with edit(bytes);
// an edit that gives nullopt fails the save.
void updateSettingsFile(const QString &path, const std::function<std::optional<QByteArray>(const QByteArray &)> &edit);

} // namespace zoot
