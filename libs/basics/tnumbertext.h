#pragma once

#include <QString>

namespace Basics {

// The decimal digits of whole numbers as QString::number() writes them (a
// "-" before those of a value below 0), written here without the locale's
// machinery: records, file names and lines hold many numbers.

// Writes the digits of `value` at the end of `buffer`; returns their count.
int writeInteger(qint64 value, char16_t (&buffer)[20]);
// Appends the digits of `value` to `out`, with zeros in front up to `width`
// characters for a value not below 0.
void appendInteger(QString &out, qint64 value, int width = 0);

} // namespace Basics
