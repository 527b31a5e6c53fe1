#pragma once

// The text fields of the engine's records, for C++ on both sides of the
// interface. Header-only: the engine and its loaders each compile it.

#include <QByteArray>
#include <QString>

#include <cstring>

namespace PrintEngine {

// Copies UTF-8 into a field of `size` bytes with its NUL, cut at a
// character boundary when it is too long.
inline void copyField(char *to, int size, const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() >= size) {
        int n = size - 1;
        // back over the continuation bytes of a cut character
        while (n > 0 && (uchar(bytes.at(n)) & 0xC0) == 0x80)
            --n;
        bytes.truncate(n);
    }
    std::memcpy(to, bytes.constData(), size_t(bytes.size()));
    to[bytes.size()] = '\0';
}

// The text of a field of `size` bytes, up to its NUL.
inline QString fieldText(const char *from, int size)
{
    return QString::fromUtf8(from, qsizetype(strnlen(from, size_t(size))));
}

} // namespace PrintEngine
