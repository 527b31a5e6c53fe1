#pragma once

#include "tcompareperiod.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <QTime>

#include <functional>
#include <memory>

namespace PosLib {

class TSummaryDataSink;

// The days a report was compared with.
struct TComparedDays
{
    TCompareWith with;
    TDayRange range;
    // A report of the current day is compared with what was booked up to
    // this time of the compared day (the same hour then); null for whole
    // days.
    QTime until;
};

// Joins the data of a report (TSummaryExport::document()) with the data of
// the same report over the compared days into one document of the same
// form: the report's head with "compared" (the mode, the days and the
// time), and in every period, group and item beside each count and amount
// the compared one ("compared") and the difference ("difference"). Periods
// and sections are paired in their order, groups by grouping and number,
// items by node and key; a group or item of one period only is listed with
// the other's counts and amounts as 0 and says where it was found
// ("presentIn": "both", "current" or "compared"); the compared period's
// item also gives its named values ("compared": {"values"}), so that what
// follows from them (a payform's net) can be had for both periods. Items of
// nodes with a
// leaf per record are never paired (isRecordNode()). docs/report-json.md
// describes the form.
QJsonObject comparisonDocument(const QJsonObject &current, const QJsonObject &compared,
                               const TComparedDays &days);

// Nodes with a leaf per record (a table's pay, a void, a cash or balance
// record), whose keys mean nothing across two periods.
bool isRecordNode(const QString &node);

// The change from `compared` to `current` in percent of `compared`
// (+20 for 12 against 10, -100 for 0 against 10); false without a
// percentage, when `compared` is 0.
bool percentChange(double current, double compared, double *percent);

// The CSV rows of a comparison document: the header row of a report's rows
// (TSummaryExport::csvRows()) with the columns comparedFrom, comparedTo,
// comparedCount, comparedAmount, countDifference and amountDifference, then
// one row per item, sum and figure.
QList<QStringList> comparisonCsvRows(const QJsonObject &document);
QStringList comparisonCsvHeader();
// The sink those rows come from, but for the header: each row handed on as
// its group ends.
std::unique_ptr<TSummaryDataSink> comparisonCsvSink(std::function<void(const QStringList &)> row);

// An item of a record node of the report's own days (`current`) or of the
// compared days, as comparisonDocument() lists it.
QJsonObject joinedRecord(const QJsonObject &record, bool current);
// The same of a record given as its compact JSON, as QJsonDocument writes
// the joined object; a record as the data list it (whole count and amount,
// key, node, text and values) is joined in its bytes.
QByteArray joinedRecordJson(const QByteArray &record, bool current);

} // namespace PosLib
