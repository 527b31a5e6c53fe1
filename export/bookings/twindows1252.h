#pragma once

#include <QByteArray>
#include <QString>

namespace PosLib {

// Encodes `text` in Windows-1252 (Latin-1 with the printable characters
// the code page puts at 0x80-0x9F: "€", "„", "Š" …). Returns false at the
// first character the code page does not have, with its position in
// `text` in `badIndex` (a surrogate pair counts as the position of its
// first half); `out` then holds what came before it. Never substitutes "?".
bool toWindows1252(const QString &text, QByteArray *out, qsizetype *badIndex = nullptr);

// Decodes Windows-1252 bytes; the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
QString fromWindows1252(const QByteArray &bytes);

// The character at `index` of `text` as the user should read it in a
// message: "'✓' (U+2713)".
QString characterName(const QString &text, qsizetype index);

} // namespace PosLib
