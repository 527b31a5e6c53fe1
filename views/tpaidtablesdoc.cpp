#include "tpaidtablesdoc.h"

#include "dotnetpluginhost.h"
#include "installationname.h"
#include "listrows.h"
#include "pixmapresource.h"
#include "tchartpage.h"
#include "tcombobox.h"
#include "tcrystalhandover.h"
#include "tcurrencies.h"
#include "terror.h"
#include "tinifile.h"
#include "tinstallation.h"
#include "tlocaltext.h"
#include "toffapplication.h"
#include "toffconfig.h"
#include "toffdlg.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tpaidtablesjournal.h"
#include "treportchartpane.h"
#include "treportkinds.h"
#include "treportrun.h"
#include "treportworkbook.h"
#include "trepprogress.h"
#include "tselectrepdlg.h"
#include "tsettings.h"
#include "tvalue.h"
#include "twaiter.h"
#include "tworkspacelists.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

using namespace PosLib;

namespace {

// The summary kind of a report run: the kind of the report table with that
// side, code and grouping.
int summaryKind(int side, int code, bool overAll)
{
    const TReportKind::Side wanted = side ? TReportKind::WaiterSide : TReportKind::CenterSide;
    for (const TReportKind &kind : reportKinds())
        if (kind.side == wanted && kind.code == code && kind.overAll == overAll)
            return kind.id;
    return 0;
}

} // namespace

TPaidTablesDoc::TPaidTablesDoc(TOffWindow *window, const QString &key)
    : TOffDataDoc(key.isEmpty() ? QLatin1String(TOffWorkspace::docPaidTables) : key, window, false)
{
    Basics::TInifile &ini = TOffConfig::ini();
    m_showBill = ini.readBool(QStringLiteral("Settings"), QStringLiteral("ShowBill"), false);
    m_showArch = ini.readBool(QStringLiteral("Settings"), QStringLiteral("ShowArch"), false);
    m_withoutTables = !TOffConfig::getDefOpenTabs();
    m_withCredits = !TOffConfig::getDefWithoutCredits();
    m_inTurnOver = qBound(0, TOffConfig::getDefInTurnOver(), 2);
    m_trainee = qBound(0, TOffConfig::getDefTraineeType(), 2);
    readOptions();
    setHelpTopic(QStringLiteral("reports"));
    if (TOffApplication *application = TOffApplication::instance()) {
        connect(application, &TOffApplication::lngChanged, this, &TPaidTablesDoc::initTitles);
        connect(application, &TOffApplication::configChanged, this, &TPaidTablesDoc::readOptions);
    }
}

void TPaidTablesDoc::readOptions()
{
    m_defReport = TOffConfig::getDefReport();
    m_defFilter = TOffConfig::getDefFilter();
    m_disabledReps = TOffConfig::getDisabledReps();
    // a report box on show offers the reports allowed now
    if (m_reports) {
        const int current = m_reports->currentId();
        fillReportBox();
        if (!m_reports->setCurrentId(current))
            m_reports->setCurrentId(m_defReport);
    }
}

TPaidTablesDoc::~TPaidTablesDoc()
{
    if (m_walkProcess) {
        m_walkProcess->disconnect(this);
        m_walkProcess->kill();
        m_walkProcess->waitForFinished(1000);
    }
}

QString TPaidTablesDoc::caption() const
{
    return tr("Paid tables");
}

QWidget *TPaidTablesDoc::createView(QWidget *parent)
{
    auto *list = new TOffListView(parent);
    list->setObjectName(QStringLiteral("reportView"));
    list->addColumn(QString());
    list->header()->hide();
    list->setAlternatingRowColors(false);
    // summary lines are fixed-width text: columns line up in a monospace font
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    list->setFont(font);
    connect(list, &QTreeWidget::itemPressed, this, &TPaidTablesDoc::expandcollapseitem);

    // the report's chart beside its text
    m_chartPane = new TReportChartPane(list, parent);
    m_chartPane->setCurrencies([this]() -> const TCurrencies * {
        TOffWorkspace *ws = workspace();
        return ws ? static_cast<const TCurrencies *>(ws->lists()->get(QStringLiteral("currencies")))
                  : nullptr;
    });
    connect(list, &QTreeWidget::currentItemChanged, m_chartPane,
            [list, pane = m_chartPane.data()](QTreeWidgetItem *item) {
                if (item && !item->parent())
                    pane->followLine(list->indexOfTopLevelItem(item));
            });
    if (TOffWorkspace *ws = workspace()) {
        connect(ws, &TOffWorkspace::pathChanged, list, &QTreeWidget::clear);
        connect(ws, &TOffWorkspace::pathChanged, m_chartPane, &TReportChartPane::clear);
        // the current day's report shows the day after the closing
        connect(ws, &TOffWorkspace::dayClosed, this, [this, list] {
            if (!hasDate() && list->topLevelItemCount() > 0)
                fillData();
        });
    }
    if (TOffApplication *application = TOffApplication::instance())
        connect(application, &TOffApplication::lngChanged, m_chartPane,
                &TReportChartPane::retranslate);
    return m_chartPane;
}

