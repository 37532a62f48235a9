// SPDX-License-Identifier: MIT
#include "tools/DemoPictures.h"

#include <QBuffer>
#include <QImage>

namespace zoot::tools {

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 144;

void appendWord(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

bool isStar(int x, int y)
{
    return ((x * 7919 + y * 104729) % 211) == 0;
}

} // namespace

QByteArray demoBitmap()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            image.setPixel(x, y, qRgb(15 + x / 2, 56 + y / 2, 15 + (x + y) / 3));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// GIF writing without a compressor: with 7-bit codes in an 8-bit stream and a
// clear code before the table would grow, every pixel is one byte-sized code.
QByteArray demoStarsGif()
{
    constexpr int kMinCodeSize = 7;
    constexpr int kClear = 1 << kMinCodeSize;
    constexpr int kEnd = kClear + 1;
    constexpr int kRunBeforeClear = kClear - 2;

    QByteArray gif("GIF89a");
    appendWord(gif, kWidth);
    appendWord(gif, kHeight);
    gif.append(char(0xF6)); // global colour table of 128 entries
    gif.append('\0');
    gif.append('\0');
    for (int i = 0; i < kClear; ++i) {
        gif.append(char(i));
        gif.append(char(i));
        gif.append(char(qMin(255, 40 + i * 2)));
    }
    gif.append(',');
    appendWord(gif, 0);
    appendWord(gif, 0);
    appendWord(gif, kWidth);
    appendWord(gif, kHeight);
    gif.append('\0');
    gif.append(char(kMinCodeSize));

    QByteArray codes;
    int run = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (run == 0)
                codes.append(char(kClear));
            codes.append(char(isStar(x, y) ? kClear - 1 : (y * 24) / kHeight));
            run = (run + 1) % kRunBeforeClear;
        }
    }
    codes.append(char(kEnd));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append('\0');
    gif.append(';');
    return gif;
}

} // namespace zoot::tools
