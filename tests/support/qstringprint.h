#pragma once

#include <QString>

#include <ostream>

// Readable QString values in failure messages.
inline std::ostream &operator<<(std::ostream &os, const QString &text)
{
    return os << text.toStdString();
}
