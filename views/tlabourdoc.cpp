#include "tlabourdoc.h"

#include "tcurrencies.h"
#include "tdatepicker.h"
#include "tlabourchart.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "treportchart.h"
#include "ttextchartsprint.h"
#include "tworkspacelists.h"
#include "txlsxworkbook.h"

#include <QBrush>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPrinter>
#include <QSplitter>
#include <QToolButton>
#include <QtCharts/QChart>

using namespace PosLib;

TLabourDoc::TLabourDoc(TOffWindow *window)
    : TRangeChartDoc(QStringLiteral("labour"), window)
{
    setHelpTopic(QStringLiteral("labour"));
}

TLabourDoc::~TLabourDoc() = default;

QString TLabourDoc::caption() const
{
    return tr("Sales per labour hour");
}

QStringList TLabourDoc::columns() const
{
    return {tr("Waiter / hour"), tr("Hours worked"),    tr("Sales"),       tr("Sales per hour"),
            tr("Covers"),        tr("Covers per hour"), tr("Labour cost"), tr("Share of sales")};
}

void TLabourDoc::onStart()
{
    TOffWorkspace *ws = workspace();
    if (!ws)
        return;
    takeRange();
    QProgressBar *bar = startProgressBar(1);
    TLabourReport report;
    QString error;
    const bool read = report.read(ws->lists(), ws->getPath(), m_from, m_to,
                                  m_now.isValid() ? m_now : QDateTime::currentDateTime(), &error);
    endProgressBar(bar);
    // a run that failed leaves nothing of the one before on view
    m_report = read ? report : TLabourReport();
    m_error = read ? QString() : error;
    m_ran = read;
    fill();
    TOffDataDoc::onSelection();
}

void TLabourDoc::setRow(QTreeWidgetItem *item, const QString &name, const TLabourLine &line,
                        bool covers) const
{
    const QLocale locale;
    item->setText(NameColumn, name);
    item->setText(HoursColumn, TLabourReport::hoursText(line.seconds));
    item->setText(SalesColumn, formatPrice(long(line.sales)));
    qint64 perHour = 0;
    if (line.salesPerHour(&perHour))
        item->setText(SalesPerHourColumn, formatPrice(long(perHour)));
    double coversPerHour = 0;
    if (covers && line.covers >= 0) {
        item->setText(CoversColumn, locale.toString(line.covers));
        if (line.coversPerHour(&coversPerHour))
            item->setText(CoversPerHourColumn, locale.toString(coversPerHour, 'f', 2));
    }
    double share = 0;
    if (m_report.withWages && line.withCost) {
        item->setText(CostColumn, formatPrice(long(line.cost)));
        if (line.costShare(&share))
            item->setText(ShareColumn, locale.toString(share, 'f', 1) + QStringLiteral(" %"));
    }
    for (int c = HoursColumn; c < ColumnCount; ++c)
        item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
}

void TLabourDoc::fill()
{
    TOffListView *list = listView();
    if (!list)
        return;
    list->clear();
    if (!m_error.isEmpty()) {
        // what could not be read, where the figures would stand
        auto *item = new QTreeWidgetItem(list);
        item->setText(NameColumn, tr("The labour figures cannot be made: %1").arg(m_error));
        item->setForeground(NameColumn, QBrush(Qt::darkRed));
        item->setFirstColumnSpanned(true);
    }
    if (m_ran) {
        auto *waiters = new QTreeWidgetItem(list);
        waiters->setText(NameColumn, tr("Waiters"));
        for (const TLabourLine &line : m_report.waiters) {
            QString name = QStringLiteral("%1 %2").arg(line.number).arg(line.name).trimmed();
            auto *item = new QTreeWidgetItem(waiters);
            // a waiter who worked without a wage is left out of the costs
            if (m_report.withWages && !line.withCost && line.seconds > 0)
                item->setToolTip(CostColumn, tr("No wage in etc/wages.ini"));
            setRow(item, name, line, true);
        }
        auto *hours = new QTreeWidgetItem(list);
        hours->setText(NameColumn, tr("Hours of the clock"));
        for (const TLabourLine &line : m_report.hours)
            setRow(new QTreeWidgetItem(hours), line.name, line, false);
        auto *total = new QTreeWidgetItem(list);
        setRow(total, tr("Total"), m_report.total, true);
        for (QTreeWidgetItem *top : {waiters, hours, total}) {
            QFont bold = top->font(NameColumn);
            bold.setBold(true);
            top->setFont(NameColumn, bold);
            top->setExpanded(true);
        }
    }
    // without wages there is no cost to show
    list->setColumnHidden(CostColumn, !m_report.withWages);
    list->setColumnHidden(ShareColumn, !m_report.withWages);
    for (int c = 0; c < list->columnCount(); ++c)
        list->resizeColumnToContents(c);
    fillChart();
}