void TPaidTablesDoc::setRange(const QDate &from, const QDate &to, int step)
{
    m_from = from;
    m_to = to;
    m_step = step;
    // the row offers "Journal" and "With tables" only without a date
    if (window() && window()->currentDocument() == this)
        buildSelectionRow();
}

QString TPaidTablesDoc::title(int id) const
{
    if (!m_titlesMissing)
        return m_titles.value(id);
    const TReportKind *kind = reportKind(id);
    return kind ? reportTitle(*kind) : QString();
}

void TPaidTablesDoc::initTitles()
{
    m_titles = TReportRun::titles();
    m_titlesMissing = false;
}

// Runs -------------------------------------------------------------------

void TPaidTablesDoc::fillData()
{
    const int id = m_reports ? m_reports->currentId() : m_defReport;
    // only what the box offers runs: a number typed for a report left out
    // in the reporting options (or for none) runs nothing
    if (!offers(id)) {
        refuseKind(id);
        return;
    }
    if (m_startButton)
        m_startButton->setEnabled(false);
    if (id == 1 || id == 2)
        onPaidTables(); // the journal lists the paid tables too
    else if (isSummaryKind(id))
        runKind(id);
    else if (id > PluginKindOffset)
        runWalkReport(id - PluginKindOffset);
    else
        runBatch(id - BatchKindOffset);
    if (TOffListView *list = listView())
        list->viewport()->update();
    if (m_startButton)
        m_startButton->setEnabled(true);
}

bool TPaidTablesDoc::offers(int id) const
{
    if (m_reports)
        return m_reports->findId(id) >= 0;
    if (id == 2 && hasDate())
        return false;
    return id > 0 && !m_disabledReps.contains(QString::number(id));
}

void TPaidTablesDoc::refuseKind(int id)
{
    TOffDlg::error(window(), id < 0 ? tr("Choose a report in the report box first.")
                                    : tr("There is no report %1 to choose: the reporting "
                                         "options do not allow it, or no report has that "
                                         "number.")
                                              .arg(id));
}

void TPaidTablesDoc::selectKind(int id)
{
    if (m_reports)
        m_reports->setCurrentId(id);
}

void TPaidTablesDoc::runKind(int id)
{
    const TReportKind *kind = reportKind(id);
    if (!kind || !isSummaryKind(id))
        return;
    if (!offers(id)) {
        refuseKind(id);
        return;
    }
    selectKind(id);
    report(kind->side == TReportKind::WaiterSide ? 1 : 0, kind->code, title(id), kind->overAll);
}

TReportRequest TPaidTablesDoc::request(int kind) const
{
    TReportRequest r;
    r.kind = kind;
    r.from = m_from;
    r.to = m_to;
    r.period = m_step;
    r.filter = m_filters ? qMax(0, m_filters->currentId()) : 0;
    r.outlet = m_outlets ? qMax(0, m_outlets->currentId()) : 0;
    // options without their button keep the generator's own defaults
    if (m_tablesButton)
        r.withOpenTables = !m_withoutTables;
    if (m_creditsButton)
        r.withoutCredits = !m_withCredits;
    if (m_inTurnOverButton)
        r.turnoverType = m_inTurnOver;
    if (m_traineeButton)
        r.traineeType = m_trainee;
    if (window() && window()->getReportWaiter())
        r.reportWaiter = window()->getReportWaiter()->id();
    if (m_compare)
        r.compare = m_compare->value();
    // the chart is drawn from the data the lines come from
    r.withData = kindHasChart(kind);
    // of the data, what the charts read: a full summary's data would
    // otherwise list every pay of the range
    r.dataNodes = chartNodes();
    return r;
}

void TPaidTablesDoc::report(int side, int code, const QString &title, bool overAll)
{
    TReportRequest r = request(summaryKind(side, code, overAll));
    r.title = title;
    const TReportResult result = runWithProgress(r);
    m_shownTitle = title;
    finishRun(result);
}

void TPaidTablesDoc::runBatch(int number)
{
    const TReportResult result = runWithProgress(request(number + BatchKindOffset));
    m_shownTitle = result.batchName.isEmpty() ? tr("Batch report") : result.batchName;
    finishRun(result);
}

