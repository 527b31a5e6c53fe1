#include "texceptionsdoc.h"

#include "tcurrencies.h"
#include "tdatepicker.h"
#include "terror.h"
#include "texceptionschart.h"
#include "texceptionsoutput.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tpaidtablesjournal.h"
#include "treportchart.h"
#include "ttable.h"
#include "ttableentry.h"
#include "ttextchartsprint.h"
#include "tworkspacelists.h"
#include "txlsxworkbook.h"

#include <QBrush>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

using namespace PosLib;

namespace {

// The columns before the kinds': the group, its bills and its takings.
constexpr int KindColumn = 3;
// What a row stands for: its side and group number (the team: -1, the
// median: -2), in the first column's data.
constexpr int SideRole = Qt::UserRole;
constexpr int NumberRole = Qt::UserRole + 1;
constexpr int OutletRole = Qt::UserRole + 2;
constexpr int TeamRow = -1;
constexpr int MedianRow = -2;

// A flagged figure: light orange behind dark text (contrast above 7:1),
// bold and marked "!", so it reads without its colour too.
const QColor FlaggedBackground(0xFF, 0xDD, 0xBB);

QString rateText(double rate)
{
    return rate < 0 ? QString() : QLocale().toString(rate, 'f', 1);
}

QString shortDate(const QDate &day)
{
    return QLocale().toString(day, QLocale::ShortFormat);
}

// The days of a run, each written by `date`: one day alone, else "from - to".
QString periodOf(const TExceptionsResult &r, QString (*date)(const QDate &) = &shortDate)
{
    return r.isCurrent() ? date(r.businessDay) : rangeText(r.from, r.to, date);
}

} // namespace

TExceptionsDoc::TExceptionsDoc(TOffWindow *window)
    : TRangeChartDoc(QStringLiteral("exceptions"), window)
{
    setHelpTopic(QStringLiteral("exceptions"));
}

TExceptionsDoc::~TExceptionsDoc()
{
    delete m_entriesDialog;
}

QString TExceptionsDoc::caption() const
{
    return tr("Exceptions");
}

QStringList TExceptionsDoc::columns() const
{
    QStringList titles {tr("Waiter / cost center"), tr("Bills"), tr("Takings")};
    for (TExceptionKind kind : allExceptionKinds())
        titles << exceptionCaption(kind);
    return titles;
}

int TExceptionsDoc::columnOf(TExceptionKind kind)
{
    return KindColumn + indexOf(kind);
}

void TExceptionsDoc::prepareList(TOffListView *list)
{
    TRangeChartDoc::prepareList(list);
    connect(list, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item, int column) { showEntries(item, column); });
}

void TExceptionsDoc::onStart()
{
    TOffWorkspace *ws = workspace();
    if (!ws)
        return;
    takeRange();
    TExceptionsRun run(ws->lists(), ws->getPath());
    TExceptionsRequest request;
    request.from = m_from;
    request.to = m_to;
    request.now = m_now;
    // the days of the range in the status line
    QProgressBar *bar = startProgressBar(m_from.isValid() ? int(m_from.daysTo(m_to)) + 1 : 1);
    connect(&run, &TExceptionsRun::sigDate, this, [this, bar](const QDate &day) {
        if (m_from.isValid())
            setProgress(bar, int(m_from.daysTo(day)) + 1);
    });
    m_result = run.run(request);
    endProgressBar(bar);
    m_ran = true;
    fill();
    TOffDataDoc::onSelection();
}

