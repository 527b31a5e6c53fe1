#include "tpaidtablesdoc.h"

#include "dotnetpluginhost.h"
#include "listrows.h"
#include "pixmapresource.h"
#include "tchartpage.h"
#include "tcombobox.h"
#include "tcrystalhandover.h"
#include "tcurrencies.h"
#include "tdayclosing.h"
#include "terror.h"
#include "tinifile.h"
#include "tinstallation.h"
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
#include "trepprogress.h"
#include "tselectrepdlg.h"
#include "tsettings.h"
#include "tturnoverdlg.h"
#include "tturnoverflow.h"
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

const QColor Red(255, 0, 0);
const QColor Green(51, 153, 102);
const QColor Blue(0, 217, 255);

// The face of an option button: text, colour and tool tip (translated in
// the document's context).
struct Face
{
    const char *text;
    QColor colour;
    const char *tip;
};

void paintButton(QPushButton *button, const Face &face)
{
    if (!button)
        return;
    button->setText(TPaidTablesDoc::tr(face.text));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, face.colour);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
    button->setToolTip(TPaidTablesDoc::tr(face.tip));
}

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

// The business day now: before the start of the gastronomic day it is
// still the day before.
QDate businessDay(const QString &root)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QTime start = dayOffset(QDir(root).filePath(QStringLiteral("etc/globals.ini")));
    return now.time() < start ? now.date().addDays(-1) : now.date();
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

// Selection row ----------------------------------------------------------

void TPaidTablesDoc::languageChange()
{
    if (!m_startButton || !window() || window()->currentDocument() != this)
        return; // the row is built anew when the document is selected
    const int report = m_reports ? m_reports->currentId() : m_defReport;
    const int group = m_groups && !m_groups->isHidden() ? m_groups->currentIndex() : 0;
    const int filter = m_filters ? m_filters->currentId() : m_defFilter;
    const int outlet = m_outlets ? m_outlets->currentId() : 0;
    buildSelectionRow();
    if (m_groups && group > 0) {
        m_groups->setCurrentIndex(group);
        fillWalkGroupsBox(group);
    }
    if (m_reports)
        m_reports->setCurrentId(report);
    if (m_filters)
        m_filters->setCurrentId(filter);
    if (m_outlets)
        m_outlets->setCurrentId(outlet);
}

void TPaidTablesDoc::onSelection()
{
    buildSelectionRow();
    TOffDataDoc::onSelection();
}

