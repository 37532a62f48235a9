#include "platform/CaseInsensitiveSort.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zoot {

namespace {

// Simple case folding, with a fast path for the ASCII text most names are.
QString folded(const QString &text)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii)
        return text.toCaseFolded();
    QString out(text.size(), Qt::Uninitialized);
    char16_t *to = reinterpret_cast<char16_t *>(out.data());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        *to++ = unit >= u'A' && unit <= u'Z' ? char16_t(unit + 32) : unit;
    }
    return out;
}

// The first twelve units of the folded text, packed so that comparing the
// three words compares those units in order; shorter text pads with 0 and so
// sorts first, as it does in full. Most comparisons of a large list end here,
// without fetching the strings from memory far apart.
using Prefix = std::array<quint64, 3>;

Prefix packedPrefix(const QString &text)
{
    Prefix prefix{};
    const qsizetype units = std::min<qsizetype>(text.size(), 12);
    for (qsizetype i = 0; i < units; ++i)
        prefix[size_t(i / 4)] |= quint64(text.at(i).unicode()) << (48 - 16 * (i % 4));
    return prefix;
}

struct Keyed {
    Prefix prefix;
    QString folded;
    qsizetype index;
};

} // namespace

void sortIgnoringCase(QStringList &items)
{
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(items.size()));
    for (qsizetype i = 0; i < items.size(); ++i) {
        QString key = folded(items.at(i));
        keyed.push_back({packedPrefix(key), std::move(key), i});
    }
    std::sort(keyed.begin(), keyed.end(), [&items](const Keyed &a, const Keyed &b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        if (a.folded != b.folded)
            return a.folded < b.folded;
        return items.at(a.index) < items.at(b.index);
    });
    QStringList sorted;
    sorted.reserve(items.size());
    for (const Keyed &k : keyed)
        sorted.append(std::move(items[k.index]));
    items = std::move(sorted);
}

} // namespace zoot
