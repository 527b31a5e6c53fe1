#include "twages.h"

#include "terror.h"
#include "tinifile.h"
#include "tround.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace PosLib {

QString TWages::path(const QString &root)
{
    return QDir(root).filePath(QStringLiteral("etc/wages.ini"));
}

bool TWages::parseWage(const QString &text, qint64 *cents)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,9})(?:[.,](\\d{1,2}))?$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    const QString decimals = m.captured(2).leftJustified(2, QLatin1Char('0'));
    *cents = m.captured(1).toLongLong() * 100 + decimals.toLongLong();
    return true;
}

bool TWages::read(const QString &file, QString *error)
{
    m_wages.clear();
    m_default = -1;
    if (!QFileInfo::exists(file))
        return true;
    QMap<int, qint64> wages;
    qint64 fallback = -1;
    try {
        Basics::TInifile ini(file);
        const Basics::TInifile::Section *section = ini.section(QStringLiteral("Wages"));
        const QStringList keys = section ? section->keys() : QStringList();
        for (const QString &key : keys) {
            const QString name = key.trimmed();
            const QString value = ini.readString(QStringLiteral("Wages"), name);
            qint64 cents = 0;
            bool number = false;
            const int waiter = name.toInt(&number);
            const bool isDefault = name.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0;
            if ((!isDefault && (!number || waiter <= 0)) || !parseWage(value, &cents)) {
                *error = tr("%1: the wage \"%2=%3\" cannot be read (a waiter number or "
                            "\"default\", then an amount such as 12.50)")
                                 .arg(QDir::toNativeSeparators(file), name, value);
                return false;
            }
            if (isDefault)
                fallback = cents;
            else
                wages.insert(waiter, cents);
        }
    } catch (const Basics::TError &e) {
        *error = tr("%1 cannot be read: %2").arg(QDir::toNativeSeparators(file), e.text());
        return false;
    }
    m_wages = wages;
    m_default = fallback;
    return true;
}

bool TWages::wage(int waiter, qint64 *cents) const
{
    const auto it = m_wages.constFind(waiter);
    if (it != m_wages.constEnd()) {
        *cents = *it;
        return true;
    }
    if (m_default < 0)
        return false;
    *cents = m_default;
    return true;
}

qint64 labourCost(qint64 seconds, qint64 wagePerHour)
{
    return roundHalfUp(double(seconds) * double(wagePerHour) / 3600.0);
}

} // namespace PosLib
