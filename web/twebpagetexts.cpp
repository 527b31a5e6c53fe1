#include "twebpagetexts.h"

#include <QCoreApplication>

namespace WebLib {

const QList<TWebPageText> &webPageTexts()
{
    // the figures are worded as the back office's "Today" panel words them
    static const QList<TWebPageText> texts {
            {"title", QT_TRANSLATE_NOOP("TWebTexts", "Veltrum")},
            {"navToday", QT_TRANSLATE_NOOP("TWebTexts", "Today")},
            {"navReports", QT_TRANSLATE_NOOP("TWebTexts", "Reports")},
            {"navClosings", QT_TRANSLATE_NOOP("TWebTexts", "Closings")},
            {"navChain", QT_TRANSLATE_NOOP("TWebTexts", "Chain")},
            {"logout", QT_TRANSLATE_NOOP("TWebTexts", "Log out")},
            {"loginTitle", QT_TRANSLATE_NOOP("TWebTexts", "Log in")},
            {"userLabel", QT_TRANSLATE_NOOP("TWebTexts", "User name")},
            {"passwordLabel", QT_TRANSLATE_NOOP("TWebTexts", "Password")},
            {"logIn", QT_TRANSLATE_NOOP("TWebTexts", "Log in")},
            {"todayTitle", QT_TRANSLATE_NOOP("TWebTexts", "Today")},
            {"asOf", QT_TRANSLATE_NOOP("TWebTexts", "As of")},
            {"refreshNote", QT_TRANSLATE_NOOP("TWebTexts", "(read again every 30 seconds)")},
            // %1: the name of the figure ("All amount"), as the summary words it
            {"takingsOne", QT_TRANSLATE_NOOP("TWebTexts", "Takings so far: %1 (1 paid table)")},
            {"takingsMany", QT_TRANSLATE_NOOP("TWebTexts", "Takings so far: %1 (%2 paid tables)")},
            {"countAndAmount", QT_TRANSLATE_NOOP("TWebTexts", "%1 - %2")},
            {"twoFigures", QT_TRANSLATE_NOOP("TWebTexts", "%1 and %2")},
            {"perPaidTable", QT_TRANSLATE_NOOP("TWebTexts", "%1 per paid table")},
            {"lastClosing", QT_TRANSLATE_NOOP("TWebTexts", "Last closing")},
            {"closingText", QT_TRANSLATE_NOOP("TWebTexts", "%1 - Z %2")},
            {"none", QT_TRANSLATE_NOOP("TWebTexts", "none")},
            {"exceptionsTitle", QT_TRANSLATE_NOOP("TWebTexts", "Exceptions")},
            {"comparisonTitle", QT_TRANSLATE_NOOP("TWebTexts", "Compared")},
            {"openTablesTitle", QT_TRANSLATE_NOOP("TWebTexts", "Open tables")},
            {"noOpenTables", QT_TRANSLATE_NOOP("TWebTexts", "No table is open.")},
            {"openSummary", QT_TRANSLATE_NOOP("TWebTexts", "%1 tables, together %2")},
            {"tableText", QT_TRANSLATE_NOOP("TWebTexts", "Table %1/%2")},
            {"held", QT_TRANSLATE_NOOP("TWebTexts", "held by a terminal")},
            {"waiterText", QT_TRANSLATE_NOOP("TWebTexts", "Waiter %1")},
            {"reportsTitle", QT_TRANSLATE_NOOP("TWebTexts", "Reports")},
            {"kindLabel", QT_TRANSLATE_NOOP("TWebTexts", "Report")},
            {"fromLabel", QT_TRANSLATE_NOOP("TWebTexts", "From")},
            {"toLabel", QT_TRANSLATE_NOOP("TWebTexts", "To")},
            {"show", QT_TRANSLATE_NOOP("TWebTexts", "Show")},
            {"rangeHint",
             QT_TRANSLATE_NOOP("TWebTexts", "Without a first day: the current day, not yet "
                                            "closed. With one: the closed days from it to the "
                                            "last day (or that day alone).")},
            {"summaries", QT_TRANSLATE_NOOP("TWebTexts", "Summaries")},
            {"journals", QT_TRANSLATE_NOOP("TWebTexts", "Journals")},
            {"batches", QT_TRANSLATE_NOOP("TWebTexts", "Batches")},
            {"download", QT_TRANSLATE_NOOP("TWebTexts", "Download:")},
            {"pdf", QT_TRANSLATE_NOOP("TWebTexts", "PDF")},
            {"csv", QT_TRANSLATE_NOOP("TWebTexts", "CSV")},
            {"json", QT_TRANSLATE_NOOP("TWebTexts", "JSON")},
            {"chartOf", QT_TRANSLATE_NOOP("TWebTexts", "Chart of the %1")},
            {"closingsTitle", QT_TRANSLATE_NOOP("TWebTexts", "Closings")},
            {"zColumn", QT_TRANSLATE_NOOP("TWebTexts", "Z")},
            {"dayColumn", QT_TRANSLATE_NOOP("TWebTexts", "Day")},
            {"kindColumn", QT_TRANSLATE_NOOP("TWebTexts", "Closing")},
            {"billsColumn", QT_TRANSLATE_NOOP("TWebTexts", "Bills")},
            {"amountColumn", QT_TRANSLATE_NOOP("TWebTexts", "Amount")},
            {"verifiedColumn", QT_TRANSLATE_NOOP("TWebTexts", "Verified")},
            {"verifiedYes", QT_TRANSLATE_NOOP("TWebTexts", "yes")},
            {"verifiedNo", QT_TRANSLATE_NOOP("TWebTexts", "no")},
            {"verifiedNoRecord", QT_TRANSLATE_NOOP("TWebTexts", "no record")},
            {"wholeDay", QT_TRANSLATE_NOOP("TWebTexts", "whole day")},
            {"noClosings", QT_TRANSLATE_NOOP("TWebTexts", "No closings in this range.")},
            {"chainTitle", QT_TRANSLATE_NOOP("TWebTexts", "Chain")},
            {"perOutlet", QT_TRANSLATE_NOOP("TWebTexts", "One report per outlet")},
            {"readOnlyNote",
             QT_TRANSLATE_NOOP("TWebTexts", "Read-only: this page changes nothing in the "
                                            "installation.")},
    };
    return texts;
}

} // namespace WebLib