void TExceptionsDoc::fill()
{
    TOffListView *list = listView();
    if (!list)
        return;
    list->clear();
    if (!m_ran)
        return;
    for (TExceptionSide::Kind kind : {TExceptionSide::Waiters, TExceptionSide::Centers}) {
        const TExceptionSide &side = m_result.side(kind);
        auto *top = new QTreeWidgetItem(list);
        top->setText(0, kind == TExceptionSide::Waiters ? tr("Waiters") : tr("Cost centers"));
        QFont bold = top->font(0);
        bold.setBold(true);
        top->setFont(0, bold);
        top->setData(0, SideRole, int(kind));
        top->setData(0, NumberRole, TeamRow);

        auto row = [&](const TExceptionGroup &g, int number) {
            auto *item = new QTreeWidgetItem(top);
            item->setData(0, SideRole, int(kind));
            item->setData(0, NumberRole, number);
            item->setData(0, OutletRole, g.outlet);
            item->setText(0, number == TeamRow ? tr("Team") : groupTitle(kind, g));
            item->setText(1, QString::number(g.bills));
            item->setText(2, formatPrice(long(g.takings)));
            for (int c = 1; c < KindColumn; ++c)
                item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
            for (TExceptionKind k : allExceptionKinds()) {
                const TExceptionFigure &f = g.figure(k);
                const int c = columnOf(k);
                item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
                if (f.count == 0)
                    continue;
                item->setText(c, QStringLiteral("%1%2 (%3)")
                                         .arg(f.flagged ? QStringLiteral("! ") : QString())
                                         .arg(f.count)
                                         .arg(rateText(f.perBills)));
                QString tip
                        = tr("%1: %2 entries, %3; %4 per 100 bills, %5 % of the takings")
                                  .arg(exceptionCaption(k))
                                  .arg(f.count)
                                  .arg(formatPrice(long(f.amount())))
                                  .arg(rateText(f.perBills))
                                  .arg(f.perTakings < 0 ? QStringLiteral("-")
                                                        : QLocale().toString(f.perTakings, 'f', 2));
                if (f.flagged) {
                    tip += QStringLiteral("\n") + flagReason(side, g, k);
                    QFont font = item->font(c);
                    font.setBold(true);
                    item->setFont(c, font);
                    item->setBackground(c, FlaggedBackground);
                    item->setForeground(c, QBrush(Qt::black));
                }
                item->setToolTip(c, tip);
            }
            if (g.flagged()) {
                QFont font = item->font(0);
                font.setBold(true);
                item->setFont(0, font);
                item->setText(0, QStringLiteral("! ") + item->text(0));
                item->setToolTip(0, flagReasons(side, g).join(QLatin1Char('\n')));
            }
            return item;
        };
        row(side.total, TeamRow);
        auto *median = new QTreeWidgetItem(top);
        median->setText(0, tr("Team's median"));
        median->setData(0, SideRole, int(kind));
        median->setData(0, NumberRole, MedianRow);
        for (TExceptionKind k : allExceptionKinds()) {
            median->setText(columnOf(k), rateText(side.medianPerBills[indexOf(k)]));
            median->setTextAlignment(columnOf(k), Qt::AlignRight | Qt::AlignVCenter);
        }
        for (const TExceptionGroup &g : side.groups)
            row(g, g.number);
        top->setExpanded(true);
    }
    // the kinds nobody booked stay out of sight
    for (TExceptionKind k : allExceptionKinds())
        list->setColumnHidden(columnOf(k), m_result.waiters.total.figure(k).count == 0);
    for (int c = 0; c < list->columnCount(); ++c)
        list->resizeColumnToContents(c);
    fillChart();
}

QTreeWidgetItem *TExceptionsDoc::itemOf(TExceptionSide::Kind side, int number) const
{
    TOffListView *list = listView();
    if (!list)
        return nullptr;
    for (QTreeWidgetItem *item : list->allItems()) {
        if (item->parent() && item->data(0, SideRole).toInt() == int(side)
            && item->data(0, NumberRole).toInt() == number)
            return item;
    }
    return nullptr;
}

void TExceptionsDoc::setChartKind(TExceptionKind kind)
{
    m_chartKind = kind;
    if (m_chartBox) {
        const int index = m_chartBox->findData(indexOf(kind));
        if (index >= 0)
            m_chartBox->setCurrentIndex(index);
    }
    fillChart();
}

void TExceptionsDoc::fillChart()
{
    if (!m_chartView || !m_ran)
        return;
    const TCurrencies *currencies = this->currencies();
    const TChartPage page = exceptionsChartPage(m_result, TExceptionSide::Waiters, m_chartKind,
                                                periodOf(m_result));
    QChart *old = m_chartView->chart();
    m_chartView->setChart(reportChart(page, currencies));
    delete old;
}