TReportResult TPaidTablesDoc::runWithProgress(const TReportRequest &request)
{
    TOffWorkspace *ws = workspace();
    if (!ws)
        return {};
    if (m_titlesMissing)
        initTitles();
    startView(false);
    m_journal.reset();

    TReportRun run(ws->lists(), ws->getPath());
    m_progress = std::make_unique<TRepProgress>(window());
    TRepProgress *progress = m_progress.get();
    // one bar over the whole run: the days done of the days asked
    connect(run.progress(), &TRunProgress::changed, progress, &TRepProgress::setRunProgress);
    connect(run.progress(), &TRunProgress::dayChanged, progress, &TRepProgress::setRunDay);
    connect(&run, &TReportRun::sigNotice, this, [this](const QString &text) {
        if (window())
            window()->status(text);
    });
    // batches can be stopped like single reports
    connect(progress, &TRepProgress::cancelled, &run, &TReportRun::setStopped);
    progress->setDate(hasDate() ? m_from
                                : businessDay(ws->getPath(), QDateTime::currentDateTime()));
    progress->show();
    emit runStarted(progress);
    m_shown = std::make_unique<TReportRequest>(request);
    try {
        return run.run(request);
    } catch (const Basics::TError &e) {
        // a master data list that is there but damaged: no figures at all
        TOffDlg::error(window(), Basics::userText(e));
        return {};
    }
}

void TPaidTablesDoc::finishRun(const TReportResult &result)
{
    const QStringList lines = result.displayLines();
    showLines(lines);
    if (m_chartPane)
        m_chartPane->setPages(result.status == TReportResult::Done ? chartPages(result.data)
                                                                   : QList<TChartPage>(),
                              lines);
    if (m_progress)
        m_progress->finish();
    m_progress.reset();
    emit runFinished();
}

void TPaidTablesDoc::onPaidTables()
{
    TOffWorkspace *ws = workspace();
    if (!ws)
        return;
    if (m_titlesMissing)
        initTitles();
    selectKind(1);
    startView(true);

    m_journal = std::make_unique<TPaidTablesJournal>(ws->lists(), ws->getPath());
    QProgressBar *bar = nullptr;
    m_journal->setProgress([this, &bar](int step, int count) {
        if (!bar)
            bar = startProgressBar(count);
        setProgress(bar, step);
    });
    TJournalRequest r;
    r.from = m_from;
    r.to = m_to;
    r.filter = m_filters ? qMax(0, m_filters->currentId()) : 0;
    r.showBill = m_showBill;
    r.showArch = m_showArch;
    const TListRows rows = m_journal->run(r);
    if (bar)
        endProgressBar(bar);
    m_shownTitle = reportCaption(*reportKind(1));
    if (TOffListView *list = listView())
        addListRows(list, rows);
    emit runFinished();
}

bool TPaidTablesDoc::exportWorkbook(const QString &fileName, QString *error)
{
    TOffWorkspace *ws = workspace();
    if (!m_shown || !ws)
        return TOffDataDoc::exportWorkbook(fileName, error);
    // the report runs again, for every leaf of its data, with its progress
    // and Cancel as when it was shown
    TRepProgress progress(window());
    const auto follow = [&progress](TReportRun &run) {
        connect(run.progress(), &TRunProgress::changed, &progress, &TRepProgress::setRunProgress);
        connect(run.progress(), &TRunProgress::dayChanged, &progress, &TRepProgress::setRunDay);
        connect(&progress, &TRepProgress::cancelled, &run, &TReportRun::setStopped);
    };
    progress.setDate(m_shown->from.isValid()
                             ? m_shown->from
                             : businessDay(ws->getPath(), QDateTime::currentDateTime()));
    progress.show();
    const bool written = writeReportWorkbook(ws->lists(), ws->getPath(), *m_shown,
                                             m_shownTitle.isEmpty() ? caption() : m_shownTitle,
                                             fileName, error, follow);
    progress.finish();
    return written;
}

void TPaidTablesDoc::startView(bool multiLine)
{
    // a new run: its chart comes with its lines
    if (m_chartPane)
        m_chartPane->clear();
    m_shown.reset();
    TOffListView *list = listView();
    if (!list)
        return;
    list->clear();
    // the journal's table lines take two lines of text
    list->setUniformRowHeights(!multiLine);
}

void TPaidTablesDoc::showLines(const QStringList &lines)
{
    TOffListView *list = listView();
    if (!list)
        return;
    QProgressBar *bar = lines.size() > 1 ? startProgressBar(int(lines.size())) : nullptr;
    QList<QTreeWidgetItem *> items;
    items.reserve(lines.size());
    for (const QString &line : lines) {
        items.append(new QTreeWidgetItem(QStringList(line)));
        if (bar && items.size() % 256 == 0)
            setProgress(bar, int(items.size()));
    }
    list->addTopLevelItems(items);
    if (bar)
        endProgressBar(bar);
}

QString TPaidTablesDoc::viewText() const
{
    TOffListView *list = listView();
    return list ? listRowsText(listRowsOf(list)) : QString();
}

