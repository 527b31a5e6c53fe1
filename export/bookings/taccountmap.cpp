#include "taccountmap.h"

#include "terror.h"
#include "tinifile.h"

#include <QDate>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Basics;

namespace PosLib {

namespace {

struct Default
{
    const char *key;
    const char *skr03;
    const char *skr04;
};

// The usual accounts; the restaurant's tax adviser decides.
const Default Defaults[]
        = {
                {"cash", "1000", "1600"}, // cash register
                {"bank", "1200", "1800"},
                {"transit", "1360", "1460"}, // money in transit, card clearing
                {"vouchers", "1700", "3500"}, // vouchers sold and not yet redeemed
                {"tips", "1590", "1370"}, // tips taken for the staff and paid out to them
                {"staff", "1340", "1340"}, // what the staff owes (staff account)
                {"receivables", "1400", "1200"}, // charged to a hotel room or a client
                {"cashmoves", "1360", "1460"}, // money put into or taken out of the till
                {"shortage", "4900", "6300"}, // cash counted short
                {"surplus", "2700", "4830"}, // cash counted over
                {"differences", "1590", "1370"}, // a bill whose pays differ from its lines
                {"revenue19", "8400", "4400"},
                {"revenue7", "8300", "4300"},
                {"revenue0", "8100", "4100"},
};

const QLatin1String Section("Bookings");
const QLatin1String Payforms("Payforms");

} // namespace

QStringList TAccountMap::roles()
{
    QStringList out;
    for (const Default &d : Defaults) {
        const QString key = QString::fromLatin1(d.key);
        if (!key.startsWith(QLatin1String("revenue")))
            out << key;
    }
    return out;
}

QString TAccountMap::defaultAccount(const QString &chart, const QString &key)
{
    for (const Default &d : Defaults) {
        if (key == QLatin1String(d.key))
            return QString::fromLatin1(chart == QLatin1String("skr04") ? d.skr04 : d.skr03);
    }
    return QString();
}

QString TAccountMap::revenueKey(int rate)
{
    // 1900 -> "revenue19", 550 -> "revenue5.5", 725 -> "revenue7.25"
    QString percent = QString::number(rate / 100);
    if (rate % 100 != 0) {
        QString decimals = QStringLiteral("%1").arg(qAbs(rate % 100), 2, 10, QLatin1Char('0'));
        if (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        percent += QLatin1Char('.') + decimals;
    }
    return QStringLiteral("revenue") + percent;
}

QString TAccountMap::revenueAccount(int rate) const
{
    return m_accounts.value(revenueKey(rate));
}

QString TAccountMap::payformAccount(int payform, bool cash) const
{
    if (m_payforms.contains(payform))
        return m_payforms.value(payform);
    return account(cash ? QStringLiteral("cash") : QStringLiteral("transit"));
}

bool TAccountMap::read(const QString &root, const QString &chart, TAccountMap *out, QString *error)
{
    const QString path = root + fileName();
    auto failed = [&](const QString &why) {
        *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    };
    if (!QFileInfo(path).isFile())
        return failed(tr("missing; it names the tax adviser's and the client's numbers and "
                         "the accounts (see docs/exports.md, \"Bookings for the "
                         "accounting software\")"));
    try {
        const TInifile ini(path);
        TAccountMap map;
        auto number = [&](const QString &key, int min, int max, int fallback, int *value) {
            const QString text = ini.readString(Section, key).trimmed();
            if (text.isEmpty() && fallback >= 0) {
                *value = fallback;
                return true;
            }
            bool ok = false;
            *value = text.toInt(&ok);
            if (text.isEmpty())
                return failed(tr("[%1] %2 is missing").arg(Section, key));
            if (!ok || *value < min || *value > max)
                return failed(tr("[%1] %2 = %3: not a number from %4 to %5")
                                      .arg(Section, key, text)
                                      .arg(min)
                                      .arg(max));
            return true;
        };
        if (!number(QStringLiteral("consultant"), 1001, 9999999, -1, &map.consultant)
            || !number(QStringLiteral("client"), 1, 99999, -1, &map.client)
            || !number(QStringLiteral("accountlength"), 4, 8, 4, &map.accountLength))
            return false;

        map.chart = chart.isEmpty() ? ini.readString(Section, QStringLiteral("chart")).trimmed()
                                    : chart;
        map.chart = map.chart.isEmpty() ? QStringLiteral("skr03") : map.chart.toLower();
        if (map.chart != QLatin1String("skr03") && map.chart != QLatin1String("skr04"))
            return failed(tr("[%1] chart = %2: skr03 or skr04").arg(Section, map.chart));

        const QString fiscal = ini.readString(Section, QStringLiteral("fiscalyear")).trimmed();
        if (!fiscal.isEmpty()) {
            const QDate start = QDate::fromString(fiscal + QStringLiteral("-2001"),
                                                  QStringLiteral("MM-dd-yyyy"));
            if (!start.isValid())
                return failed(tr("[%1] fiscalyear = %2: the first day of the fiscal year as "
                                 "MM-dd, e.g. 01-01")
                                      .arg(Section, fiscal));
            map.fiscalMonth = start.month();
            map.fiscalDay = start.day();
        }
        map.dictation = ini.readString(Section, QStringLiteral("dictation")).trimmed();
        static const QRegularExpression letters(QStringLiteral("^[A-Za-z0-9]{0,2}$"));
        if (!letters.match(map.dictation).hasMatch())
            return failed(tr("[%1] dictation = %2: at most two letters or digits")
                                  .arg(Section, map.dictation));
        map.fixed = ini.readBool(Section, QStringLiteral("fixed"));

        // the chart's defaults, widened to the account length, under the file's accounts
        for (const Default &d : Defaults) {
            const QString key = QString::fromLatin1(d.key);
            QString account = defaultAccount(map.chart, key);
            map.m_accounts.insert(key, account.leftJustified(map.accountLength, QLatin1Char('0')));
        }
        static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
        auto checked = [&](const QString &section, const QString &key, const QString &value) {
            if (!digits.match(value).hasMatch() || value.size() != map.accountLength)
                return failed(tr("[%1] %2 = %3: an account of %4 digits")
                                      .arg(section, key, value)
                                      .arg(map.accountLength));
            return true;
        };
        const QString chartSection = map.chart.toUpper();
        if (const TInifile::Section *accounts = ini.section(chartSection)) {
            for (const QString &key : accounts->keys()) {
                const QString name = key.trimmed().toLower();
                const QString value = ini.readString(chartSection, key).trimmed();
                if (!roles().contains(name) && !name.startsWith(QLatin1String("revenue")))
                    return failed(
                            tr("[%1] %2: no such purpose (%3, or revenue and a VAT rate "
                               "such as revenue19)")
                                    .arg(chartSection, key, roles().join(QStringLiteral(", "))));
                if (!checked(chartSection, key, value))
                    return false;
                map.m_accounts.insert(name, value);
            }
        }
        if (const TInifile::Section *payforms = ini.section(Payforms)) {
            for (const QString &key : payforms->keys()) {
                bool ok = false;
                const int payform = key.trimmed().toInt(&ok);
                const QString value = ini.readString(Payforms, key).trimmed();
                if (!ok || payform < 0)
                    return failed(tr("[%1] %2: not a payform number").arg(Payforms, key));
                if (roles().contains(value.toLower())) {
                    map.m_payforms.insert(payform, map.account(value.toLower()));
                } else if (digits.match(value).hasMatch()) {
                    if (!checked(Payforms, key, value))
                        return false;
                    map.m_payforms.insert(payform, value);
                } else {
                    return failed(
                            tr("[%1] %2 = %3: an account or a purpose (%4)")
                                    .arg(Payforms, key, value, roles().join(QStringLiteral(", "))));
                }
            }
        }
        *out = map;
        return true;
    } catch (const TError &e) {
        *error = userText(e, path);
        return false;
    }
}

} // namespace PosLib
