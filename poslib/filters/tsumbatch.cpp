#include "tsumbatch.h"

namespace PosLib {

void TSumBatch::setFilter(int filter)
{
    if (filter == 0)
        remove(QStringLiteral("filter"));
    else
        setInt(QStringLiteral("filter"), filter);
}

QStringList TSumBatch::reports() const
{
    return getString(QStringLiteral("reports")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

void TSumBatch::setReports(const QStringList &ids)
{
    setString(QStringLiteral("reports"), ids.join(QLatin1Char(';')));
}

QList<int> TSumBatch::reportIds() const
{
    QList<int> ids;
    for (const QString &part : reports()) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (ok)
            ids.append(id);
    }
    return ids;
}

TSumBatches::TSumBatches(bool autoDelete, QObject *parent)
    : TValueList(autoDelete, parent)
{ }

QString TSumBatches::listName() const
{
    return QStringLiteral("sumbatches");
}

QString TSumBatches::fileName() const
{
    return QStringLiteral("sumbatches.dat");
}

QString TSumBatches::elementName() const
{
    return QStringLiteral("sumbatch");
}

Basics::TValue *TSumBatches::newValue()
{
    return new TSumBatch;
}

} // namespace PosLib
