// SPDX-License-Identifier: MIT
#include "catalogue/HeaderProbes.h"

#include "platform/Platform.h"
#include "platform/ZootError.h"

namespace zoot {

namespace {

constexpr qint64 kTitleOffset = 0x134;
constexpr qint64 kTitleLength = 16;
constexpr qint64 kColourFlagOffset = 0x143;
constexpr qint64 kSuperFlagOffset = 0x146;

constexpr char kNoColour = 0x00;
constexpr char kColourCapable = char(0x80);
constexpr char kColourOnly = char(0xC0);

QByteArray readExactly(const Platform &platform, const QString &path, qint64 offset, qint64 count,
                       const char *what)
{
    QByteArray bytes = platform.readBytes(path, offset, count);
    if (bytes.size() < count)
        throw ZootError(QStringLiteral("\"%1\" is too short for a cartridge header: it ends before the %2")
                            .arg(path, QLatin1String(what)));
    return bytes;
}

} // namespace

QString TitleProbe(const Platform &platform, const QString &path)
{
    const QByteArray area = readExactly(platform, path, kTitleOffset, kTitleLength, "title");
    QString title;
    for (qsizetype i = 0; i < area.size(); ++i) {
        const char byte = area.at(i);
        const bool flagPosition = i == kTitleLength - 1;
        if (byte == kNoColour || byte == kColourCapable || (flagPosition && byte == kColourOnly))
            continue;
        title.append(QChar(uchar(byte)));
    }
    return title;
}

QString ColourProbe(const Platform &platform, const QString &path)
{
    const QString cgb = QStringLiteral("CGB");
    const QString noCgb = QStringLiteral("NoCGB");
    const char flag = readExactly(platform, path, kColourFlagOffset, 1, "colour flag").at(0);
    if (flag == kColourCapable || flag == kColourOnly)
        return cgb;
    if (flag == kNoColour)
        return noCgb;

    // Any other flag value: the answer falls to the first later byte that is
    // 0x00 or 0x80. Read on in growing blocks so a long walk stays cheap.
    qint64 offset = kColourFlagOffset + 1;
    qint64 block = 64;
    for (;;) {
        const QByteArray bytes = platform.readBytes(path, offset, block);
        for (const char byte : bytes) {
            if (byte == kNoColour)
                return noCgb;
            if (byte == kColourCapable)
                return cgb;
        }
        if (bytes.size() < block)
            throw ZootError(QStringLiteral("\"%1\" ends before its colour flag is decided").arg(path));
        offset += block;
        block = qMin<qint64>(block * 4, 64 * 1024);
    }
}

QString SuperProbe(const Platform &platform, const QString &path)
{
    const uchar flag = uchar(readExactly(platform, path, kSuperFlagOffset, 1, "Super Game Boy flag").at(0));
    if (flag == 0x00)
        return QStringLiteral("GB");
    if (flag == 0x03)
        return QStringLiteral("SGB");
    return QString(QChar(flag));
}

} // namespace zoot
