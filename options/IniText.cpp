// SPDX-License-Identifier: MIT
#include "options/IniText.h"

#include <QSet>

#include <algorithm>

namespace zoot {

namespace {

// One logical line of the text: it may run over several physical lines inside
// quotes or after a backslash. equals is the first '=' outside quotes, or -1.
struct IniLine {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// The logical line that starts at start: to the end of its physical line, or
// further where a backslash or quotes carry it on; a ';' outside quotes ends
// it.
IniLine lineFrom(const QByteArray &text, qsizetype start)
{
    const qsizetype size = text.size();
    IniLine line;
    line.start = start;
    bool inQuotes = false;
    qsizetype firstBreakInQuotes = -1;
    qsizetype i = start;
    for (; i < size; ++i) {
        const char c = text[i];
        if (c == '=' && !inQuotes && line.equals < 0) {
            line.equals = i;
        } else if (isLineBreak(c)) {
            if (!inQuotes)
                break;
            if (firstBreakInQuotes < 0)
                firstBreakInQuotes = i;
        } else if (c == '\\') {
            ++i; // the next character is taken as it is, a line break too
            if (i + 1 < size && isLineBreak(text[i]) && isLineBreak(text[i + 1]) && text[i] != text[i + 1])
                ++i;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';' && !inQuotes) {
            break; // the rest of the line is a comment
        }
    }
    // A quote never closed would take the rest of the file as one value;
    // it ends at its own line instead, so editing it cannot lose the rest.
    if (inQuotes && firstBreakInQuotes >= 0) {
        i = firstBreakInQuotes;
        if (line.equals >= i)
            line.equals = -1;
    }
    line.end = std::min(i, size);
    return line;
}

// The logical lines of text, blank lines and comment lines left out.
QList<IniLine> iniLines(const QByteArray &text)
{
    QList<IniLine> lines;
    const qsizetype size = text.size();
    qsizetype at = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (;;) {
        while (at < size && isSpace(text[at]))
            ++at;
        if (at >= size)
            return lines;
        if (text[at] == ';') {
            while (at < size && !isLineBreak(text[at]))
                ++at;
            continue;
        }
        lines.append(lineFrom(text, at));
        at = lines.last().end;
    }
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Section names and keys: "%XX" and "%UXXXX" are escapes, '\' stands for '/'.
QString unescapedKey(QByteArrayView raw)
{
    QString key;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '\\') {
            key += u'/';
            continue;
        }
        if (c == '%') {
            const bool wide = i + 1 < raw.size() && raw[i + 1] == 'U';
            const qsizetype digits = wide ? 4 : 2;
            const qsizetype first = i + 1 + (wide ? 1 : 0);
            int value = 0;
            bool ok = first + digits <= raw.size();
            for (qsizetype d = 0; ok && d < digits; ++d) {
                const int v = hexValue(raw[first + d]);
                ok = v >= 0;
                value = value * 16 + v;
            }
            if (ok) {
                key += QChar(char16_t(value));
                i = first + digits - 1;
                continue;
            }
        }
        key += QLatin1Char(c);
    }
    return key;
}

void chopTrailingSpaces(QString &text, qsizetype limit)
{
    qsizetype end = text.size();
    while (end > limit && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    text.truncate(end);
}

// A value as QSettings reads it, except that a comma outside quotes is kept
// as text: QSettings would make a list of it, and a hand-edited command line
// with a comma is still one text.
// The escape that starts at raw[at], just past its backslash, appended to
// value; returns where the text goes on.
qsizetype appendEscape(QByteArrayView raw, qsizetype at, QString &value)
{
    const char e = raw[at++];
    static const char simple[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
                                     {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    const auto *found = std::find_if(std::begin(simple), std::end(simple), [e](const char *p) { return p[0] == e; });
    if (found != std::end(simple)) {
        value += QLatin1Char((*found)[1]);
    } else if (e == 'x' || (e >= '0' && e <= '7')) {
        // "\x" takes hex digits, "\0".."\7" octal ones; "\x" without a
        // digit stands for nothing.
        const int base = e == 'x' ? 16 : 8;
        char16_t code = e == 'x' ? 0 : char16_t(e - '0');
        int digits = e == 'x' ? 0 : 1;
        for (; at < raw.size() && hexValue(raw[at]) >= 0 && hexValue(raw[at]) < base; ++at, ++digits)
            code = char16_t(code * base + hexValue(raw[at]));
        if (digits > 0)
            value += QChar(code);
    } else if (isLineBreak(e) && at < raw.size() && isLineBreak(raw[at]) && raw[at] != e) {
        ++at; // a continued line
    }
    return at;
}

QString unescapedValue(QByteArrayView raw)
{
    QString value;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype i = 0;
    const auto skipSpaces = [&] {
        while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
            ++i;
    };
    skipSpaces();
    qsizetype chopLimit = 0; // escapes and quoted text keep their spaces
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= raw.size())
                break;
            i = appendEscape(raw, i, value);
            chopLimit = value.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipSpaces();
                chopLimit = value.size();
            }
        } else {
            qsizetype j = i + 1;
            while (j < raw.size() && raw[j] != '\\' && raw[j] != '"')
                ++j;
            value += QString::fromUtf8(raw.sliced(i, j - i));
            i = j;
        }
    }
    if (!quoted)
        chopTrailingSpaces(value, chopLimit);
    return value;
}

// QSettings marks typed values with a leading '@'; text that begins with '@'
// is written with "@@".
std::optional<QString> textOfStoredValue(const QString &stored)
{
    if (stored.startsWith(u'@')) {
        if (stored.startsWith(QLatin1String("@@")))
            return stored.mid(1);
        if (stored == QLatin1String("@Invalid()"))
            return std::nullopt;
        for (const char *wrapper : {"@String(", "@ByteArray("}) {
            const QLatin1String prefix(wrapper);
            if (stored.startsWith(prefix) && stored.endsWith(u')'))
                return stored.mid(prefix.size(), stored.size() - prefix.size() - 1);
        }
    }
    return stored;
}

bool isHexDigit(char16_t c)
{
    return c < 0x80 && hexValue(char(c)) >= 0;
}

QByteArray escapedValue(const QString &text)
{
    QString value = text;
    if (value.contains(QChar::Null))
        value = QStringLiteral("@String(") + value + u')';
    else if (value.startsWith(u'@'))
        value.prepend(u'@');

    QByteArray out;
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfHex && isHexDigit(c)) {
            out += "\\x" + QByteArray::number(int(c), 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
        case '\0': out += "\\0"; escapeNextIfHex = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c <= 0x1F) {
                out += "\\x" + QByteArray::number(int(c), 16);
                escapeNextIfHex = true;
            } else {
                const bool pair = value[i].isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate();
                out += QStringView(value).sliced(i, pair ? 2 : 1).toUtf8();
                i += pair ? 1 : 0;
            }
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

std::optional<QString> sectionName(const QByteArray &text, const IniLine &line)
{
    if (text[line.start] != '[')
        return std::nullopt;
    const QByteArrayView body = QByteArrayView(text).sliced(line.start + 1, line.end - line.start - 1);
    const qsizetype close = body.indexOf(']');
    return unescapedKey((close < 0 ? body : body.first(close)).trimmed());
}

QString keyOf(const QByteArray &text, const IniLine &line)
{
    return unescapedKey(QByteArrayView(text).sliced(line.start, line.equals - line.start).trimmed());
}

// The lines that belong to section, wherever it appears; key is set on its key lines.
struct SectionLine {
    IniLine line;
    std::optional<QString> key;
};

QList<SectionLine> sectionLines(const QByteArray &text, const QString &section)
{
    QList<SectionLine> out;
    bool inSection = false;
    for (const IniLine &line : iniLines(text)) {
        if (const std::optional<QString> name = sectionName(text, line)) {
            inSection = *name == section;
            if (inSection)
                out.append({line, std::nullopt});
        } else if (inSection) {
            out.append({line, line.equals >= 0 ? std::optional<QString>(keyOf(text, line)) : std::nullopt});
        }
    }
    return out;
}

qsizetype endOfPhysicalLine(const QByteArray &text, qsizetype from)
{
    while (from < text.size() && !isLineBreak(text[from]))
        ++from;
    return from;
}

QByteArray lineBreakOf(const QByteArray &text)
{
    return text.contains("\r\n") ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
}

} // namespace

QHash<QString, QString> iniSection(const QByteArray &text, const QString &section)
{
    QHash<QString, QString> values;
    for (const SectionLine &entry : sectionLines(text, section)) {
        if (!entry.key)
            continue;
        const IniLine &line = entry.line;
        const QByteArrayView raw = QByteArrayView(text).sliced(line.equals + 1, line.end - line.equals - 1);
        if (const std::optional<QString> value = textOfStoredValue(unescapedValue(raw)))
            values.insert(*entry.key, *value);
        else
            values.remove(*entry.key);
    }
    return values;
}

namespace {

// A stretch of the original text and what replaces it.
struct Edit {
    qsizetype from;
    qsizetype to;
    QByteArray bytes;
};

// text with the edits, which are in text order and do not overlap, made in
// one pass: a file of many lines is saved in time linear in its size.
QByteArray applied(const QByteArray &text, const QList<Edit> &edits)
{
    qsizetype added = 0;
    for (const Edit &edit : edits)
        added += edit.bytes.size();
    QByteArray result;
    result.reserve(text.size() + added);
    qsizetype copied = 0;
    for (const Edit &edit : edits) {
        result.append(QByteArrayView(text).sliced(copied, edit.from - copied)).append(edit.bytes);
        copied = edit.to;
    }
    return result.append(QByteArrayView(text).sliced(copied));
}

// text with the values set; new lines start with extraBreaks more line breaks.
QByteArray edited(const QByteArray &text, const QString &section, const SettingValues &values, int extraBreaks)
{
    QHash<QString, QByteArray> escaped;
    for (const auto &[key, value] : values)
        escaped.insert(key, escapedValue(value));

    const QList<SectionLine> lines = sectionLines(text, section);
    QList<Edit> edits;
    QSet<QString> present;
    for (const SectionLine &entry : lines) {
        if (!entry.key)
            continue;
        const auto value = escaped.constFind(*entry.key);
        if (value == escaped.cend())
            continue;
        edits.append({entry.line.equals + 1, entry.line.end, *value});
        present.insert(*entry.key);
    }

    const QByteArray lineBreak = lineBreakOf(text);
    QByteArray added; // the new lines, each without its leading line break
    for (const auto &[key, value] : values) {
        if (!present.contains(key))
            added += (added.isEmpty() ? QByteArray() : lineBreak) + key.toUtf8() + '=' + escaped.value(key);
    }
    if (added.isEmpty())
        return applied(text, edits);

    if (lines.isEmpty()) {
        QByteArray result = text;
        const bool endsWithBreak = result.endsWith('\n') || result.endsWith('\r');
        if (!result.isEmpty())
            result += lineBreak.repeated(extraBreaks + (endsWithBreak ? 0 : 1)) + lineBreak;
        return result + '[' + section.toUtf8() + ']' + lineBreak + added + lineBreak;
    }
    // New keys follow the section's last line; behind an edit that ends there.
    const qsizetype at = endOfPhysicalLine(text, lines.last().line.end);
    const QByteArray inserted = lineBreak.repeated(1 + extraBreaks) + added;
    edits.append({at, at, at == text.size() ? inserted + lineBreak : inserted});
    return applied(text, edits);
}

} // namespace

std::optional<QByteArray> withIniValues(const QByteArray &text, const QString &section, const SettingValues &values)
{
    // A line that ends in a backslash carries on into the next one, so a new
    // line may need a line break more to stand on its own: the result is read
    // back, and only a text that holds every value is given.
    for (int extraBreaks = 0; extraBreaks < 3; ++extraBreaks) {
        QByteArray result = edited(text, section, values, extraBreaks);
        const QHash<QString, QString> read = iniSection(result, section);
        const bool holdsAll = std::all_of(values.begin(), values.end(), [&](const auto &kv) {
            const auto found = read.constFind(kv.first);
            return found != read.cend() && *found == kv.second;
        });
        if (holdsAll)
            return result;
    }
    return std::nullopt;
}

} // namespace zoot
