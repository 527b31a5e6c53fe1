#include "tdlgoptausw.h"

#include "tcashcount.h"
#include "tcombobox.h"
#include "terror.h"
#include "tinifile.h"
#include "toffapplication.h"
#include "toffconfig.h"
#include "toffdlg.h"
#include "toffworkspace.h"
#include "treportitem.h"
#include "tvalue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QTimeEdit>
#include <QTreeWidget>

namespace {

const char *const ReportNames[TDlgOptAusw::ReportCount] = {
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Paid tables"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Journal"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Waiter payments"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "All waiters"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Waiter report"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Cost center report"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "All articles"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Articles per waiter"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Articles per cost center"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "All families"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Families per waiter"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Families per cost center"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "All voids"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Voids per Waiter"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Voids per cost center"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Void entries"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Void entries per waiter"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Void entries per cost center"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Hour summary"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Hour summary per waiter"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Hour summary per cost center"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Order summary"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Order summary per waiter"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Order summary per cost center"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "All family groups"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Family groups per waiter"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Family groups per cost center"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "All departments"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Departments per waiter"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Departments per cost center"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Minimal summary"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "All discounts"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Discounts per waiter"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Discounts per cost center"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "All pricefindings"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Pricefinding per waiter"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Pricefinding per cost center"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Table report"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Table report per cost center"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Hotel rooms"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Hotel rooms per waiter"),
        QT_TRANSLATE_NOOP("TDlgOptAusw", "Hotel rooms per cost center"),
};

} // namespace

QString TDlgOptAusw::reportName(int number)
{
    if (number < 1 || number > ReportCount)
        return QString();
    return QCoreApplication::translate("TDlgOptAusw", ReportNames[number - 1]);
}

TDlgOptAusw::TDlgOptAusw(TOffWorkspace *workspace, QWidget *parent)
    : TDlgOptAuswBase(parent)
    , m_workspace(workspace)
{
    fill();
    if (TOffApplication *application = TOffApplication::instance())
        connect(application, &TOffApplication::lngChanged, this, &TDlgOptAusw::languageChange);
}

TDlgOptAusw::~TDlgOptAusw() = default;

void TDlgOptAusw::fill()
{
    // the start of the day the back office runs with
    int offset = 0;
    if (TOffApplication *application = TOffApplication::instance())
        offset = application->dayOffset();
    const QTime start(offset / 100, offset % 100);
    m_Gastro->setTime(start.isValid() ? start : QTime(0, 0));

    m_DefRep->clear();
    m_DefRep->insertItem(0, tr("None"));
    for (int number = 1; number <= ReportCount; ++number)
        m_DefRep->insertItem(number, reportName(number));
    if (!m_DefRep->setCurrentId(TOffConfig::getDefReport()))
        m_DefRep->setCurrentIndex(0);

    fillReports(TOffConfig::getDisabledReps());
    fillFilters(TOffConfig::getDefFilter());
    const QString root = m_workspace ? m_workspace->getPath() : QDir::currentPath();
    const qint64 tolerance = PosLib::cashTolerance(root);
    m_Tolerance->setText(QStringLiteral("%1.%2")
                                 .arg(tolerance / 100)
                                 .arg(tolerance % 100, 2, 10, QLatin1Char('0')));
    m_ReceiptPrinter->setText(TOffConfig::getReceiptPrinter());
    m_ReceiptWidth->setCurrentIndex(m_ReceiptWidth->findData(TOffConfig::getReceiptWidth()));
    m_OpenTabs->setChecked(TOffConfig::getDefOpenTabs());
    m_WithoutCredits->setChecked(TOffConfig::getDefWithoutCredits());
}

void TDlgOptAusw::fillReports(const QStringList &disabled)
{
    m_Reports->clear();
    for (int number = 1; number <= ReportCount; ++number)
        new TReportItem(m_Reports, number, reportName(number),
                        !disabled.contains(QString::number(number)));
    m_Reports->sortByColumn(m_Reports->sortColumn(), m_Reports->header()->sortIndicatorOrder());
}

void TDlgOptAusw::fillFilters(int current)
{
    m_DefFlt->clear();
    m_DefFlt->insertItem(0, tr("None"));
    if (m_workspace)
        if (Basics::TValueList *filters = m_workspace->getData(QStringLiteral("sumfilters")))
            for (Basics::TValue *filter : filters->values())
                m_DefFlt->insertItem(filter->id(), filter->name());
    if (!m_DefFlt->setCurrentId(current))
        m_DefFlt->setCurrentIndex(0);
}