void TExceptionsDoc::onSelection()
{
    addRangeTools();

    auto *chartLabel = new QLabel(tr("Chart:"));
    addTool(chartLabel);
    m_chartBox = new QComboBox;
    m_chartBox->setToolTip(tr("The kind whose rates the chart shows against the team's median"));
    for (TExceptionKind kind : allExceptionKinds())
        m_chartBox->addItem(exceptionCaption(kind), indexOf(kind));
    m_chartBox->setCurrentIndex(m_chartBox->findData(indexOf(m_chartKind)));
    chartLabel->setBuddy(m_chartBox);
    connect(m_chartBox, &QComboBox::activated, this, [this](int index) {
        setChartKind(TExceptionKind(m_chartBox->itemData(index).toInt()));
    });
    addTool(m_chartBox);

    QToolButton *start = addToolButton(QStringLiteral("REFRESH"), Qt::Key_F5,
                                       tr("Find the exceptions of the range (<b>F5</b>)"));
    connect(start, &QToolButton::clicked, this, &TExceptionsDoc::onStart);
    QToolButton *pdf = addToolButton(QStringLiteral("PDF"), Qt::CTRL | Qt::Key_S,
                                     tr("Save the exceptions as PDF (<b>Ctrl+S</b>)"));
    connect(pdf, &QToolButton::clicked, this, &TExceptionsDoc::onPdf);
    addToolStretch();
    TOffDataDoc::onSelection();
}

QString TExceptionsDoc::getInformation() const
{
    if (!m_ran)
        return tr("Press F5 to find the exceptions");
    const int flagged = int(m_result.waiters.flaggedGroups().size());
    if (flagged == 0)
        return tr("%1 waiters, none stands out").arg(m_result.waiters.groups.size());
    return tr("%1 waiters, %2 flagged").arg(m_result.waiters.groups.size()).arg(flagged);
}

QStringList TExceptionsDoc::lines() const
{
    return exceptionsLines(m_result, currencies());
}

void TExceptionsDoc::printOn(QPagedPaintDevice *device) const
{
    printTextAndCharts(device, lines(),
                       exceptionsChartPages(m_result, TExceptionSide::Waiters, periodOf(m_result)),
                       currencies());
}

bool TExceptionsDoc::print(QPrinter *printer)
{
    if (!m_ran)
        return false;
    printOn(printer);
    return true;
}

bool TExceptionsDoc::savePdf(const QString &fileName) const
{
    if (!m_ran)
        return false;
    return saveTextAndChartsPdf(
            fileName, printTitle(), lines(),
            exceptionsChartPages(m_result, TExceptionSide::Waiters, periodOf(m_result)),
            currencies());
}

bool TExceptionsDoc::exportWorkbook(const QString &fileName, QString *error)
{
    if (!m_ran)
        return TRangeChartDoc::exportWorkbook(fileName, error);
    return TXlsxWorkbook::write(
            fileName,
            TXlsxWorkbook::sheets(exceptionsCsv(m_result), caption(), exceptionsXlsxLayout()),
            TXlsxCurrency::of(currencies()), error);
}

void TExceptionsDoc::onPdf()
{
    if (m_ran)
        saveAsPdf(tr("Save exceptions"));
}

QString TExceptionsDoc::runDays(QString (*date)(const QDate &)) const
{
    return m_ran ? periodOf(m_result, date) : QString();
}

