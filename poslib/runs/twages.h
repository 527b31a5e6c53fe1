#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>

namespace PosLib {

// Hourly wages per waiter, in cents of the system currency, from
// "etc/wages.ini" under the installation root:
//
//   [Wages]
//   1=12.50        ; waiter 1 earns 12.50 an hour
//   7=14,00
//   default=11.00  ; every waiter not listed
//
// A wage has up to two decimals after "." or ",". The file is optional:
// without it nobody has a wage and the labour report shows no costs.
class TWages
{
    Q_DECLARE_TR_FUNCTIONS(TWages)
public:
    // "etc/wages.ini" under `root`.
    static QString path(const QString &root);

    // Reads the file at `file`; a missing file reads as no wages. False
    // with `error` naming the file and the entry for a wage that cannot be
    // read (nothing is then taken from the file).
    bool read(const QString &file, QString *error);

    bool isEmpty() const { return m_wages.isEmpty() && m_default < 0; }
    // The wage of `waiter` per hour in cents; false when it has none.
    bool wage(int waiter, qint64 *cents) const;

    // "12.50", "12,5", "12" in cents; false for anything else, also for
    // negative amounts and more than two decimals.
    static bool parseWage(const QString &text, qint64 *cents);

private:
    QMap<int, qint64> m_wages;
    qint64 m_default = -1;
};

// What `seconds` of work cost at `wagePerHour` cents, rounded half up.
qint64 labourCost(qint64 seconds, qint64 wagePerHour);

} // namespace PosLib
