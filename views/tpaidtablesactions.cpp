#include "tpaidtablesdoc.h"

#include "dotnetpluginhost.h"
#include "tcrystalhandover.h"
#include "tdayclosing.h"
#include "terror.h"
#include "tinstallation.h"
#include "toffdlg.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tpaidtablesjournal.h"
#include "twaiter.h"

#include <QMessageBox>
#include <QProcess>

using namespace PosLib;

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
    options.from = hasDate() ? m_from : businessDay(root, QDateTime::currentDateTime());
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
