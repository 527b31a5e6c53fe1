#include "texceptionrules.h"

#include "tinifile.h"
#include "trepdata.h"
#include "tvalue.h"

#include <QRegularExpression>

#include <algorithm>

namespace PosLib {

namespace {

const QString Section = QStringLiteral("Exceptions");

QTime timeOf(const QString &text, const QTime &def)
{
    const QTime t = QTime::fromString(text.trimmed(), QStringLiteral("H:mm"));
    return t.isValid() ? t : def;
}

} // namespace

TExceptionRules TExceptionRules::read(const QString &root, const Basics::TValueList *payforms)
{
    TExceptionRules rules;
    const Basics::TInifile ini(reportsIniPath(root));
    bool ok = false;
    const double multiple = ini.readString(Section, QStringLiteral("Multiple"))
                                    .trimmed()
                                    .replace(QLatin1Char(','), QLatin1Char('.'))
                                    .toDouble(&ok);
    if (ok && multiple >= 1.0)
        rules.multiple = multiple;
    const qint64 minCount = ini.readInt(Section, QStringLiteral("MinCount"), DefaultMinCount);
    if (minCount >= 1)
        rules.minCount = int(std::min<qint64>(minCount, 1000000));
    rules.lateFrom = timeOf(ini.readString(Section, QStringLiteral("LateFrom")), rules.lateFrom);
    rules.lateUntil = timeOf(ini.readString(Section, QStringLiteral("LateUntil")), rules.lateUntil);
    const QString staff = ini.readString(Section, QStringLiteral("StaffPayforms")).trimmed();
    if (staff.isEmpty()) {
        rules.staffPayforms = staffPayformsByName(payforms);
    } else {
        for (const QString &part :
             staff.split(QRegularExpression(QStringLiteral("[,; ]+")), Qt::SkipEmptyParts)) {
            const int payform = part.toInt(&ok);
            if (ok && payform > 0 && !rules.staffPayforms.contains(payform))
                rules.staffPayforms << payform;
        }
        std::sort(rules.staffPayforms.begin(), rules.staffPayforms.end());
    }
    return rules;
}

QList<int> TExceptionRules::staffPayformsByName(const Basics::TValueList *payforms)
{
    QList<int> found;
    if (!payforms)
        return found;
    static const QRegularExpression staff(
            QStringLiteral("staff|employee|personal|personnel|mitarbeiter"),
            QRegularExpression::CaseInsensitiveOption);
    for (int id : payforms->ids()) {
        const Basics::TValue *payform = payforms->find(id);
        if (payform && staff.match(payform->name()).hasMatch())
            found << id;
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool TExceptionRules::isLate(const QTime &time) const
{
    if (!time.isValid() || lateFrom == lateUntil)
        return false;
    if (lateFrom < lateUntil)
        return time >= lateFrom && time < lateUntil;
    return time >= lateFrom || time < lateUntil;
}

QString TExceptionRules::text() const
{
    QStringList staff;
    for (int payform : staffPayforms)
        staff << QString::number(payform);
    return QStringLiteral("%1 x median, at least %2, late %3-%4, staff %5")
            .arg(multiple)
            .arg(minCount)
            .arg(lateFrom.toString(QStringLiteral("HH:mm")),
                 lateUntil.toString(QStringLiteral("HH:mm")), staff.join(QLatin1Char(',')));
}

} // namespace PosLib
