#include "tdayfigurespanel.h"

#include "tcurrencies.h"
#include "tfigures.h"
#include "tinstallation.h"
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

using namespace PosLib;

namespace {

// The business day now: before the start of the gastronomic day it is
// still the day before.
QDate businessDay(const QString &root)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QTime start = dayOffset(QDir(root).filePath(QStringLiteral("etc/globals.ini")));
    return now.time() < start ? now.date().addDays(-1) : now.date();
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
        m_figures = dayFigures(m_workspace->lists(), m_workspace->getPath());
    retranslate();
    emit refreshed();
}

void TDayFiguresPanel::retranslate()
{
    const QLocale locale;
    const TDayFigures &f = m_figures;
    m_title->setText(tr("Today"));
    m_day->setText(
            m_workspace ? locale.toString(businessDay(m_workspace->getPath()), QLocale::LongFormat)
                        : QString());
    m_day->setToolTip(tr("The current business day, not yet closed. F5 reads the figures again."));

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
                     ? tr("%1 - Z %2")
                               .arg(locale.toString(f.lastClosing, QLocale::ShortFormat))
                               .arg(f.lastZ)
                     : tr("none"),
             tr("Last closing"),
             tr("The last day closed and its Z number: opens the range "
                "statistics")},
    };
    for (int i = 0; i < FigureCount; ++i) {
        m_buttons[i]->setText(texts[i].value);
        m_buttons[i]->setDescription(texts[i].caption);
        m_buttons[i]->setToolTip(texts[i].tip);
        m_buttons[i]->setAccessibleName(texts[i].caption + QStringLiteral(": ") + texts[i].value);
    }
}
