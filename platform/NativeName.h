// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace zoot {

// File names, paths and arguments are bytes to the system, usually but not
// always UTF-8 (collections copied from old FAT media often hold Latin-1
// names). These two convert without loss: valid UTF-8 decodes as usual, and
// each byte outside valid UTF-8 becomes the lone surrogate U+DC80..U+DCFF,
// which decoding valid UTF-8 never gives, and encodes back to that byte.
QString decodeNative(QByteArrayView bytes);
QByteArray encodeNative(QStringView text);

// text for people to read: the stand-ins for undecodable bytes shown as U+FFFD.
QString readableText(QString text);

} // namespace zoot
