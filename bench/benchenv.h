#pragma once

#include <QtGlobal>

// A positive whole number from the environment variable `name`; `def`
// when it is not set or not such a number.
inline int envInt(const char *name, int def)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok && v > 0 ? v : def;
}
