#pragma once

#include "tauditcompany.h"
#include "tauditschema.h"

#include <QDateTime>
#include <QMap>

namespace PosLib {

struct TClosedDay;
struct TClosedBill;
struct TClosing;
class TTable;

// Fills the files of the audit export from closed days: each closing of a
// day with the bills it moved. Every amount comes from the bills' entries as
// the closing record adds them up (an order line is price × count, rounded
// half up; its net part gross × 100 / (100 + rate), rounded half up), so a
// closing's lines add up to its record and Z report. Payments are without
// tips; the tips are the closing's business case "TrinkgeldAN".
class TAuditBuilder
{
public:
    explicit TAuditBuilder(const TAuditCompany &company);

    void addDay(const TClosedDay &day);

    const QList<TAuditTable> &tables() const { return m_tables; }
    // For a writer that takes the tables' lines as they fill.
    QList<TAuditTable> &tables() { return m_tables; }
    TAuditTable &table(const QString &file);
    int closings() const { return m_closings; }
    int bills() const { return m_bills; }

    // The VAT key of a rate in hundredths of a percent: the usual keys
    // (1 = 19 %, 2 = 7 %, 3 = 10.7 %, 4 = 5.5 %, 5 = 0 %, 11 = 16 %,
    // 12 = 5 %), other rates 1000, 1001 … in the order they turn up.
    int vatKey(int rate);
    // The time a closing was made: the end of its run as its record says;
    // the end of its day for a closing made before records were kept.
    static QDateTime closingTime(const TClosing &closing);

private:
    struct Sum
    {
        qint64 gross = 0;
        qint64 net = 0;
    };
    struct ClosingSums
    {
        QMap<QPair<QPair<QString, QString>, int>, Sum> cases; // type and name, VAT key
        QMap<QPair<QString, QString>, qint64> payments; // type, name
        QMap<QString, qint64> cashPerCurrency;
        QMap<QString, QString> terminals; // id, name
        QMap<int, int> rates; // VAT key, rate
    };
    struct Line
    {
        QString caseType; // GV_TYP
        QString caseName; // GV_NAME
        QString text;
        QString terminal;
        bool inHouse = true;
        bool voided = false;
        QString article, group, groupName;
        double count = 1;
        qint64 unitPrice = 0;
        qint64 gross = 0;
        int rate = 0;
    };

    void addBill(const TClosedBill &bill, const QStringList &key, ClosingSums &sums);
    // Appends a line of a bill with its VAT row; returns its number.
    int addLine(const QStringList &key, long billId, int number, const Line &line,
                ClosingSums &sums);
    void addClosing(const TClosedDay &day, const QStringList &key, const ClosingSums &sums,
                    long firstBill, long lastBill);
    void append(const QString &file, const QStringList &key, const QStringList &values);
    qint64 net(qint64 gross, int rate) const;

    TAuditCompany m_company;
    QList<TAuditTable> m_tables;
    QMap<int, int> m_keys; // rate -> VAT key
    int m_closings = 0;
    int m_bills = 0;
};

// "Regelsteuersatz 19 %": how vat.csv describes a key.
QString vatKeyText(int key, int rate);

} // namespace PosLib
