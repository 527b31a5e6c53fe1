#include "tfiscalfiles.h"

#include "tinstallation.h"

#include <QDir>

namespace PosLib {

QString fiscalFileName(const QDate &from, int batchNumber, const QString &dataPath)
{
    return installationDir(dataPath, QStringLiteral("var/reports"), false)
           + from.toString(QStringLiteral("yyyyMMdd.")) + QString::number(batchNumber)
           + QStringLiteral(".fiscal");
}

bool hasFiscalFiles(const QDate &day, const QString &dataPath)
{
    const QDir dir(installationDir(dataPath, QStringLiteral("var/reports"), false));
    const QString pattern = day.toString(QStringLiteral("yyyyMMdd.")) + QStringLiteral("*.fiscal");
    return !dir.entryList(QStringList(pattern), QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty();
}

} // namespace PosLib
