#pragma once

#include "toffdatadoc.h"

#include "tcombobox.h"
#include "tcomparechoice.h"
#include "tlistrow.h"
#include "treportchartpane.h"
#include "treportselection.h"
#include "twalkcatalogue.h"
#include "twalkreport.h"

#include <QDate>
#include <QLabel>
#include <QMap>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>

#include <memory>

class QTreeWidgetItem;
class TRepProgress;

namespace PosLib {
class TPaidTablesJournal;
struct TReportRequest;
struct TReportResult;
} // namespace PosLib

// The reports document: the user picks a report kind, a summary filter, an
// outlet and the data options in the selection row above the view, and
// "Start" (F5) shows the report's lines in a monospace list that can be
// printed. Kind 1 (and 2, "Journal") lists the paid tables with their
// entries, 100 + N runs the summary batch N, 500 + N the external walk
// report N. Without a date the document reports the current, not yet
// closed business day; with one, the closed days of its range. The day
// turnover is started from here too.
class TPaidTablesDoc : public TOffDataDoc
{
    Q_OBJECT
public:
    explicit TPaidTablesDoc(TOffWindow *window, const QString &key = QString());
    ~TPaidTablesDoc() override;

    QString caption() const override;
    QWidget *createView(QWidget *parent) override;
    // Builds the selection row.
    void onSelection() override;
    void createContext(QMenu *menu) override;
    // The installation's name and the report's caption over every page.
    void printHeader(QPainter &painter, QRect &area, int page) override;
    // "Article report of all waiters - 5 Dec 2026 - Trattoria Veltrum": the
    // report shown, its days (the business day without a range) and the
    // installation's name.
    QString printTitle() const override;
    // The same with the days as ISO dates, fit for a file name:
    // "Article report of all waiters 2026-12-05 Trattoria Veltrum".
    QString pdfFileName() const override;
    bool canNew() const override { return true; }
    // Exports the selected tables as the intermediate lists of report
    // designs (after the host's part).
    bool crystalExport(Basics::TInifile &ini, const QString &name, bool fast) override;
    using TOffDocument::crystalExport;

    // "Export as Excel": the shown report's rows (run again for its data,
    // see writeReportWorkbook()); the journal and the rest as the host
    // writes a list.
    bool exportWorkbook(const QString &fileName, QString *error) override;

    // The date range; an invalid from date means the current day.
    QDate fromDate() const { return m_from; }
    QDate toDate() const { return m_to; }
    int step() const { return m_step; }
    bool hasDate() const { return m_from.isValid(); }
    // Sets the range and builds the selection row again when it is shown.
    void setRange(const QDate &from, const QDate &to, int step = 0);
    // The range, filter and outlet the next run takes, for the hand-over.
    TReportSelection selection() const;

    // The selection row's widgets; null while there is none.
    QtWidgets::TComboBox *reportSelector() const { return m_reports; }
    QtWidgets::TComboBox *groupSelector() const { return m_groups; }
    QtWidgets::TComboBox *filterSelector() const { return m_filters; }
    QtWidgets::TComboBox *outletSelector() const { return m_outlets; }
    QPushButton *tablesButton() const { return m_tablesButton; }
    QPushButton *creditsButton() const { return m_creditsButton; }
    QPushButton *traineeButton() const { return m_traineeButton; }
    QPushButton *inTurnOverButton() const { return m_inTurnOverButton; }
    QPushButton *startButton() const { return m_startButton; }
    QToolButton *crystalButton() const { return m_crystalButton; }
    QToolButton *fastCrystalButton() const { return m_fastCrystalButton; }

    // The option states the next run uses.
    bool withoutTables() const { return m_withoutTables; }
    bool withCredits() const { return m_withCredits; }
    int inTurnOverState() const { return m_inTurnOver; }
    int traineeState() const { return m_trainee; }

    // The title of a report kind.
    QString title(int id) const;
    // Whether the report box offers the kind (the reporting options may
    // leave kinds out; "Journal" only without a date).
    bool offers(int id) const;
    // Tells that a kind is not offered; for callers that run kinds by number.
    void refuseKind(int id);
    // Runs a summary: side 1 per waiter, 0 per cost center; the summary
    // report code; the title; one report over all waiters.
    void report(int side, int code, const QString &title, bool overAll);
    // Runs the summary batch with that number.
    void runBatch(int number);
    // Runs the external walk report with that number.
    void runWalkReport(int number);

