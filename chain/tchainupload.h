#pragma once

#include "tchainurl.h"

#include <QDate>
#include <QList>
#include <QString>

namespace ChainLib {

class TChainDb;
struct TChainDayData;

// Writes one closed day of one outlet in one transaction: the outlet, its
// report files, the day, its closing records, its bills with their
// entries and its aggregates. Rows already there with the same content
// stay untouched, so sending a day twice changes nothing; a bill whose
// file changed is replaced with its entries. False with `error` (the
// transaction rolled back).
bool uploadDay(TChainDb &db, const TChainDayData &data, QString *error = nullptr);

// How a sending of closed days ended.
struct TPushResult
{
    enum Status {
        Sent, // every queued day arrived (also: nothing was queued)
        Queued, // the database could not be reached or refused a day: the rest stays queued
        Failed, // the queue could not be written: a day may not be queued
    };
    Status status = Sent;
    QList<QDate> sent;
    QList<QDate> queued; // what is left in the queue
    QString error;
    // The queue file was damaged: kept aside under this name (the readable
    // days were sent); days it named in its damaged lines may not be sent.
    QString damagedQueue;
    int damagedLines = 0; // -1: the whole file
};

// Sends the closed days of the installation `root` to the database at
// `url`: `days` are queued first (durably, in "var/chain.queue"), then
// every queued day is sent in day order, each in its own transaction, and
// leaves the queue once it arrived. The connection waits at most
// `timeoutSeconds`; an unreachable database leaves the days queued for the
// next closing or 'veltrum chain push'; no statement may take longer than
// a minute. Applies the schema's migrations
// first when the database lacks them.
TPushResult pushDays(const QString &root, const TChainUrl &url, const QList<QDate> &days,
                     int timeoutSeconds = 5);

} // namespace ChainLib
