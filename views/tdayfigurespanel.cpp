#include "tdayfigurespanel.h"

#include "tcomparisontext.h"
#include "tcurrencies.h"
#include "tfigures.h"
#include "tinstallation.h"
#include "tlocaltext.h"
#include "toffworkspace.h"
#include "tpricetext.h"
#include "tworkspacelists.h"

#include <QCommandLinkButton>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using namespace PosLib;

namespace {

// The business days the open figures belong to: from the day after the
// last closing (what the next closing closes) to the business day of the
// clock; without a closing, the clock's business day.
std::pair<QDate, QDate> openDays(const QString &root, const QDate &lastClosing)
{
    const QDate clock = businessDay(root, QDateTime::currentDateTime());
    const QDate first = lastClosing.isValid() ? lastClosing.addDays(1) : clock;
    return {first, std::max(first, clock)};
}

} // namespace

TDayFiguresPanel::TDayFiguresPanel(TOffWorkspace *workspace, QWidget *parent)
    : QFrame(parent)
    , m_workspace(workspace)
{
    setObjectName(QStringLiteral("dayFigures"));
    setFrameShape(QFrame::StyledPanel);
    setMinimumWidth(240);
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    QFont big = m_title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_title->setFont(big);
    layout->addWidget(m_title);
    m_day = new QLabel(this);
    layout->addWidget(m_day);
    for (int f = 0; f < FigureCount; ++f) {
        auto *button = new QCommandLinkButton(this);
        button->setObjectName(QStringLiteral("figure%1").arg(f));
        connect(button, &QCommandLinkButton::clicked, this,
                [this, f] { emit figureActivated(Figure(f)); });
        layout->addWidget(button);
        m_buttons[f] = button;
    }
    layout->addStretch(1);

    auto *refreshKey = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(refreshKey, &QShortcut::activated, this, &TDayFiguresPanel::refresh);
    if (m_workspace)
        connect(m_workspace, &TOffWorkspace::pathChanged, this, &TDayFiguresPanel::refresh);
    if (m_workspace)
        connect(m_workspace, &TOffWorkspace::dayClosed, this, &TDayFiguresPanel::refresh);
    refresh();
}

TDayFiguresPanel::~TDayFiguresPanel() = default;

QString TDayFiguresPanel::money(long cents) const
{
    const TCurrencies *currencies = m_workspace ? static_cast<const TCurrencies *>(
                                            m_workspace->lists()->get(QStringLiteral("currencies")))
                                                : nullptr;
    return moneyText(currencies, cents);
}

void TDayFiguresPanel::refresh()
{
    if (m_workspace)
        m_figures = dayFigures(m_workspace->lists(), m_workspace->getPath(), QDateTime(), true);
    retranslate();
    emit refreshed();
}

void TDayFiguresPanel::retranslate()
{
    const QLocale locale;
    const TDayFigures &f = m_figures;
    // headed with the business day the figures are of, which the next
    // closing closes: not the clock's date
    const auto [first, last] = m_workspace ? openDays(m_workspace->getPath(), f.lastClosing)
                                           : std::pair<QDate, QDate>();
    const QDate clock = m_workspace
                                ? businessDay(m_workspace->getPath(), QDateTime::currentDateTime())
                                : QDate();
    m_title->setText(first == clock && last == clock ? tr("Today") : tr("Open business day"));
    m_day->setText(first == last
                           ? Basics::longDateText(first)
                           : tr("%1 to %2").arg(Basics::dateText(first), Basics::dateText(last)));
    m_day->setToolTip(
            first == last
                    ? tr("The business day not yet closed: the next closing closes it. F5 reads "
                         "the figures again.")
                    : tr("No closing since %1: the figures are those of every day since. F5 "
                         "reads the figures again.")
                              .arg(Basics::dateText(f.lastClosing)));

    struct Text
    {
        QString value;
        QString caption;
        QString tip;
    };
    const QString allAmount = figureCaption(TFigure::AllAmount);
    const Text texts[FigureCount] = {
            {money(f.allAmount),
             f.paidTables == 1 ? tr("Takings so far: %1 (1 paid table)").arg(allAmount)
                               : tr("Takings so far: %1 (%2 paid tables)")
                                         .arg(allAmount, locale.toString(qlonglong(f.paidTables))),
             tr("\"%1\": what the paid tables took in, without tips, vouchers sold and tables "
                "not in summary; the Z report's reconciliation ends on it. Opens the report of "
                "all waiters")
                     .arg(allAmount)},
            {locale.toString(qlonglong(f.guests)), figureCaption(TFigure::Guests),
             tr("The guests of the paid tables in summary: opens the report of all waiters")},
            {tr("%1 - %2").arg(locale.toString(qlonglong(f.openTables)), money(f.openAmount)),
             tr("%1 and %2")
                     .arg(figureCaption(TFigure::OpenTables),
                          figureCaption(TFigure::OpenTablesAmount)),
             tr("The tables still open: opens the list of open tables")},
            {money(f.averageBill()), tr("%1 per paid table").arg(allAmount),
             tr("The takings per paid table (a bill paid in parts counts once per part): opens "
                "the table report")},
            {tr("%1 - %2").arg(locale.toString(qlonglong(f.voids)), money(f.voidAmount)),
             tr("%1 and %2").arg(figureCaption(TFigure::Voids), figureCaption(TFigure::VoidAmount)),
             tr("Voided orders: opens the report of all voids")},
            {f.lastClosing.isValid()
                     ? tr("%1 - Z %2").arg(Basics::dateText(f.lastClosing)).arg(f.lastZ)
                     : tr("none"),
             tr("Last closing"),
             tr("The last day closed and its Z number: opens the range "
                "statistics")},
    };
    // the same weekday a week before, up to the same time of day
    const TDayFigures::LastWeek &w = f.lastWeek;
    QString against[FigureCount];
    if (w.read) {
        const QString when = w.until.isValid()
                                     ? tr("%1 until %2")
                                               .arg(locale.toString(w.day, QLocale::ShortFormat),
                                                    locale.toString(w.until, QLocale::ShortFormat))
                                     : locale.toString(w.day, QLocale::ShortFormat);
        auto line = [&](const QString &value, double now, double then) {
            const QString percent = TComparisonText::percentText(now, then);
            return percent.isEmpty() ? tr("Last week (%1): %2").arg(when, value)
                                     : tr("Last week (%1): %2, %3").arg(when, value, percent);
        };
        against[Takings] = line(money(w.allAmount), f.allAmount, w.allAmount);
        against[Covers] = line(locale.toString(qlonglong(w.guests)), f.guests, w.guests);
        against[AverageBill] = line(money(w.averageBill()), f.averageBill(), w.averageBill());
        against[Voids] = line(tr("%1 - %2").arg(locale.toString(qlonglong(w.voids)),
                                                money(w.voidAmount)),
                              f.voidAmount, w.voidAmount);
    }
    for (int i = 0; i < FigureCount; ++i) {
        m_buttons[i]->setText(texts[i].value);
        m_buttons[i]->setDescription(against[i].isEmpty()
                                             ? texts[i].caption
                                             : texts[i].caption + QLatin1Char('\n') + against[i]);
        m_buttons[i]->setToolTip(texts[i].tip);
        m_buttons[i]->setAccessibleName(texts[i].caption + QStringLiteral(": ") + texts[i].value);
    }
}
