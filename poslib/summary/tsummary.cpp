// The summary writer: its options, the primitives every line is made of
// and the header.
//
// Choices made where the layout of a line is not fixed elsewhere:
// - Section titles are the caption itself (not cut or dot-filled), underlined
//   with '=' of the same length: "In summary" over "==========".
// - The header's time is "hh:mm". A report whose groups give no line at all
//   is empty (no header), so the caller can say that there is no data.

#include "tsummary.h"

#include "tcounter.h"
#include "tcurrencies.h"
#include "tdir.h"
#include "terror.h"
#include "tinifile.h"
#include "tinstallation.h"
#include "tmasterlist.h"
#include "trepdata.h"
#include "treport.h"
#include "tsettings.h"
#include "tsumfilter.h"
#include "tsummarytext.h"
#include "tvalue.h"

#include <QLocale>

#include <algorithm>

using namespace Basics;

namespace PosLib {

using namespace SummaryText;

namespace {

const QString Settings = QStringLiteral("Settings");
const QString Reports = QStringLiteral("reports");
const QString NoPrint = QStringLiteral("NoPrint");

QStringList dateArgs(const QDate &date)
{
    return {QLocale().dayName(date.dayOfWeek(), QLocale::LongFormat), num(date.day()),
            num(date.month()), num(date.year())};
}

} // namespace

TSummary::TSummary(TReport *report, TCurrencies *currencies, TValueList *waiters,
                   const QString &dataPath, QObject *parent)
    : QObject(parent)
    , m_report(report)
    , m_currencies(currencies)
    , m_waiters(waiters)
    , m_dataPath(normalizeDir(dataPath, false))
{
    try {
        m_ini = std::make_unique<TInifile>(reportsIniPath(m_dataPath));
    } catch (const TError &) {
        m_ini.reset(); // an unreadable file gives the defaults
    }
    if (m_ini) {
        m_fillTo
                = int(std::max<qint64>(10, m_ini->readInt(Settings, QStringLiteral("fillto"), 25)));
        m_pageWidth = int(m_ini->readInt(Settings, QStringLiteral("pagewidth"), 40));
        m_masterOwnTabs = m_ini->readBool(Settings, QStringLiteral("MasterOwnTabs"), true);
        m_useShortText = m_ini->readBool(Settings, QStringLiteral("useshorttext"), false);
        m_noCurrency = m_ini->readBool(Settings, QStringLiteral("nocurrency"), false);
        m_showPercent = m_ini->readBool(Settings, QStringLiteral("showpercent"), true);
        m_gastroDay = int(m_ini->readInt(Settings, QStringLiteral("gastroday"), 500));
        m_debug = m_ini->readBool(Reports, QStringLiteral("debug"), false);
        m_shortForm = m_ini->readBool(Reports, QStringLiteral("shortform"), false);
    }
    m_settings = std::make_unique<TSettings>();
    // no file: no installation name then; a damaged one throws naming it
    loadMasterList(*m_settings, m_dataPath);
}

TSummary::~TSummary() = default;

void TSummary::setRange(const QDate &from, const QDate &to)
{
    m_from = from;
    m_to = to;
}

// ---- options and primitives -------------------------------------------------

QString TSummary::caption(const QString &key, const QString &defaultText) const
{
    return m_ini ? m_ini->readString(Reports, key, defaultText) : defaultText;
}

QString TSummary::caption(const QString &key, const QString &defaultText,
                          const QStringList &args) const
{
    return fill(caption(key, defaultText), args);
}

QString TSummary::rangeText(const QDate &from, const QDate &to) const
{
    QString text
            = fill(caption(QStringLiteral("headerfrom"), Text::tr("%1, %2.%3.%4")), dateArgs(from));
    if (to.isValid())
        text += fill(caption(QStringLiteral("headerto"), Text::tr(" - %1, %2.%3.%4")),
                     dateArgs(to));
    return text;
}

bool TSummary::isPrinted(const QString &key) const
{
    return !(m_ini && m_ini->readBool(NoPrint, QStringLiteral("no") + key, false));
}

QDateTime TSummary::clock() const
{
    return m_now.isValid() ? m_now : QDateTime::currentDateTime();
}

QString TSummary::installationName() const
{
    return m_settings->installationName();
}

QDate TSummary::businessDate() const
{
    // "gastroday" 500 at 04:59 is still yesterday; 2400 and more go back
    // whole days
    const QDateTime now = clock();
    const int value = std::max(0, m_gastroDay);
    QDate day = now.date().addDays(-(value / 2400));
    const int rest = value % 2400;
    const QTime start(rest / 100 % 24, rest % 100 % 60);
    if (now.time() < start)
        day = day.addDays(-1);
    return day;
}

QString TSummary::amountText(qint64 cents, const TCurrency *currency) const
{
    if (!m_currencies)
        return num(cents);
    return m_currencies->format(long(cents), currency, false, false);
}

QString TSummary::currencyText(const TCurrency *currency) const
{
    if (m_noCurrency || !m_currencies)
        return QString();
    if (!currency)
        currency = m_currencies->systemCurrency();
    return currency ? currency->shortname().left(3) : QString();
}

QString TSummary::countLine(const QString &caption, qint64 count) const
{
    return caption.left(m_fillTo).leftJustified(m_fillTo, QLatin1Char('.')) + QStringLiteral(": ")
           + num(count);
}

QString TSummary::amountLine(const QString &caption, qint64 cents) const
{
    return caption.left(m_fillTo).leftJustified(m_fillTo, QLatin1Char('.'))
           + QStringLiteral(": %1 %2").arg(amountText(cents), currencyText());
}

QString TSummary::itemLine(const QString &text, qint64 cents) const
{
    return text.leftJustified(m_fillTo) + QStringLiteral("  ") + amountText(cents).rightJustified(8)
           + QLatin1Char(' ') + currencyText().leftJustified(3);
}

QStringList TSummary::sectionTitle(const QString &caption) const
{
    return {caption, QString(caption.size(), QLatin1Char('='))};
}

long TSummary::zCounter(const QDate &day) const
{
    try {
        TCounter counter(statistDayDir(day, m_dataPath), QStringLiteral("zcount.dat"));
        return counter.get(QStringLiteral("z"));
    } catch (const TError &) {
        return 0; // an unreadable counter shows as 0 rather than a made-up number
    }
}

// ---- header ---------------------------------------------------------------

QStringList TSummary::headerLines(const QString &title) const
{
    return headerLines(title, m_from, m_to);
}

QStringList TSummary::headerLines(const QString &title, const QDate &from, const QDate &to) const
{
    QStringList lines;
    const QString name = m_settings->installationName();
    if (!name.isEmpty())
        lines << fill(caption(QStringLiteral("installationname"), Text::tr("Summary for: %1")),
                      {name});
    lines << title;

    const QDateTime now = clock();
    const QDate business = businessDate();
    if (from.isValid()) {
        QString line;
        if (m_fiscal && !to.isValid())
            line = fill(
                    caption(QStringLiteral("headerfiscal"), Text::tr("Fiscal Summary %1 from ")),
                    {num(zCounter(from))});
        else
            line = caption(QStringLiteral("headerhistory"), Text::tr("History Summary from "));
        line += QLatin1Char(' ')
                + fill(caption(QStringLiteral("headerfrom"), Text::tr("%1, %2.%3.%4")),
                       dateArgs(from));
        if (to.isValid())
            line += fill(caption(QStringLiteral("headerto"), Text::tr(" - %1, %2.%3.%4")),
                         dateArgs(to));
        lines << line;
    } else if (m_turnover != 0) {
        if (isPrinted(QStringLiteral("headerturn")))
            lines << fill(caption(QStringLiteral("headerturn"),
                                  Text::tr("Day turnover %1 from %2, %3.%4.%5")),
                          QStringList(num(m_turnover)) + dateArgs(business));
    } else if (isPrinted(QStringLiteral("headeractual"))) {
        lines << fill(caption(QStringLiteral("headeractual"),
                              Text::tr("Actual Shift Summary from %1, %2.%3.%4")),
                      dateArgs(business));
    }
    if (isPrinted(QStringLiteral("header")))
        lines << fill(caption(QStringLiteral("header"), Text::tr("Printed %1, %2.%3.%4 at %5")),
                      dateArgs(now.date()) << now.time().toString(QStringLiteral("hh:mm")));
    if (m_headerWaiter)
        lines << fill(caption(QStringLiteral("header2"), Text::tr("From waiter %1")),
                      {m_headerWaiter->name()});
    if (m_report && m_report->filter())
        lines << fill(caption(QStringLiteral("headerfilter"), Text::tr("Using filter %1")),
                      {m_report->filter()->name()});
    if (m_report && !m_report->outletName().isEmpty())
        lines << fill(caption(QStringLiteral("headeroutlet"), Text::tr("On outlet %1")),
                      {m_report->outletName()});
    lines << QString();
    return lines;
}

} // namespace PosLib
