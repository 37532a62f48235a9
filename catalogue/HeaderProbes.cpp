// SPDX-License-Identifier: MIT
#include "catalogue/HeaderProbes.h"

#include "platform/NativeName.h"
#include "platform/Platform.h"
#include "platform/ZootError.h"

namespace zoot {

namespace {

constexpr qint64 kTitleOffset = 0x134;
constexpr qint64 kTitleLength = 16;
constexpr qint64 kColourFlagOffset = 0x143;
constexpr qint64 kSuperFlagOffset = 0x146;
// The colour flag's walk ends here, with the cartridge's first 16 KiB bank.
constexpr qint64 kFirstBankEnd = 0x4000;

constexpr char kNoColour = 0x00;
constexpr char kColourCapable = char(0x80);
constexpr char kColourOnly = char(0xC0);

// count bytes from offset of the file that read(offset, count) reads, shown
// by path in failures.
template <typename Read>
QByteArray readExactly(const Read &read, const QString &path, qint64 offset, qint64 count, const char *what)
{
    QByteArray bytes = read(offset, count);
    if (bytes.size() < count)
        throw ZootError(QStringLiteral("\"%1\" is too short for a cartridge header: it ends before the %2")
                            .arg(readableText(path), QLatin1String(what)));
    return bytes;
}

// Reads the image at path through the platform.
auto readerOf(const Platform &platform, const QString &path)
{
    return [&platform, &path](qint64 offset, qint64 count) { return platform.readBytes(path, offset, count); };
}

QString titleOf(const QByteArray &area)
{
    QString title;
    title.reserve(kTitleLength);
    for (qsizetype i = 0; i < area.size(); ++i) {
        const char byte = area.at(i);
        const bool flagPosition = i == kTitleLength - 1;
        if (byte == kNoColour || byte == kColourCapable || (flagPosition && byte == kColourOnly))
            continue;
        title.append(QChar(uchar(byte)));
    }
    return title;
}

} // namespace

QString TitleProbe(const Folder &folder, const QString &name)
{
    const auto read = [&](qint64 offset, qint64 count) { return folder.readBytes(name, offset, count); };
    return titleOf(readExactly(read, name, kTitleOffset, kTitleLength, "title"));
}

QString ColourProbe(const Platform &platform, const QString &path)
{
    const QString cgb = QStringLiteral("CGB");
    const QString noCgb = QStringLiteral("NoCGB");
    const char flag = readExactly(readerOf(platform, path), path, kColourFlagOffset, 1, "colour flag").at(0);
    if (flag == kColourCapable || flag == kColourOnly)
        return cgb;
    if (flag == kNoColour)
        return noCgb;

    // Any other flag value: the answer falls to the first later byte that is
    // 0x00 or 0x80. Every real header decides within its first bytes, so the
    // walk ends with the first bank: a huge file of other bytes costs a
    // selection one bounded read, not a walk through the whole file.
    const QByteArray bank = platform.readBytes(path, kColourFlagOffset + 1, kFirstBankEnd - kColourFlagOffset - 1);
    for (const char byte : bank) {
        if (byte == kNoColour)
            return noCgb;
        if (byte == kColourCapable)
            return cgb;
    }
    if (bank.size() < kFirstBankEnd - kColourFlagOffset - 1)
        throw ZootError(QStringLiteral("\"%1\" ends before its colour flag is decided").arg(readableText(path)));
    return noCgb;
}

QString SuperProbe(const Platform &platform, const QString &path)
{
    const uchar flag = uchar(readExactly(readerOf(platform, path), path, kSuperFlagOffset, 1, "Super Game Boy flag").at(0));
    if (flag == 0x00)
        return QStringLiteral("GB");
    if (flag == 0x03)
        return QStringLiteral("SGB");
    return QString(QChar(flag));
}

} // namespace zoot