void TPaidTablesDoc::buildSelectionRow()
{
    clearTools();
    TOffWindow *host = window();
    TOffWorkspace *ws = workspace();
    if (!host || !ws)
        return;
    const QString theme = host->GetIconTheme();
    const int iconSize = host->getIconSize();

    if (host->CrystalReportsAvailable()) {
        m_crystalButton = new QToolButton;
        m_crystalButton->setObjectName(QStringLiteral("m_Crystal"));
        m_crystalButton->setText(tr("Crystal Reports"));
        m_crystalButton->setIcon(
                getPixmapResource(QStringLiteral("CRYSTALREP"), iconSize, theme, false));
        m_crystalButton->setShortcut(QKeySequence(Qt::Key_F9));
        connect(m_crystalButton, &QToolButton::clicked, host, &TOffWindow::onFileCrystal);
        addTool(m_crystalButton);
    }
    if (host->FastCrystalReportsAvailable()) {
        m_fastCrystalButton = new QToolButton;
        m_fastCrystalButton->setObjectName(QStringLiteral("m_FastCrystal"));
        m_fastCrystalButton->setText(tr("Fast Crystal Reports"));
        m_fastCrystalButton->setIcon(
                getPixmapResource(QStringLiteral("FASTCRYSTALREP"), iconSize, theme, false));
        m_fastCrystalButton->setShortcut(QKeySequence(Qt::Key_F8));
        m_fastCrystalButton->setToolTip(tr("Hit F8 or this button to\nview"));
        connect(m_fastCrystalButton, &QToolButton::clicked, this, &TPaidTablesDoc::onFastCrystal);
        addTool(m_fastCrystalButton);
    }

    auto editableBox = [this](const char *name, const QString &tip) {
        auto *box = new QtWidgets::TComboBox;
        box->setObjectName(QLatin1String(name));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setToolTip(tip);
        // wide enough for the usual names; the list opens wider
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(10);
        connect(box->lineEdit(), &QLineEdit::returnPressed, this, &TPaidTablesDoc::fillData);
        return box;
    };
    auto label = [this](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text);
        l->setBuddy(buddy);
        addTool(l);
        return l;
    };

    m_reports = editableBox("m_Report", tr("Select a report to show (<b>F2</b>)"));
    m_reports->setMinimumContentsLength(20);
    auto *focusReports = new QShortcut(QKeySequence(Qt::Key_F2), m_reports);
    connect(focusReports, &QShortcut::activated, m_reports, [box = m_reports.data()] {
        box->setFocus(Qt::ShortcutFocusReason);
        box->lineEdit()->selectAll();
    });
    m_walkCatalogue.load(ws->getPath());
    label(tr("Report:"), m_reports);
    fillReportBox();
    addTool(m_reports);

    m_groups = new QtWidgets::TComboBox;
    m_groups->setObjectName(QStringLiteral("m_Groups"));
    m_groups->setToolTip(tr("Select a group"));
    m_groups->insertItem(0, tr("None"));
    m_groupsLabel = label(tr("Groups:"), m_groups);
    addTool(m_groups);
    if (m_walkCatalogue.hasReports() && m_walkCatalogue.hasGroups()) {
        for (const DotNetPluginLibrary::TWalkGroup &group : m_walkCatalogue.groups())
            m_groups->insertItem(group.id, group.caption);
        connect(m_groups, &QComboBox::activated, this, &TPaidTablesDoc::fillWalkGroupsBox);
    } else {
        m_groupsLabel->hide();
        m_groups->hide();
    }

    m_filters = editableBox("m_Filter", tr("Select a filter"));
    m_filters->insertItem(0, tr("None"));
    if (Basics::TValueList *filters = ws->getData(QStringLiteral("sumfilters")))
        for (Basics::TValue *filter : filters->values())
            m_filters->insertItem(filter->id(), filter->name());
    label(tr("Filter:"), m_filters);
    addTool(m_filters);

    if (Basics::TValueList *outlets = ws->getData(QStringLiteral("sumoutlets"))) {
        m_outlets = editableBox("m_Outlet", tr("Select an outlet"));
        m_outlets->insertItem(0, tr("None"));
        for (Basics::TValue *outlet : outlets->values())
            m_outlets->insertItem(outlet->id(), outlet->name());
        label(tr("Outlet:"), m_outlets);
        addTool(m_outlets);
    }

    auto button = [this](const char *name, const QString &text, void (TPaidTablesDoc::*slot)()) {
        auto *b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QPushButton::clicked, this, slot);
        addTool(b);
        return b;
    };
    if (!hasDate()) {
        m_tablesButton = button("b_Tables", tr("With tables"), &TPaidTablesDoc::onOpenTabs);
        m_tablesButton->setShortcut(QKeySequence(Qt::Key_F3));
        drawTablesButton();
    }
    m_creditsButton = button("b_Credits", tr("With credits"), &TPaidTablesDoc::onWithoutCredits);
    drawCreditsButton();
    m_traineeButton
            = button("b_Trainee", tr("With trainee waiter"), &TPaidTablesDoc::onTraineeChange);
    drawTraineeButton();
    m_inTurnOverButton
            = button("b_InTurnOver", tr("In turnover"), &TPaidTablesDoc::onInTurnOverChange);
    drawInTurnOverButton();
    m_startButton = button("b_Start", tr("Start"), &TPaidTablesDoc::fillData);
    m_startButton->setShortcut(QKeySequence(Qt::Key_F5));
    m_startButton->setToolTip(tr("Hit F5 or this button to\nrefresh the report view"));
    addToolStretch();

    m_reports->setCurrentId(m_defReport);
    m_filters->setCurrentId(m_defFilter);
}

void TPaidTablesDoc::fillReportBox()
{
    m_reports->clear();
    for (const TReportKind &kind : reportKinds()) {
        if (m_disabledReps.contains(QString::number(kind.id)))
            continue;
        if (kind.id == 2 && hasDate())
            continue;
        m_reports->insertItem(kind.id, reportCaption(kind));
    }
    if (Basics::TValueList *batches = workspace()->getData(QStringLiteral("sumbatches")))
        for (Basics::TValue *batch : batches->values())
            m_reports->insertItem(batch->id() + BatchKindOffset, batch->name());
    addWalkReports(m_walkCatalogue.reportsOf(0));
    m_reports->sortItems();
}