void TPaidTablesDoc::expandcollapseitem(QTreeWidgetItem *item)
{
    if (item && item->childCount() > 0)
        item->setExpanded(!item->isExpanded());
}

void TPaidTablesDoc::onRemove()
{
    startView(false);
    m_journal.reset();
    m_shownTitle.clear();
}

void TPaidTablesDoc::onNew()
{
    TSelectRepDlg dialog(window());
    if (m_reports)
        dialog.setReport(m_reports->currentId() == 2 ? 1 : 0);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int kind = TSelectRepDlg::reportKindOf(dialog.report());
    if (kind == 1 || kind == 2)
        onPaidTables();
    else
        runKind(kind);
}

// Context menu and printing --------------------------------------------------

void TPaidTablesDoc::createContext(QMenu *menu)
{
    auto add = [this, menu](const QString &text, void (TPaidTablesDoc::*slot)()) {
        return menu->addAction(text, this, slot);
    };
    add(tr("All &families"), &TPaidTablesDoc::onAllFamilies);
    add(tr("All &articles"), &TPaidTablesDoc::onAllArticles);
    add(tr("All &waiters"), &TPaidTablesDoc::onAllWaiters);
    menu->addSeparator();
    add(tr("Fa&milies per waiter"), &TPaidTablesDoc::onWaiterFamilies);
    add(tr("A&rticles per waiter"), &TPaidTablesDoc::onWaiterArticles);
    add(tr("Wa&iter report"), &TPaidTablesDoc::onWaiterReport);
    menu->addSeparator();
    add(tr("Fami&lies per cost center"), &TPaidTablesDoc::onCenterFamilies);
    add(tr("A&rticles per cost center"), &TPaidTablesDoc::onCenterArticles);
    add(tr("&Cost center report"), &TPaidTablesDoc::onCenterReport);
    menu->addSeparator();
    add(tr("Day &Turn over"), &TPaidTablesDoc::onTurnOver);
    add(tr("&Paid tables"), &TPaidTablesDoc::onPaidTables);
    menu->addSeparator();
    const QString theme = window() ? window()->GetIconTheme() : QString();
    QAction *print = menu->addAction(tr("Print report"), this, &TOffDocument::onPrint);
    print->setIcon(getPixmapResource(QStringLiteral("PRINT"), 16, theme, false));
}

QString TPaidTablesDoc::installationName() const
{
    TOffWorkspace *ws = workspace();
    return ws ? installationNameIn(ws->getPath()) : QString();
}

QString TPaidTablesDoc::periodText(QString (*date)(const QDate &)) const
{
    if (!hasDate()) {
        TOffWorkspace *ws = workspace();
        return ws ? date(businessDay(ws->getPath(), QDateTime::currentDateTime())) : QString();
    }
    if (!m_to.isValid() || m_to == m_from)
        return date(m_from);
    return tr("%1 to %2").arg(date(m_from), date(m_to));
}

QString TPaidTablesDoc::printTitle() const
{
    QStringList parts {m_shownTitle.isEmpty() ? caption() : m_shownTitle,
                       periodText(&Basics::dateText), installationName()};
    parts.removeAll(QString());
    return parts.join(QStringLiteral(" - "));
}

QString TPaidTablesDoc::pdfFileName() const
{
    QStringList parts {m_shownTitle.isEmpty() ? caption() : m_shownTitle,
                       periodText([](const QDate &d) { return d.toString(Qt::ISODate); }),
                       installationName()};
    parts.removeAll(QString());
    return fileNameOf(parts.join(QLatin1Char(' ')));
}

void TPaidTablesDoc::printHeader(QPainter &painter, QRect &area, int page)
{
    const QString name = installationName();
    QStringList parts;
    for (const QString &part : {name, m_shownTitle.isEmpty() ? caption() : m_shownTitle})
        if (!part.isEmpty())
            parts << part;

    QFont font = painter.font();
    font.setBold(true);
    painter.save();
    painter.setFont(font);
    const int height = painter.fontMetrics().height();
    const QRect line(area.left(), area.top(), area.width(), height);
    painter.drawText(line, Qt::AlignLeft, parts.join(QStringLiteral(" - ")));
    painter.drawText(line, Qt::AlignRight, tr("Page %1").arg(page));
    painter.drawLine(area.left(), area.top() + height + height / 4, area.right(),
                     area.top() + height + height / 4);
    painter.restore();
    area.setTop(area.top() + height * 2);

    // the chart shown under the first page's header
    if (page == 1 && m_chartPane && m_chartPane->showsChart()) {
        const int chartHeight = std::min(area.width() * 56 / 100, area.height() / 2);
        m_chartPane->paintCurrent(painter,
                                  QRectF(area.left(), area.top(), area.width(), chartHeight));
        area.setTop(area.top() + chartHeight + height);
    }
}
