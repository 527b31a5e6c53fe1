#include "texporteddays.h"

#include "terror.h"
#include "tinstallation.h"
#include "tsavefile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Basics;

namespace PosLib {

bool TExportedDays::read(const QString &root, QString *error)
{
    m_days.clear();
    const QString path = root + fileName();
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parse);
    const QJsonObject o = doc.object();
    if (!doc.isObject() || o.value(QStringLiteral("format")).toInt() != 1) {
        *error = tr("%1: not a record of exported days (%2); it keeps a day from being "
                    "exported twice, so nothing is exported until it is repaired or removed")
                         .arg(path, parse.error != QJsonParseError::NoError ? parse.errorString()
                                                                            : tr("unknown format"));
        return false;
    }
    for (const QJsonValue &value : o.value(QStringLiteral("days")).toArray()) {
        const QJsonObject d = value.toObject();
        const QDate date
                = QDate::fromString(d.value(QStringLiteral("date")).toString(), Qt::ISODate);
        if (!date.isValid())
            continue;
        Day day;
        day.sha256 = d.value(QStringLiteral("sha256")).toString().toLatin1();
        day.created = d.value(QStringLiteral("created")).toString();
        day.file = d.value(QStringLiteral("file")).toString();
        day.bookings = d.value(QStringLiteral("bookings")).toInt();
        m_days.insert(date, day);
    }
    return true;
}

bool TExportedDays::write(const QString &root, QString *error) const
{
    QJsonArray days;
    for (auto it = m_days.cbegin(); it != m_days.cend(); ++it)
        days.append(QJsonObject {{QStringLiteral("date"), it.key().toString(Qt::ISODate)},
                                 {QStringLiteral("sha256"), QString::fromLatin1(it->sha256)},
                                 {QStringLiteral("created"), it->created},
                                 {QStringLiteral("file"), it->file},
                                 {QStringLiteral("bookings"), it->bookings}});
    const QJsonObject o {{QStringLiteral("format"), 1}, {QStringLiteral("days"), days}};
    const QString path = root + fileName();
    try {
        installationDir(root, QStringLiteral("var/exports"), true);
        TSaveFile file(path);
        file.open();
        file.write(QJsonDocument(o).toJson(QJsonDocument::Indented));
        file.commit();
    } catch (const TError &e) {
        *error = userText(e, path);
        return false;
    }
    return true;
}

} // namespace PosLib