void TPaidTablesDoc::addWalkReports(const QList<int> &numbers)
{
    for (int number : numbers)
        m_reports->insertItem(number + PluginKindOffset, m_walkCatalogue.reports().value(number));
}

void TPaidTablesDoc::fillWalkGroupsBox(int index)
{
    if (!m_reports || !m_groups)
        return;
    const int current = m_reports->currentId();
    for (int i = m_reports->count() - 1; i >= 0; --i)
        if (QtWidgets::TComboBox::idOf(m_reports->itemText(i)) > PluginKindOffset)
            m_reports->removeItem(i);
    addWalkReports(m_walkCatalogue.reportsOf(
            QtWidgets::TComboBox::idOf(m_groups->itemText(qMax(0, index)))));
    m_reports->sortItems();
    if (!m_reports->setCurrentId(current) && current > PluginKindOffset) {
        // the chosen walk report is not in this group: its first one
        for (int i = 0; i < m_reports->count(); ++i) {
            if (QtWidgets::TComboBox::idOf(m_reports->itemText(i)) > PluginKindOffset) {
                m_reports->setCurrentId(QtWidgets::TComboBox::idOf(m_reports->itemText(i)));
                break;
            }
        }
    }
}

void TPaidTablesDoc::drawTablesButton()
{
    static const Face faces[] = {
            {QT_TR_NOOP("With tables"), Red,
             QT_TR_NOOP("Include open table information for this report  (<b>F3</b>)")},
            {QT_TR_NOOP("Without tables"), Green,
             QT_TR_NOOP("Exclude open table information for this report  (<b>F3</b>)")},
    };
    paintButton(m_tablesButton, faces[m_withoutTables ? 1 : 0]);
}

void TPaidTablesDoc::drawCreditsButton()
{
    static const Face faces[] = {
            {QT_TR_NOOP("Without credits"), Green,
             QT_TR_NOOP("Remove all credit articles from this report's data")},
            {QT_TR_NOOP("With credits"), Red,
             QT_TR_NOOP("Add all credit articles to this report's data")},
    };
    paintButton(m_creditsButton, faces[m_withCredits ? 1 : 0]);
}

void TPaidTablesDoc::drawInTurnOverButton()
{
    static const Face faces[] = {
            {QT_TR_NOOP("All"), Blue, QT_TR_NOOP("Show both, in summary or not")},
            {QT_TR_NOOP("In summary"), Red, QT_TR_NOOP("Show report for in summary")},
            {QT_TR_NOOP("Not in summary"), Green, QT_TR_NOOP("Show report for not in summary")},
    };
    paintButton(m_inTurnOverButton, faces[m_inTurnOver]);
}

void TPaidTablesDoc::drawTraineeButton()
{
    static const Face faces[] = {
            {QT_TR_NOOP("All waiters"), Blue,
             QT_TR_NOOP("Include trainee waiter information for this report")},
            {QT_TR_NOOP("Without trainee waiters"), Green,
             QT_TR_NOOP("Exclude trainee waiter information for this report")},
            {QT_TR_NOOP("Only trainee waiters"), Red,
             QT_TR_NOOP("Show only trainee waiter information for this report")},
    };
    paintButton(m_traineeButton, faces[m_trainee]);
}

void TPaidTablesDoc::onOpenTabs()
{
    m_withoutTables = !m_withoutTables;
    drawTablesButton();
}

void TPaidTablesDoc::onWithoutCredits()
{
    m_withCredits = !m_withCredits;
    drawCreditsButton();
}

void TPaidTablesDoc::onInTurnOverChange()
{
    m_inTurnOver = (m_inTurnOver + 1) % 3;
    drawInTurnOverButton();
}

void TPaidTablesDoc::onTraineeChange()
{
    m_trainee = (m_trainee + 1) % 3;
    drawTraineeButton();
}

// Runs -------------------------------------------------------------------

