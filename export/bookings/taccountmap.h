#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QStringList>

namespace PosLib {

// How the day's bookings are booked: the numbers of the tax adviser and the
// client, the fiscal year, and the account of every purpose, read from the
// installation's "etc/accounting.ini" over the defaults of the chosen chart
// of accounts (SKR03 or SKR04). The file:
//
//   [Bookings]
//   consultant = 1001      the tax adviser's number (1001 to 9999999)
//   client = 1             the client's number (1 to 99999)
//   chart = skr03          skr03 or skr04; --chart overrides it
//   fiscalyear = 01-01     the first day of the fiscal year (MM-dd)
//   accountlength = 4      digits of a general-ledger account (4 to 8)
//   dictation =            an optional dictation code (up to 2 letters)
//   fixed = no             whether the accounting software fixes the bookings
//   [SKR03]                accounts of the chart (any may be left out)
//   cash = 1000
//   revenue19 = 8400       revenue at 19 %; revenue5.5 for 5.5 %
//   [Payforms]
//   6 = vouchers           payform 6 books on the account of "vouchers"
//   9 = 1210               payform 9 books on account 1210
//
// A payform not named books on "cash" when it counts in the till, else on
// "transit". Every account has exactly `accountlength` digits; the built-in
// defaults are widened with zeros to that length (1000 -> 10000).
class TAccountMap
{
    Q_DECLARE_TR_FUNCTIONS(TAccountMap)
public:
    // The purposes that have an account (besides the revenue per rate).
    static QStringList roles();
    // The built-in account of a purpose ("cash") or revenue key
    // ("revenue19") in a chart ("skr03", "skr04"); empty when it has none.
    static QString defaultAccount(const QString &chart, const QString &key);
    // "etc/accounting.ini", relative to the installation.
    static QString fileName() { return QStringLiteral("etc/accounting.ini"); }

    // Reads the file of the installation at `root`. `chart` overrides the
    // file's choice when not empty. False with `error` naming the file, the
    // key and what is wrong (a missing file, consultant or client number, a
    // bad number, an unknown chart or purpose).
    static bool read(const QString &root, const QString &chart, TAccountMap *out, QString *error);

    int consultant = 0;
    int client = 0;
    QString chart; // "skr03" or "skr04"
    int fiscalMonth = 1;
    int fiscalDay = 1;
    int accountLength = 4;
    QString dictation;
    bool fixed = false;

    // The account of a purpose ("cash", "tips" …).
    QString account(const QString &role) const { return m_accounts.value(role); }
    // The revenue account of a VAT rate (hundredths of a percent); empty
    // when neither the file nor the chart has one.
    QString revenueAccount(int rate) const;
    // The account a payform books on.
    QString payformAccount(int payform, bool cash) const;
    // "revenue19", "revenue5.5": the key of a rate's revenue account.
    static QString revenueKey(int rate);

private:
    QMap<QString, QString> m_accounts; // purposes and revenue keys
    QMap<int, QString> m_payforms;
};

} // namespace PosLib
