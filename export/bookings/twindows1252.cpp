#include "twindows1252.h"

namespace PosLib {

namespace {

// The characters of 0x80-0x9F; 0 where the code page has none.
const char16_t HighControls[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] != 0 && HighControls[i] == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

bool toWindows1252(const QString &text, QByteArray *out, qsizetype *badIndex)
{
    out->clear();
    out->reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteOf(text.at(i).unicode());
        if (byte < 0) {
            if (badIndex)
                *badIndex = i;
            return false;
        }
        out->append(char(byte));
    }
    return true;
}

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = uchar(b);
        if (byte >= 0x80 && byte < 0xA0) {
            const char16_t c = HighControls[byte - 0x80];
            text.append(QChar(c != 0 ? c : char16_t(0xFFFD)));
        } else {
            text.append(QChar(char16_t(byte)));
        }
    }
    return text;
}

QString characterName(const QString &text, qsizetype index)
{
    const QChar c = text.at(index);
    uint code = c.unicode();
    QString shown(c);
    if (c.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate()) {
        code = QChar::surrogateToUcs4(c, text.at(index + 1));
        shown += text.at(index + 1);
    }
    return QStringLiteral("'%1' (U+%2)")
            .arg(shown)
            .arg(QStringLiteral("%1").arg(code, 4, 16, QLatin1Char('0')).toUpper());
}

} // namespace PosLib
