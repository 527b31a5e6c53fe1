#include "tpendingclosing.h"

#include "tdir.h"
#include "tinstallation.h"
#include "tsavefile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace PosLib {

QByteArray TPendingClosing::toBytes() const
{
    QJsonObject o {{QStringLiteral("z"), qint64(z)},
                   {QStringLiteral("date"), date.toString(Qt::ISODate)},
                   {QStringLiteral("waiter"), waiter},
                   {QStringLiteral("waiterName"), waiterName},
                   {QStringLiteral("executingWaiter"), executingWaiter},
                   {QStringLiteral("executingWaiterName"), executingWaiterName},
                   {QStringLiteral("application"), application},
                   {QStringLiteral("terminal"), qint64(terminal)},
                   {QStringLiteral("costCenter"), qint64(costCenter)},
                   {QStringLiteral("start"), start.toString(Qt::ISODate)},
                   {QStringLiteral("dayZ"), qint64(dayZ)}};
    if (!cashCount.isEmpty())
        o.insert(QStringLiteral("cashCount"), cashCount.toJson());
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool TPendingClosing::fromBytes(const QByteArray &bytes, TPendingClosing *pending)
{
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject())
        return false;
    const QJsonObject o = doc.object();
    TPendingClosing p;
    p.z = long(o.value(QStringLiteral("z")).toInteger());
    p.date = QDate::fromString(o.value(QStringLiteral("date")).toString(), Qt::ISODate);
    if (p.z <= 0 || !p.date.isValid())
        return false;
    p.waiter = o.value(QStringLiteral("waiter")).toInt();
    p.waiterName = o.value(QStringLiteral("waiterName")).toString();
    p.executingWaiter = o.value(QStringLiteral("executingWaiter")).toInt();
    p.executingWaiterName = o.value(QStringLiteral("executingWaiterName")).toString();
    p.application = o.value(QStringLiteral("application")).toString();
    p.terminal = long(o.value(QStringLiteral("terminal")).toInteger());
    p.costCenter = long(o.value(QStringLiteral("costCenter")).toInteger());
    p.start = QDateTime::fromString(o.value(QStringLiteral("start")).toString(), Qt::ISODate);
    p.dayZ = long(o.value(QStringLiteral("dayZ")).toInteger());
    if (o.contains(QStringLiteral("cashCount")))
        p.cashCount = TCashCountInput::fromJson(o.value(QStringLiteral("cashCount")).toObject());
    *pending = p;
    return true;
}

QString pendingClosingPath(const QString &root)
{
    return installationDir(root, QStringLiteral("var/lock"), false)
           + QStringLiteral("turnover.run");
}

void savePendingClosing(const QString &root, const TPendingClosing &pending)
{
    Basics::TSaveFile file(lockDir(root) + QStringLiteral("turnover.run"));
    file.open();
    file.write(pending.toBytes());
    file.commit();
}

bool loadPendingClosing(const QString &root, TPendingClosing *pending)
{
    QFile file(pendingClosingPath(root));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return TPendingClosing::fromBytes(file.readAll(), pending);
}

void removePendingClosing(const QString &root)
{
    const QString path = pendingClosingPath(root);
    if (QFileInfo::exists(path)) {
        Basics::deleteFile(path);
        Basics::syncDirectory(QFileInfo(path).path());
    }
}

} // namespace PosLib
