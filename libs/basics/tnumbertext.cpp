#include "tnumbertext.h"

namespace Basics {

int writeInteger(qint64 value, char16_t (&buffer)[20])
{
    // from the last digit back
    char16_t *const end = buffer + 20;
    char16_t *p = end;
    quint64 rest = value < 0 ? 0 - quint64(value) : quint64(value);
    do {
        *--p = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (value < 0)
        *--p = u'-';
    return int(end - p);
}

void appendInteger(QString &out, qint64 value, int width)
{
    char16_t buffer[20];
    const int size = writeInteger(value, buffer);
    for (int i = size; i < width; ++i)
        out += QLatin1Char('0');
    out.append(reinterpret_cast<const QChar *>(buffer + 20 - size), size);
}

} // namespace Basics