QDialog *TExceptionsDoc::showEntries(QTreeWidgetItem *item, int column)
{
    if (!item || !item->parent() || !m_ran)
        return nullptr;
    const auto side = TExceptionSide::Kind(item->data(0, SideRole).toInt());
    const int number = item->data(0, NumberRole).toInt();
    if (number == MedianRow)
        return nullptr;
    const int outlet = item->data(0, OutletRole).toInt();
    const bool oneKind = column >= KindColumn && column < KindColumn + ExceptionKindCount;
    const TExceptionKind kind = TExceptionKind(oneKind ? column - KindColumn : 0);
    m_listed.clear();
    if (number == TeamRow) {
        for (const TExceptionEntry &e : m_result.entries) {
            if (!oneKind || e.kind == kind)
                m_listed.push_back(&e);
        }
    } else {
        m_listed = m_result.entriesOf(side, outlet, number, oneKind ? &kind : nullptr);
    }

    if (!m_entriesDialog) {
        m_entriesDialog = new QDialog(window());
        m_entriesDialog->setObjectName(QStringLiteral("texceptionentriesdlg"));
        m_entriesDialog->resize(900, 560);
        auto *layout = new QVBoxLayout(m_entriesDialog);
        auto *split = new QSplitter(Qt::Vertical);
        m_entries = new QTreeWidget;
        m_entries->setRootIsDecorated(false);
        m_entries->setAlternatingRowColors(true);
        split->addWidget(m_entries);
        m_bill = new QPlainTextEdit;
        m_bill->setReadOnly(true);
        m_bill->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_bill->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        split->addWidget(m_bill);
        layout->addWidget(split);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::rejected, m_entriesDialog, &QDialog::close);
        connect(m_entries, &QTreeWidget::currentItemChanged, this, &TExceptionsDoc::showBill);
    }
    m_entries->clear();
    m_entries->setHeaderLabels({tr("Kind"), tr("Waiter"), tr("Date"), tr("Time"), tr("Table"),
                                tr("Bill"), tr("Archive"), tr("Article"), tr("Count"), tr("Amount"),
                                tr("Voided by"), tr("Detail")});
    for (const TExceptionEntry *e : m_listed) {
        auto *row = new QTreeWidgetItem(m_entries);
        row->setText(0, exceptionCaption(e->kind));
        row->setText(1, QStringLiteral("%1 %2").arg(e->waiter).arg(e->waiterName).trimmed());
        row->setText(2, QLocale().toString(e->date, QLocale::ShortFormat));
        row->setText(3, e->time.toString(QStringLiteral("HH:mm:ss")));
        row->setText(4, (e->open ? tr("%1/%2 (open)") : QStringLiteral("%1/%2"))
                                .arg(e->table)
                                .arg(e->party));
        row->setText(5, e->bill ? QString::number(e->bill) : QString());
        row->setText(6, e->archive && !e->open ? QString::number(e->archive) : QString());
        row->setText(7, e->article);
        row->setText(8, e->article.isEmpty() ? QString() : QLocale().toString(e->count));
        row->setText(9, formatPrice(long(std::floor(e->amount + 0.5))));
        row->setText(10, e->voidWaiter ? QStringLiteral("%1 %2")
                                                 .arg(e->voidWaiter)
                                                 .arg(e->voidWaiterName)
                                                 .trimmed()
                                       : QString());
        row->setText(11, e->detail);
        for (int c : {4, 5, 6, 8, 9})
            row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int c = 0; c < m_entries->columnCount(); ++c)
        m_entries->resizeColumnToContents(c);
    m_entriesDialog->setWindowTitle(tr("%1: %2").arg(
            item->text(0), oneKind ? exceptionCaption(kind) : tr("all exceptions")));
    m_bill->setPlainText(tr("Choose an entry to see its bill."));
    if (m_entries->topLevelItemCount() > 0)
        m_entries->setCurrentItem(m_entries->topLevelItem(0));
    m_entriesDialog->show();
    m_entriesDialog->raise();
    return m_entriesDialog;
}

QStringList TExceptionsDoc::billLines(const TExceptionEntry &e) const
{
    TOffWorkspace *ws = workspace();
    if (!ws)
        return {};
    if (e.outlet != 0)
        return {tr("The bill lies in the installation of outlet %1.").arg(e.outlet)};
    const QString root = ws->getPath();
    std::unique_ptr<TTable> table;
    if (e.open)
        table = std::make_unique<TTable>(long(e.table), e.party, nullptr, root);
    else if (e.day.isValid())
        table = std::make_unique<TTable>(e.day, long(e.archive), nullptr, root);
    else
        table = std::make_unique<TTable>(long(e.archive), nullptr, root);
    const QString path = table->filePath();
    try {
        if (table->load(path) != TTable::Loaded || table->state() != TTable::Open)
            return {tr("The bill %1 cannot be read.").arg(path)};
    } catch (const Basics::TError &) {
        return {tr("The bill %1 cannot be read.").arg(path)};
    }
    TPaidTablesJournal journal(ws->lists(), root);
    QStringList lines {journal.tableLine(*table, true, true)};
    table->entries().forEach([&](TTableEntry *entry) {
        const QString line = journal.entryLine(*entry);
        if (!line.isNull())
            lines << QStringLiteral("  ") + line;
    });
    return lines;
}

void TExceptionsDoc::showBill()
{
    if (!m_entries || !m_bill)
        return;
    const int row = m_entries->indexOfTopLevelItem(m_entries->currentItem());
    if (row < 0 || row >= int(m_listed.size()))
        return;
    m_bill->setPlainText(billLines(*m_listed[size_t(row)]).join(QLatin1Char('\n')));
}

void TExceptionsDoc::languageChange()
{
    TOffDataDoc::languageChange();
    fill();
}
