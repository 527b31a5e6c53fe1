#include "notimplemented.h"

#include "tlog.h"
#include "tlogcategories.h"

#include <QString>

void notImplemented(const char *signature)
{
    Basics::logDebug(QStringLiteral("%1: Not implemented yet").arg(QLatin1String(signature)),
                     Basics::LogModule::Library);
}
