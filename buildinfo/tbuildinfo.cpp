#include "tbuildinfo.h"

#include "tbuildinfo_values.h"

namespace Basics {

QString projectVersion()
{
    return QStringLiteral(VELTRUM_VERSION);
}

QString buildRevision()
{
    return QStringLiteral(VELTRUM_REVISION);
}

QDate buildDay()
{
    return QDate::fromString(QStringLiteral(VELTRUM_BUILD_DAY), Qt::ISODate);
}

QString versionLine()
{
    return QStringLiteral("Veltrum %1 (%2), built %3")
            .arg(projectVersion(), buildRevision(), buildDay().toString(Qt::ISODate));
}

} // namespace Basics