    // The lines of the view, children indented, as the command line
    // prints lists.
    QString viewText() const;
    // The chart beside the text; null before the view is made.
    TReportChartPane *chartPane() const { return m_chartPane; }
    // The walk report program while it runs; null otherwise.
    QProcess *walkProcess() const { return m_walkProcess; }
    // The walk reports of "etc/walk.ini", read at each selection.
    const DotNetPluginLibrary::TWalkCatalogue &walkCatalogue() const { return m_walkCatalogue; }

public Q_SLOTS:
    // F8: picks a prepared report, exports the data, fills and shows it.
    void onFastCrystal();
    // The export of report data that "Crystal Reports" (F9) starts.
    void onCrystal();
    // Asks for the kind of a new report and runs it.
    void onNew() override;
    // Empties the view.
    void onRemove();
    void onTurnOver();
    void onPaidTables();
    void onAllArticles();
    void onAllDepartments();
    void onAllFamilies();
    void onAllFamGroups();
    void onAllWaiters();
    void onWaiterFamilies();
    void onWaiterFamGroups();
    void onWaiterArticles();
    void onWaiterDepartments();
    void onWaiterTables();
    void onAllTables();
    void onCenterTables();
    void onWaiterReport();
    void onCenterFamilies();
    void onCenterFamGroups();
    void onCenterArticles();
    void onCenterDepartments();
    void onCenterReport();
    void onAllVoids();
    void onWaiterVoids();
    void onCenterVoids();
    void onVoidEntries();
    void onWaiterVoidEntries();
    void onCenterVoidEntries();
    void onAllHours();
    void onWaiterHours();
    void onCenterHours();
    void onAllOrders();
    void onWaiterOrders();
    void onCenterOrders();
    void onMinimal();
    void onAllDiscounts();
    void onWaiterDiscounts();
    void onCenterDiscounts();
    void onAllSubvents();
    void onWaiterSubvents();
    void onCenterSubvents();
    void onAllHotelRooms();
    void onWaiterHotelRooms();
    void onCenterHotelRooms();
    // Shows the walk reports of the group at that index of the groups box.
    void fillWalkGroupsBox(int index);
    void expandcollapseitem(QTreeWidgetItem *item);
    // "Start": runs the kind chosen in the report box.
    void fillData();
    void initTitles();
    // Builds the selection row again in the new language, with the same
    // report, group, filter and outlet chosen; the lines shown stay as
    // they were printed.
    void languageChange() override;
    void onOpenTabs();
    void onWithoutCredits();
    void onInTurnOverChange();
    void onTraineeChange();
    // Shows the report file the walk report program wrote.
    void onWalkExit();
    // The reporting options were stored: takes the default report and
    // filter and the reports left out of the report box again (the states
    // of the option buttons stay as they are).
    void readOptions();

Q_SIGNALS:
    // A run put up its progress dialog.
    void runStarted(TRepProgress *progress);
    // A run finished and its lines are in the view.
    void runFinished();

protected:
    // Adds tools of a derived document before the boxes of the selection row.
    virtual void addRowTools() { }

private:
    // Selects the kind in the report box and runs it.
    void runKind(int id);
    // Selects the kind in the report box, when there is one.
    void selectKind(int id);
    void buildSelectionRow();
    // A batch chosen in the report box runs with its own filter: the filter
    // box is disabled and says so while one is chosen.
    void showBatchFilter();
    void fillReportBox();
    void addWalkReports(const QList<int> &numbers);
    void drawTablesButton();
    void drawCreditsButton();
    void drawTraineeButton();
    void drawInTurnOverButton();
    // The request of the selection row's options for a run of `kind`.
    PosLib::TReportRequest request(int kind) const;
    // Runs a summary or batch with the progress dialog up.
    PosLib::TReportResult runWithProgress(const PosLib::TReportRequest &request);
    // Shows the run's lines and takes the progress dialog down.
    void finishRun(const PosLib::TReportResult &result);
    // Clears the view for a new run.
    void startView(bool multiLine);
    void showLines(const QStringList &lines);
    void showRows(const PosLib::TListRows &rows);
    void showWalkReport();
    // The name of the installation from its settings; empty without one.
    QString installationName() const;
    // The days of the report shown, each date written by `date`.
    QString periodText(QString (*date)(const QDate &)) const;

    QDate m_from;
    QDate m_to;
    int m_step = 0;
    bool m_withoutTables = true;
    bool m_withCredits = true;
    bool m_showBill = false;
    bool m_showArch = false;
    int m_defReport = 0;
    int m_defFilter = 0;
    int m_inTurnOver = 0;
    int m_trainee = 0;
    QStringList m_disabledReps;
    QMap<int, QString> m_titles;
    bool m_titlesMissing = true;
    // The report whose lines the view shows, for the printed pages.
    QString m_shownTitle;
    QString m_filterTip; // the filter box's own tool tip while a batch is chosen
    // the request of the report shown (none for the journal, a walk report
    // or an empty view), for its workbook
    std::unique_ptr<PosLib::TReportRequest> m_shown;

    std::unique_ptr<PosLib::TPaidTablesJournal> m_journal;
    std::unique_ptr<TRepProgress> m_progress;
    DotNetPluginLibrary::TWalkCatalogue m_walkCatalogue;
    DotNetPluginLibrary::TWalkReport m_walkReport;
    QPointer<QProcess> m_walkProcess;
    QPointer<TReportChartPane> m_chartPane;

    QPointer<QToolButton> m_crystalButton;
    QPointer<QToolButton> m_fastCrystalButton;
    QPointer<QtWidgets::TComboBox> m_reports;
    QPointer<QLabel> m_groupsLabel;
    QPointer<QtWidgets::TComboBox> m_groups;
    QPointer<QtWidgets::TComboBox> m_filters;
    QPointer<QtWidgets::TComboBox> m_outlets;
    QPointer<TCompareChoice> m_compare;
    QPointer<QPushButton> m_tablesButton;
    QPointer<QPushButton> m_creditsButton;
    QPointer<QPushButton> m_traineeButton;
    QPointer<QPushButton> m_inTurnOverButton;
    QPointer<QPushButton> m_startButton;
};
