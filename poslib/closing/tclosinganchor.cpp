#include "tclosinganchor.h"

#include "tclosingrecord.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tsavefile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace PosLib {

QByteArray TClosingAnchor::toBytes() const
{
    QJsonObject o;
    o.insert(QStringLiteral("format"), Format);
    o.insert(QStringLiteral("firstZ"), qint64(firstZ));
    o.insert(QStringLiteral("z"), qint64(z));
    o.insert(QStringLiteral("date"), date.toString(Qt::ISODate));
    o.insert(QStringLiteral("sha256"), QString::fromLatin1(sha256));
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool TClosingAnchor::fromBytes(const QByteArray &bytes, TClosingAnchor *anchor)
{
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject())
        return false;
    const QJsonObject o = doc.object();
    TClosingAnchor a;
    a.firstZ = long(o.value(QStringLiteral("firstZ")).toInteger());
    a.z = long(o.value(QStringLiteral("z")).toInteger());
    a.date = QDate::fromString(o.value(QStringLiteral("date")).toString(), Qt::ISODate);
    a.sha256 = o.value(QStringLiteral("sha256")).toString().toLatin1();
    if (o.value(QStringLiteral("format")).toInt() != Format || a.firstZ <= 0 || a.z < a.firstZ
        || !a.date.isValid() || a.sha256.size() != 64)
        return false;
    *anchor = a;
    return true;
}

QString closingAnchorPath(const QString &root)
{
    return installationDir(root, QStringLiteral("var"), false) + QStringLiteral("closing.anchor");
}

TAnchorReading readClosingAnchor(const QString &root)
{
    TAnchorReading reading;
    QFile file(closingAnchorPath(root));
    if (!file.exists())
        return reading;
    reading.state = file.open(QIODevice::ReadOnly)
                                    && TClosingAnchor::fromBytes(file.readAll(), &reading.anchor)
                            ? TAnchorReading::Read
                            : TAnchorReading::Damaged;
    return reading;
}

void advanceClosingAnchor(const QString &root, const TClosingRecord &record,
                          const QByteArray &bytes, long firstZ)
{
    const TAnchorReading before = readClosingAnchor(root);
    TClosingAnchor anchor;
    anchor.firstZ = firstZ > 0 ? firstZ : record.z;
    if (before.state == TAnchorReading::Read) {
        if (before.anchor.z > record.z)
            return; // a cut-off run's record, completed after newer ones
        anchor.firstZ = std::min(before.anchor.firstZ, anchor.firstZ);
    } else if (before.state == TAnchorReading::Damaged) {
        Basics::logWarning(
                QStringLiteral("%1 was damaged; it is written again").arg(closingAnchorPath(root)),
                Basics::LogModule::Library, Basics::LogClass::Turnover);
    }
    anchor.z = record.z;
    anchor.date = record.date;
    anchor.sha256 = sha256Hex(bytes);
    Basics::TSaveFile file(closingAnchorPath(root));
    file.open();
    file.write(anchor.toBytes());
    file.commit();
}

} // namespace PosLib
