#pragma once

#include <QDate>
#include <QString>

// The floor of a report over closed days: what reading the day summaries
// costs at the least. Each day summary is read into one reused buffer and
// its records are walked, decoding the four values every report needs of
// an order: "type", "article", "price" and "count". Reports are measured
// against it.
struct TFloorResult
{
    qint64 bytes = 0;
    qint64 records = 0;
    qint64 orders = 0;
    double amount = 0; // price x count over the orders, so nothing is optimised away
    qint64 articleChars = 0;
};

TFloorResult walkDaySummaries(const QString &root, const QDate &from, const QDate &to);

// The floor of the current day: every file of its open and paid tables
// ("var/tables", "var/archives") read into one reused buffer and its
// records walked as above.
TFloorResult walkTableFiles(const QString &root);
