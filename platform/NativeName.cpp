// SPDX-License-Identifier: MIT
#include "platform/NativeName.h"

#include <algorithm>

namespace zoot {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = 0xDC80;
constexpr char16_t kLastEscape = 0xDCFF;

bool isContinuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at bytes[at], or 0 when the byte
// there starts none (overlong forms, surrogates and values past U+10FFFF
// are not valid).
int validSequenceLength(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return i < bytes.size() ? uchar(bytes[i]) : uchar(0); };
    const uchar lead = byte(at);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return isContinuation(byte(at + 1)) ? 2 : 0;
    const uchar second = byte(at + 1);
    if (lead >= 0xE0 && lead <= 0xEF) {
        const uchar low = lead == 0xE0 ? 0xA0 : 0x80;
        const uchar high = lead == 0xED ? 0x9F : 0xBF;
        return second >= low && second <= high && isContinuation(byte(at + 2)) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const uchar low = lead == 0xF0 ? 0x90 : 0x80;
        const uchar high = lead == 0xF4 ? 0x8F : 0xBF;
        return second >= low && second <= high && isContinuation(byte(at + 2)) && isContinuation(byte(at + 3)) ? 4
                                                                                                              : 0;
    }
    return 0;
}

bool isEscape(char16_t unit)
{
    return unit >= kFirstEscape && unit <= kLastEscape;
}

// An escape is a low surrogate standing alone; one right after a high
// surrogate is the second half of a real character.
bool isStandIn(QStringView text, qsizetype at)
{
    return isEscape(text[at].unicode()) && (at == 0 || !text[at - 1].isHighSurrogate());
}

} // namespace

QString decodeNative(QByteArrayView bytes)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    // Decoded here rather than by QString::fromUtf8, which drops a byte-order
    // mark at the start of each piece it is given: a name must keep every byte.
    QString text;
    text.reserve(bytes.size());
    qsizetype at = 0;
    while (at < bytes.size()) {
        const int length = validSequenceLength(bytes, at);
        if (length == 0) {
            text += QChar(char16_t(kEscapeBase + uchar(bytes[at++])));
            continue;
        }
        char32_t code = length == 1 ? uchar(bytes[at]) : uchar(bytes[at]) & (0xFF >> (length + 1));
        for (int i = 1; i < length; ++i)
            code = (code << 6) | (uchar(bytes[at + i]) & 0x3F);
        text += QChar::fromUcs4(code);
        at += length;
    }
    return text;
}

QByteArray encodeNative(QStringView text)
{
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return isEscape(c.unicode()); }))
        return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype run = at;
        while (run < text.size() && !isStandIn(text, run))
            ++run;
        bytes += text.sliced(at, run - at).toUtf8();
        if (run < text.size())
            bytes += char(text[run++].unicode() - kEscapeBase);
        at = run;
    }
    return bytes;
}

QString readableText(QString text)
{
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return isEscape(c.unicode()); }))
        return text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isStandIn(text, i))
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace zoot