void TPaidTablesDoc::fillData()
{
    if (m_startButton)
        m_startButton->setEnabled(false);
    const int id = m_reports ? m_reports->currentId() : m_defReport;
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
    connect(&run, &TReportRun::sigDataCount, progress, &TRepProgress::setSteps);
    connect(&run, &TReportRun::sigProgress, progress, &TRepProgress::setStep);
    connect(&run, &TReportRun::sigDate, progress, &TRepProgress::setDate);
    connect(&run, &TReportRun::sigNotice, this, [this](const QString &text) {
        if (window())
            window()->status(text);
    });
    // batches can be stopped like single reports
    connect(progress, &TRepProgress::cancelled, &run, &TReportRun::setStopped);
    progress->setDate(hasDate() ? m_from : businessDay(ws->getPath()));
    progress->show();
    emit runStarted(progress);
    return run.run(request);
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

void TPaidTablesDoc::startView(bool multiLine)
{
    // a new run: its chart comes with its lines
    if (m_chartPane)
        m_chartPane->clear();
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

// Report designs -----------------------------------------------------------

TReportSelection TPaidTablesDoc::selection() const
{
    const auto id = [](QtWidgets::TComboBox *box) { return box ? qMax(0, box->currentId()) : 0; };
    return {m_from, m_to, id(m_filters), id(m_outlets)};
}

void TPaidTablesDoc::onFastCrystal()
{
    TCrystalHandOver(this, selection()).runFastReport();
}

void TPaidTablesDoc::onCrystal()
{
    TOffDocument::onCrystal(QStringLiteral("Archives"));
}

bool TPaidTablesDoc::crystalExport(Basics::TInifile &ini, const QString &, bool fast)
{
    return TCrystalHandOver(this, selection()).exportData(ini, fast);
}

// Day turnover -------------------------------------------------------------

void TPaidTablesDoc::onTurnOver()
{
    TDayClosing(window(), workspace(), window() ? window()->getLoggedWaiter() : nullptr).run();
}

// Walk reports -------------------------------------------------------------

void TPaidTablesDoc::runWalkReport(int number)
{
    TOffWorkspace *ws = workspace();
    if (!ws)
        return;
    startView(false);
    m_journal.reset();
    if (m_walkProcess) {
        // one walk report at a time: the earlier one's file is dropped
        m_walkProcess->disconnect(this);
        m_walkProcess->kill();
        m_walkProcess->deleteLater();
    }

    const QString root = ws->getPath();
    m_walkReport = DotNetPluginLibrary::TWalkReport(root);
    try {
        m_walkReport.prepare(number, QDateTime::currentDateTime());
    } catch (const Basics::TError &e) {
        TOffDlg::error(window(), e.text());
        return;
    }
    m_shownTitle = m_walkCatalogue.reports().value(number);

    DotNetPluginLibrary::TWalkOptions options;
    options.walkId = number;
    options.from = hasDate() ? m_from : businessDay(root);
    options.to = m_to.isValid() ? m_to : options.from;
    options.outlet = m_outlets ? qMax(0, m_outlets->currentId()) : 0;
    options.filter = m_filters ? qMax(0, m_filters->currentId()) : 0;
    options.openTables = !m_withoutTables;
    options.withoutCredits = !m_withCredits;
    options.inTurnoverType = m_inTurnOver;
    options.traineeType = m_trainee;
    options.path = root;
    options.file = m_walkReport.fileName();
    if (window() && window()->getReportWaiter())
        options.reportWaiter = window()->getReportWaiter()->id();
    const QStringList parameters = DotNetPluginLibrary::TWalkReport::parameters(options);

    if (m_walkReport.usePlugin()) {
        DotNetPluginLibrary::DotNetPluginHost plugins(
                DotNetPluginLibrary::DotNetPluginHost::findPluginDir(root));
        QString title;
        QString message;
        if (!m_walkReport.runPlugin(plugins, parameters, &title, &message)) {
            QMessageBox::critical(window(), title, message);
            return;
        }
        showWalkReport();
        return;
    }

    m_walkProcess = new QProcess(this);
    connect(m_walkProcess, &QProcess::finished, this, &TPaidTablesDoc::onWalkExit);
    QString message;
    if (!m_walkReport.startProgram(*m_walkProcess, parameters, &message)) {
        delete m_walkProcess;
        QMessageBox::critical(window(), tr("Error"), message);
    }
}

void TPaidTablesDoc::onWalkExit()
{
    if (m_walkProcess) {
        m_walkProcess->deleteLater();
        m_walkProcess = nullptr;
    }
    showWalkReport();
}

void TPaidTablesDoc::showWalkReport()
{
    showLines(m_walkReport.takeReport());
    emit runFinished();
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

void TPaidTablesDoc::printHeader(QPainter &painter, QRect &area, int page)
{
    QString name;
    if (TOffWorkspace *ws = workspace()) {
        try {
            TSettings settings;
            if (settings.load(ws->getPath().toLocal8Bit().constData()) == 0)
                name = settings.installationName();
        } catch (const Basics::TError &) {
            // the pages go without the installation's name
        }
    }
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

// Report kinds ---------------------------------------------------------------

void TPaidTablesDoc::onAllArticles()
{
    runKind(7);
}
void TPaidTablesDoc::onAllDepartments()
{
    runKind(28);
}
void TPaidTablesDoc::onAllFamilies()
{
    runKind(10);
}
void TPaidTablesDoc::onAllFamGroups()
{
    runKind(25);
}
void TPaidTablesDoc::onAllWaiters()
{
    runKind(4);
}
void TPaidTablesDoc::onWaiterFamilies()
{
    runKind(11);
}
void TPaidTablesDoc::onWaiterFamGroups()
{
    runKind(26);
}
void TPaidTablesDoc::onWaiterArticles()
{
    runKind(8);
}
void TPaidTablesDoc::onWaiterDepartments()
{
    runKind(29);
}
void TPaidTablesDoc::onWaiterTables()
{
    runKind(3);
}
void TPaidTablesDoc::onAllTables()
{
    runKind(38);
}
void TPaidTablesDoc::onCenterTables()
{
    runKind(39);
}
void TPaidTablesDoc::onWaiterReport()
{
    runKind(5);
}
void TPaidTablesDoc::onCenterFamilies()
{
    runKind(12);
}
void TPaidTablesDoc::onCenterFamGroups()
{
    runKind(27);
}
void TPaidTablesDoc::onCenterArticles()
{
    runKind(9);
}
void TPaidTablesDoc::onCenterDepartments()
{
    runKind(30);
}
void TPaidTablesDoc::onCenterReport()
{
    runKind(6);
}
void TPaidTablesDoc::onAllVoids()
{
    runKind(13);
}
void TPaidTablesDoc::onWaiterVoids()
{
    runKind(14);
}
void TPaidTablesDoc::onCenterVoids()
{
    runKind(15);
}
void TPaidTablesDoc::onVoidEntries()
{
    runKind(16);
}
void TPaidTablesDoc::onWaiterVoidEntries()
{
    runKind(17);
}
void TPaidTablesDoc::onCenterVoidEntries()
{
    runKind(18);
}
void TPaidTablesDoc::onAllHours()
{
    runKind(19);
}
void TPaidTablesDoc::onWaiterHours()
{
    runKind(20);
}
void TPaidTablesDoc::onCenterHours()
{
    runKind(21);
}
void TPaidTablesDoc::onAllOrders()
{
    runKind(22);
}
void TPaidTablesDoc::onWaiterOrders()
{
    runKind(23);
}
void TPaidTablesDoc::onCenterOrders()
{
    runKind(24);
}
void TPaidTablesDoc::onMinimal()
{
    runKind(31);
}
void TPaidTablesDoc::onAllDiscounts()
{
    runKind(32);
}
void TPaidTablesDoc::onWaiterDiscounts()
{
    runKind(33);
}
void TPaidTablesDoc::onCenterDiscounts()
{
    runKind(34);
}
void TPaidTablesDoc::onAllSubvents()
{
    runKind(35);
}
void TPaidTablesDoc::onWaiterSubvents()
{
    runKind(36);
}
void TPaidTablesDoc::onCenterSubvents()
{
    runKind(37);
}
void TPaidTablesDoc::onAllHotelRooms()
{
    runKind(40);
}
void TPaidTablesDoc::onWaiterHotelRooms()
{
    runKind(41);
}
void TPaidTablesDoc::onCenterHotelRooms()
{
    runKind(42);
}
