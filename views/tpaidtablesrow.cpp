#include "tpaidtablesdoc.h"

#include "pixmapresource.h"
#include "tcombobox.h"
#include "toffapplication.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "treportkinds.h"
#include "tvalue.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>

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

// Shows the face `index` of an option button. The button is as wide as
// its widest face, so that the buttons after it do not move when it
// changes, and it keeps its key (setting a button's text sets the key of
// the text's mnemonic instead).
template<size_t N>
void paintButton(QPushButton *button, const Face (&faces)[N], int index)
{
    if (!button)
        return;
    const QKeySequence key = button->shortcut();
    int width = 0;
    for (const Face &face : faces) {
        button->setText(TPaidTablesDoc::tr(face.text));
        width = std::max(width, button->sizeHint().width());
    }
    const Face &face = faces[index];
    button->setText(TPaidTablesDoc::tr(face.text));
    button->setFixedWidth(width);
    button->setShortcut(key);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, face.colour);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
    button->setToolTip(TPaidTablesDoc::tr(face.tip));
}

} // namespace

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

    // the derived document's own, first: the range statistics' range
    addRowTools();

    auto editableBox = [this](const char *name, const QString &tip) {
        auto *box = new QtWidgets::TComboBox;
        box->setObjectName(QLatin1String(name));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setToolTip(tip);
        // as wide as its longest entry: a chosen report or filter is read whole
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
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

    m_compare = new TCompareChoice;
    label(tr("Compare with:"), m_compare);
    addTool(m_compare);

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
    // a batch brings its own filter
    connect(m_reports, &QComboBox::currentIndexChanged, this, &TPaidTablesDoc::showBatchFilter);
    connect(m_reports, &QComboBox::editTextChanged, this, &TPaidTablesDoc::showBatchFilter);
    showBatchFilter();
}

void TPaidTablesDoc::showBatchFilter()
{
    if (!m_filters || !m_reports)
        return;
    const int id = m_reports->currentId();
    const bool batch = id > BatchKindOffset && id < PluginKindOffset;
    if (batch == !m_filters->isEnabled())
        return;
    m_filters->setEnabled(!batch);
    if (batch) {
        m_filterTip = m_filters->toolTip();
        m_filters->setToolTip(tr("A batch uses the filter it was saved with (Reporting "
                                 "batches); this box applies to single reports"));
    } else if (!m_filterTip.isEmpty()) {
        m_filters->setToolTip(m_filterTip);
    }
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
    paintButton(m_tablesButton, faces, m_withoutTables ? 1 : 0);
}

void TPaidTablesDoc::drawCreditsButton()
{
    static const Face faces[] = {
            {QT_TR_NOOP("Without credits"), Green,
             QT_TR_NOOP("Remove all credit articles from this report's data")},
            {QT_TR_NOOP("With credits"), Red,
             QT_TR_NOOP("Add all credit articles to this report's data")},
    };
    paintButton(m_creditsButton, faces, m_withCredits ? 1 : 0);
}

void TPaidTablesDoc::drawInTurnOverButton()
{
    static const Face faces[] = {
            {QT_TR_NOOP("All"), Blue, QT_TR_NOOP("Show both, in summary or not")},
            {QT_TR_NOOP("In summary"), Red, QT_TR_NOOP("Show report for in summary")},
            {QT_TR_NOOP("Not in summary"), Green, QT_TR_NOOP("Show report for not in summary")},
    };
    paintButton(m_inTurnOverButton, faces, m_inTurnOver);
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
    paintButton(m_traineeButton, faces, m_trainee);
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
