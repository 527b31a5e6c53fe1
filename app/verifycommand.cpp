#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tchainargs.h"
#include "tchaindb.h"
#include "tchainwitness.h"
#include "tclosingledger.h"
#include "tclosingverifier.h"
#include "tcurrencies.h"
#include "tdataargs.h"
#include "tmasterlist.h"
#include "treconciliationcheck.h"
#include "tsettings.h"

#include <algorithm>

using namespace PosLib;

namespace {

int runVerify(TArgs &args)
{
    TDataArgs data(args);
    const QDate day = args.date(QStringLiteral("day"));
    if (day.isValid() && args.isSet(QStringLiteral("all")))
        return usageError(TCli::tr("--day and --all exclude each other"), QStringLiteral("verify"));

    const TClosingLedger ledger(data.root());
    // the bills are read once, for both checks
    TDayBillTotals bills;
    const QList<TClosingFinding> findings = verifyClosings(data.root(), ledger, day, &bills);
    int closings = 0;
    int legacy = 0;
    for (const TClosing &closing : ledger.closings()) {
        if (day.isValid() && closing.date != day)
            continue;
        ++closings;
        if (!closing.hasRecord
            && (ledger.firstRecordedZ() == 0 || closing.z < ledger.firstRecordedZ()))
            ++legacy;
    }
    const auto *currencies
            = static_cast<const TCurrencies *>(data.lists().get(QStringLiteral("currencies")));
    const QList<TReconciliationFinding> reconciliation
            = TReconciliationCheck(data.root(), ledger).run(day, currencies, &bills);
    // the chain database as the outside witness of the records sent
    QList<TClosingFinding> witnessed;
    int compared = 0;
    if (args.isSet(QStringLiteral("db"))) {
        const ChainLib::TChainUrl url = chainUrl(args);
        PosLib::TSettings settings;
        if (!loadMasterList(settings, data.root()) || !settings.installation())
            return fail(TCli::tr("verify: --db compares the records of this outlet, but %1 "
                                 "holds no installation record with its number (officeid)")
                                .arg(QStringLiteral("usr/data/") + settings.fileName()));
        ChainLib::TChainDb db;
        if (!db.open(url, ChainConnectSeconds))
            return fail(TCli::tr("verify: cannot connect to %1: %2").arg(url.text(), db.error()));
        QString problem;
        if (!ChainLib::witnessFindings(db, settings.officeId(), ledger, witnessed, &compared,
                                       &problem))
            return fail(TCli::tr("verify: %1: %2").arg(url.text(), problem));
        if (day.isValid())
            witnessed.erase(std::remove_if(witnessed.begin(), witnessed.end(),
                                           [&](const TClosingFinding &f) { return f.date != day; }),
                            witnessed.end());
    }
    for (const TClosingFinding &finding : findings)
        out() << finding.text << '\n';
    for (const TClosingFinding &finding : witnessed)
        out() << finding.text << '\n';
    for (const TReconciliationFinding &finding : reconciliation)
        out() << finding.text << '\n';
    const qsizetype count = findings.size() + reconciliation.size() + witnessed.size();
    const QString scope = day.isValid() ? day.toString(Qt::ISODate) : TCli::tr("all days");
    if (count == 0)
        out() << TCli::tr("%1 closing(s) of %2 verified: everything holds")
                         .arg(closings)
                         .arg(scope);
    else
        out() << TCli::tr("%1 closing(s) of %2 verified: %3 finding(s)")
                         .arg(closings)
                         .arg(scope)
                         .arg(count);
    if (legacy > 0)
        out() << TCli::tr(" (%1 made before closing records were kept: Z continuity only)")
                         .arg(legacy);
    if (args.isSet(QStringLiteral("db")))
        out() << TCli::tr("; the chain database holds %1 record(s) of this outlet").arg(compared);
    out() << Qt::endl;
    return count == 0 ? ExitOk : ExitFailure;
}

} // namespace

TCommand verifyCommand()
{
    TCommand command;
    command.name = QStringLiteral("verify");
    command.summary
            = TCli::tr("check the closed days against their closing records, and reconcile them");
    command.description = TCli::tr(
            "Checks the closings of the installation against the records they left beside each "
            "day's turnover.z (closing-<Z>.json): every bill file a closing moved must still "
            "have the SHA-256 its record holds, no bill file may have been added to a closed "
            "day, the day summary must be the one the day's last closing left, every record "
            "must match its seal and be the one the next record was chained to, every Z "
            "counter value from the first journalled one up to the counter must be in exactly "
            "one journal line, and every journal line made since records are kept must have "
            "its record. Closings made before records were kept are checked for Z continuity "
            "only.\n\n"
            "Then every closed day is reconciled: the totals of its closing records, the tables "
            "of its day summary and the bills of its day directory, each added up, must agree "
            "per payment form (number and amount of the payments), per VAT rate (gross and "
            "net) and in the bill total; each figure that does not is a finding naming the "
            "day and every amount. A day without records (closed before they were kept) or "
            "without a day summary is reconciled on the sides it has.\n\n"
            "The newest record is noted a second time in var/closing.anchor (its Z, day and "
            "SHA-256, and the first Z with a record): a missing anchor, a newest record that "
            "is not the one it names, and a journal line without its record from that first Z "
            "on are findings, as are a journal line whose count of moved bills differs from its "
            "record and a day summary a whole-day closing sealed that is gone. With --db the "
            "records are also compared with the ones the chain database received: someone "
            "who can write the installation's files can rewrite its records and anchor "
            "together, but not what the database received.\n\n"
            "Each finding is printed on a line of its own, then a summary line. Nothing is "
            "written. Without --day all days are checked (--all says so explicitly).");
    command.options = {
            dataOption(),
            {{QStringLiteral("day")},
             QStringLiteral("yyyy-MM-dd"),
             TCli::tr("Check only the closings of this day (and the Z gaps before them)."),
             false},
            {{QStringLiteral("all")},
             QString(),
             TCli::tr("Check every closed day (the default)."),
             false},
            {{QStringLiteral("db")},
             QStringLiteral("URL"),
             TCli::tr("Compare the closing records with those this outlet (officeid of "
                      "usr/data/settings.dat) sent to the chain database at URL, which keeps "
                      "each record as it was sent: a record changed, resealed or gone after it "
                      "was sent is a finding."),
             false},
            chainPasswordFileOption(),
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("everything holds")},
            {ExitFailure,
             TCli::tr("findings: bills changed, missing or added, records changed or "
                      "unreadable, broken links, Z gaps, journal lines without a record, an "
                      "anchor that does not hold, figures that do not reconcile, records the "
                      "chain database holds otherwise; or the chain database cannot be asked")},
            {ExitUsage,
             TCli::tr("wrong arguments: an unknown option, a bad date, --day with --all, "
                      "no such directory")},
    };
    command.run = runVerify;
    return command;
}