void TDlgOptAusw::languageChange()
{
    TDlgOptAuswBase::languageChange();
    // the names again, keeping what the user chose
    const int report = m_DefRep->currentId();
    const int filter = m_DefFlt->currentId();
    const QStringList disabled = disabledReports();
    m_DefRep->clear();
    m_DefRep->insertItem(0, tr("None"));
    for (int number = 1; number <= ReportCount; ++number)
        m_DefRep->insertItem(number, reportName(number));
    m_DefRep->setCurrentId(report);
    m_DefFlt->setItemText(0, QtWidgets::TComboBox::formatItem(0, tr("None"), m_DefFlt->idWidth()));
    m_DefFlt->setCurrentId(filter);
    fillReports(disabled);
}

int TDlgOptAusw::dayOffset() const
{
    const QTime time = m_Gastro->time();
    return time.hour() * 100 + time.minute();
}

QStringList TDlgOptAusw::disabledReports() const
{
    QList<int> numbers;
    for (int i = 0; i < m_Reports->topLevelItemCount(); ++i) {
        const auto *item = static_cast<const TReportItem *>(m_Reports->topLevelItem(i));
        if (!item->isChecked())
            numbers.append(item->number());
    }
    std::sort(numbers.begin(), numbers.end());
    QStringList texts;
    for (int number : numbers)
        texts.append(QString::number(number));
    return texts;
}

void TDlgOptAusw::accept()
{
    // 1. the start of the day and the count's tolerance, into the
    // installation's "globals.ini"
    const int offset = dayOffset();
    qint64 tolerance = 0;
    if (!PosLib::parseCountAmount(m_Tolerance->text(), &tolerance) || tolerance < 0) {
        TOffDlg::error(this, tr("The tolerance \"%1\" is no amount (write it as 5.00)")
                                     .arg(m_Tolerance->text()));
        return;
    }
    if (TOffDlg::checkElement(this, QStringLiteral("m_Gastro"))) {
        const QString file = TOffApplication::globalsFile(m_workspace ? m_workspace->getPath()
                                                                      : QDir::currentPath());
        try {
            QDir().mkpath(QFileInfo(file).absolutePath());
            Basics::TInifile globals(file);
            globals.writeInt(QStringLiteral("Settings"), QStringLiteral("dayoffs"), offset);
            globals.writeString(QStringLiteral("Settings"), QStringLiteral("cashtolerance"),
                                m_Tolerance->text().trimmed());
            globals.write();
        } catch (const Basics::TError &e) {
            TOffDlg::error(this, tr("Could not write %1").arg(Basics::userText(e, file)));
            return;
        }
        if (TOffApplication *application = TOffApplication::instance())
            application->setDayOffset(offset);
    }

    // 2. and 3. the defaults and the reports left out
    if (TOffDlg::checkElement(this, QStringLiteral("m_DefRep")))
        TOffConfig::setDefReport(qMax(0, m_DefRep->currentId()));
    if (TOffDlg::checkElement(this, QStringLiteral("m_DefFlt")))
        TOffConfig::setDefFilter(qMax(0, m_DefFlt->currentId()));
    if (TOffDlg::checkElement(this, QStringLiteral("m_OpenTabs")))
        TOffConfig::setDefOpenTabs(m_OpenTabs->isChecked());
    if (TOffDlg::checkElement(this, QStringLiteral("m_WithoutCredits")))
        TOffConfig::setDefWithoutCredits(m_WithoutCredits->isChecked());
    if (TOffDlg::checkElement(this, QStringLiteral("m_Reports")))
        TOffConfig::setDisabledReps(disabledReports());
    if (TOffDlg::checkElement(this, QStringLiteral("m_ReceiptPrinter")))
        TOffConfig::setReceiptPrinter(m_ReceiptPrinter->text());
    if (TOffDlg::checkElement(this, QStringLiteral("m_ReceiptWidth")))
        TOffConfig::setReceiptWidth(m_ReceiptWidth->currentData().toInt());

    // 4. the configuration file
    if (!TOffDlg::writeConfig(this))
        return;
    TDlgOptAuswBase::accept();
}

void TDlgOptAusw::onHelp()
{
    TOffDlg::showHelp(this, QStringLiteral("veltrum.html#options"));
}
