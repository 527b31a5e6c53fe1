#include "trangechartdoc.h"

#include "installationname.h"
#include "tcurrencies.h"
#include "tdatepicker.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tworkspacelists.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QSplitter>

using namespace PosLib;

namespace {

QString shortDate(const QDate &day)
{
    return QLocale().toString(day, QLocale::ShortFormat);
}

QString isoDate(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

} // namespace

QString rangeText(const QDate &from, const QDate &to, QString (*date)(const QDate &))
{
    if (!to.isValid() || from == to)
        return date(from);
    return QStringLiteral("%1 - %2").arg(date(from), date(to));
}

TRangeChartDoc::TRangeChartDoc(const QString &key, TOffWindow *window)
    : TOffDataDoc(key, window, false)
{ }

TRangeChartDoc::~TRangeChartDoc() = default;

void TRangeChartDoc::setRange(const QDate &from, const QDate &to)
{
    m_from = from;
    m_to = from.isValid() && to.isValid() ? to : from;
    if (m_fromEdit)
        m_fromEdit->setDate(m_from);
    if (m_toEdit)
        m_toEdit->setDate(from.isValid() ? m_to : QDate());
}

QWidget *TRangeChartDoc::createView(QWidget *parent)
{
    m_splitter = new QSplitter(Qt::Vertical, parent);
    QWidget *list = TOffDataDoc::createView(m_splitter);
    if (auto *view = qobject_cast<TOffListView *>(list))
        prepareList(view);
    m_splitter->addWidget(list);
    m_chartView = new QChartView(m_splitter);
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumHeight(260);
    m_splitter->addWidget(m_chartView);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 1);
    return m_splitter;
}

void TRangeChartDoc::prepareList(TOffListView *list)
{
    list->setRootIsDecorated(true);
    list->header()->setStretchLastSection(false);
}

const TCurrencies *TRangeChartDoc::currencies() const
{
    TOffWorkspace *ws = workspace();
    return ws ? static_cast<TCurrencies *>(ws->lists()->get(QStringLiteral("currencies")))
              : nullptr;
}

void TRangeChartDoc::addRangeTools()
{
    auto *fromLabel = new QLabel(tr("From:"));
    addTool(fromLabel);
    m_fromEdit = new QtWidgets::TDatePicker;
    m_fromEdit->setToolTip(tr("The first closed day; empty for the current day"));
    m_fromEdit->setDate(m_from);
    fromLabel->setBuddy(m_fromEdit);
    addTool(m_fromEdit);
    auto *toLabel = new QLabel(tr("To:"));
    addTool(toLabel);
    m_toEdit = new QtWidgets::TDatePicker;
    m_toEdit->setToolTip(tr("The last closed day; empty for the first day alone"));
    m_toEdit->setDate(m_from.isValid() ? m_to : QDate());
    toLabel->setBuddy(m_toEdit);
    addTool(m_toEdit);
}

void TRangeChartDoc::takeRange()
{
    if (m_fromEdit)
        m_from = m_fromEdit->date();
    if (m_toEdit)
        m_to = m_toEdit->date().isValid() ? m_toEdit->date() : m_from;
    if (m_from.isValid() && m_to < m_from)
        std::swap(m_from, m_to);
}

void TRangeChartDoc::saveAsPdf(const QString &dialogTitle)
{
    const QString fileName = QFileDialog::getSaveFileName(
            window(), dialogTitle, TOffWindow::proposedPdfFile(this), tr("PDF (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (!savePdf(fileName)) {
        QMessageBox::critical(window(), tr("Error"), tr("Could not write %1").arg(fileName));
        return;
    }
    if (window())
        window()->status(tr("Written to %1").arg(fileName));
    TOffWindow::rememberPdfFolder(fileName);
}

QString TRangeChartDoc::printTitle() const
{
    TOffWorkspace *ws = workspace();
    QStringList parts {caption(), runDays(&shortDate),
                       ws ? installationNameIn(ws->getPath()) : QString()};
    parts.removeAll(QString());
    return parts.join(QStringLiteral(" - "));
}

QString TRangeChartDoc::pdfFileName() const
{
    TOffWorkspace *ws = workspace();
    QStringList parts {caption(), runDays(&isoDate),
                       ws ? installationNameIn(ws->getPath()) : QString()};
    parts.removeAll(QString());
    return fileNameOf(parts.join(QLatin1Char(' ')));
}