void TLabourDoc::fillChart()
{
    if (!m_chartView)
        return;
    QChart *old = m_chartView->chart();
    if (m_ran)
        m_chartView->setChart(reportChart(labourChartPage(m_report), currencies()));
    else
        m_chartView->setChart(new QChart);
    delete old;
}

void TLabourDoc::onSelection()
{
    addRangeTools();

    QToolButton *start = addToolButton(QStringLiteral("REFRESH"), Qt::Key_F5,
                                       tr("Put the hours worked beside the sales (<b>F5</b>)"));
    connect(start, &QToolButton::clicked, this, &TLabourDoc::onStart);
    QToolButton *pdf = addToolButton(QStringLiteral("PDF"), Qt::CTRL | Qt::Key_S,
                                     tr("Save the labour figures as PDF (<b>Ctrl+S</b>)"));
    connect(pdf, &QToolButton::clicked, this, &TLabourDoc::onPdf);
    addToolStretch();
    TOffDataDoc::onSelection();
}

QString TLabourDoc::getInformation() const
{
    if (!m_error.isEmpty())
        return tr("The labour figures cannot be made: %1").arg(m_error);
    if (!m_ran)
        return tr("Press F5 to put the hours worked beside the sales");
    QString text = tr("%1 hours worked, %2 per hour")
                           .arg(TLabourReport::hoursText(m_report.total.seconds));
    qint64 perHour = 0;
    text = text.arg(m_report.total.salesPerHour(&perHour) ? formatPrice(long(perHour))
                                                          : QStringLiteral("-"));
    if (!m_report.withoutWage.isEmpty()) {
        QStringList numbers;
        for (int waiter : m_report.withoutWage)
            numbers << QString::number(waiter);
        text += QStringLiteral("; ")
                + tr("no wage for waiter %1").arg(numbers.join(QStringLiteral(", ")));
    }
    return text;
}

QStringList TLabourDoc::lines() const
{
    return m_report.lines(currencies());
}

bool TLabourDoc::print(QPrinter *printer)
{
    if (!m_ran)
        return false;
    printTextAndCharts(printer, lines(), {labourChartPage(m_report)}, currencies());
    return true;
}

bool TLabourDoc::savePdf(const QString &fileName) const
{
    if (!m_ran)
        return false;
    return saveTextAndChartsPdf(fileName, printTitle(), lines(), {labourChartPage(m_report)},
                                currencies());
}

bool TLabourDoc::exportWorkbook(const QString &fileName, QString *error)
{
    if (!m_ran)
        return TRangeChartDoc::exportWorkbook(fileName, error);
    return TXlsxWorkbook::write(
            fileName, TXlsxWorkbook::sheets(m_report.csvRows(), caption(), labourXlsxLayout()),
            TXlsxCurrency::of(currencies()), error);
}

void TLabourDoc::onPdf()
{
    if (m_ran)
        saveAsPdf(tr("Save labour figures"));
}

QString TLabourDoc::runDays(QString (*date)(const QDate &)) const
{
    if (!m_ran || !m_report.from.isValid())
        return QString();
    return rangeText(m_report.from, m_report.to, date);
}

void TLabourDoc::languageChange()
{
    TOffDataDoc::languageChange();
    fill();
}
