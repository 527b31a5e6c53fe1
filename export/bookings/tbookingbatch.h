#pragma once

#include "tdaybookings.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QStringList>

namespace PosLib {

// The head of a booking batch: who it is for and what it covers.
struct TBatchHeader
{
    QDateTime created;
    QString origin = QStringLiteral("RE"); // the source of the data: a cash register
    QString exportedBy = QStringLiteral("Veltrum");
    int consultant = 0;
    int client = 0;
    QDate fiscalYearStart;
    int accountLength = 4;
    QDate from;
    QDate to;
    QString name; // the batch's name in the accounting software
    QString dictation;
    bool fixed = false;
    QString currency = QStringLiteral("EUR");
};

// The booking batch of the German accounting software ("EXTF", format 700,
// data category 21): line 1 the format header, line 2 the column titles,
// then one booking a line; fields separated by ";", texts in double quotes
// (a quote inside doubled), amounts with a decimal comma and no sign (the
// debit/credit flag says which way), the document date as DDMM (the year
// comes from the header, so a batch never spans two fiscal years), CR LF
// line ends, Windows-1252.
class TBookingBatch
{
    Q_DECLARE_TR_FUNCTIONS(TBookingBatch)
public:
    // The 31 fields of the format header.
    static constexpr int HeaderFields = 31;
    // The 125 column titles of a booking line.
    static const QStringList &columnTitles();

    static QString headerLine(const TBatchHeader &header);
    static QString titleLine();
    // "119,00;"S";;;;;1000;8400;;0503;"Z12";;;"Revenue 19 % / Cash";;…"
    static QString bookingLine(const TBooking &booking);
    // 11900 -> "119,00"
    static QString amountText(qint64 cents);

    // The lines as the file holds them: Windows-1252, each ended by CR LF.
    // False at the first character the code page does not have, with
    // `error` naming the line and the character; the lines are counted
    // from `firstLine` (the header is line 1, the first booking line 3).
    static bool encode(const QStringList &lines, QByteArray *out, QString *error,
                       int firstLine = 1);
};

} // namespace PosLib
