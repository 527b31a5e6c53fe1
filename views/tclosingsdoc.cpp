#include "tclosingsdoc.h"

#include "installationname.h"
#include "tclosingsread.h"
#include "tprogressrun.h"
#include "verifyinstallation.h"

#include "tfigures.h"
#include "tlocaltext.h"
#include "toffconfig.h"
#include "tofflistitem.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "treceipt.h"
#include "tworkspacelists.h"
#include "tzreport.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

using namespace PosLib;

namespace {

// The closing's row: sorts by number in the number columns.
class TClosingItem : public TOffListItem
{
public:
    TClosingItem(TOffListView *view, const TClosingRow &row, const QStringList &texts)
        : TOffListItem(view)
        , m_row(row)
    {
        for (int column = 0; column < texts.size(); ++column)
            setText(column, texts.at(column));
    }
    long z() const { return m_row.z; }
    QString key(int column) const override
    {
        auto number
                = [](qint64 n) { return QStringLiteral("%1").arg(n, 20, 10, QLatin1Char('0')); };
        switch (column) {
        case 0:
            return number(m_row.z);
        case 1:
            return m_row.date.toString(Qt::ISODate);
        case 3:
            return number(m_row.bills);
        case 4:
            return number(m_row.firstBill);
        case 5:
            return number(m_row.lastBill);
        case 6:
            return number(m_row.amount + (qint64(1) << 40));
        case 7:
            return number(m_row.countDifference + (qint64(1) << 40));
        default:
            return TOffListItem::key(column);
        }
    }

private:
    TClosingRow m_row;
};

// The Z report as a document of monospace lines, for printing and PDF.
void layOut(QTextDocument &document, const QStringList &lines)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(9);
    document.setDefaultFont(font);
    document.setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace

TClosingsDoc::TClosingsDoc(TOffWindow *window)
    : TOffDataDoc(QStringLiteral("closings"), window, false)
    , m_read(new TClosingsRead(this))
{
    setHelpTopic(QStringLiteral("closings"));
    connect(m_read, &TClosingsRead::read, this, &TClosingsDoc::showRows);
}

TClosingsDoc::~TClosingsDoc()
{
    delete m_reportDialog;
}

QString TClosingsDoc::caption() const
{
    return tr("Closings");
}

QStringList TClosingsDoc::columns() const
{
    return {tr("Z"),
            tr("Date"),
            tr("Kind"),
            figureCaption(TFigure::Bills),
            tr("First bill"),
            tr("Last bill"),
            figureCaption(TFigure::BillTotal),
            tr("Count difference"),
            tr("Verified")};
}

QWidget *TClosingsDoc::createView(QWidget *parent)
{
    QWidget *view = TOffDataDoc::createView(parent);
    if (auto *list = qobject_cast<TOffListView *>(view)) {
        list->setSortingEnabled(true);
        list->sortByColumn(0, Qt::AscendingOrder);
        connect(list, &QTreeWidget::itemDoubleClicked, this, &TClosingsDoc::onReprint);
    }
    if (TOffWorkspace *ws = workspace())
        connect(ws, &TOffWorkspace::dayClosed, this, &TClosingsDoc::fill);
    return view;
}

void TClosingsDoc::fill()
{
    TOffWorkspace *ws = workspace();
    if (!listView() || !ws)
        return;
    m_read->start(ws->getPath());
    if (window() && window()->currentDocument() == this)
        window()->status(getInformation(), false);
}

bool TClosingsDoc::isFilling() const
{
    return m_read->isRunning();
}

void TClosingsDoc::showRows(const QList<TClosingRow> &rows, const QString &error)
{
    TOffListView *list = listView();
    if (!list)
        return;
    // the row chosen meanwhile stays chosen
    const long chosen = currentZ();
    list->clear();
    m_count = 0;
    m_failing = 0;
    m_readError = error;
    for (const TClosingRow &row : rows) {
        const bool figures = row.hasRecord;
        const QStringList texts {
                QString::number(row.z),
                Basics::dateText(row.date),
                row.kind,
                QString::number(row.bills),
                figures && row.bills ? QString::number(row.firstBill) : QString(),
                figures && row.bills ? QString::number(row.lastBill) : QString(),
                figures ? formatPrice(long(row.amount)) : QString(),
                row.counted ? formatPrice(long(row.countDifference)) : QString(),
                row.verified,
        };
        new TClosingItem(list, row, texts);
        ++m_count;
        if (row.hasRecord && !row.holds)
            ++m_failing;
    }
    if (!selectZ(chosen) && list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(list->topLevelItemCount() - 1));
    if (window() && window()->currentDocument() == this)
        window()->status(getInformation(), false);
    emit filled();
}

void TClosingsDoc::onSelection()
{
    m_reprint = addToolButton(QStringLiteral("PRINT"), Qt::CTRL | Qt::Key_P,
                              tr("Reprint the Z report of the chosen closing (<b>Ctrl+P</b>)"));
    connect(m_reprint, &QToolButton::clicked, this, &TClosingsDoc::onReprint);
    m_pdf = addToolButton(QStringLiteral("PDF"), Qt::CTRL | Qt::Key_S,
                          tr("Save the Z report of the chosen closing as PDF (<b>Ctrl+S</b>)"));
    connect(m_pdf, &QToolButton::clicked, this, &TClosingsDoc::onPdf);
    m_verify = new QPushButton(tr("&Verify"));
    m_verify->setToolTip(tr("Check every closing against its closing record, and every closed "
                            "day's records, summary and bills against each other"));
    connect(m_verify, &QPushButton::clicked, this, &TClosingsDoc::onVerify);
    addTool(m_verify);
    QToolButton *refresh = addToolButton(QStringLiteral("REFRESH"), Qt::Key_F5,
                                         tr("Read the closings again (<b>F5</b>)"));
    connect(refresh, &QToolButton::clicked, this, &TClosingsDoc::onRefresh);
    addToolStretch();
    TOffDataDoc::onSelection();
}

QString TClosingsDoc::getInformation() const
{
    if (isFilling())
        return tr("Reading and verifying the closings...");
    if (!m_readError.isEmpty())
        return tr("The closings could not be read: %1").arg(m_readError);
    if (m_failing > 0)
        return tr("%1 closings, %2 of them do not verify").arg(m_count).arg(m_failing);
    return tr("%1 closings").arg(m_count);
}

long TClosingsDoc::currentZ() const
{
    TOffListView *list = listView();
    const auto *item = list ? dynamic_cast<TClosingItem *>(list->currentItem()) : nullptr;
    return item ? item->z() : 0;
}

bool TClosingsDoc::selectZ(long z)
{
    TOffListView *list = listView();
    if (!list || z == 0)
        return false;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        auto *item = dynamic_cast<TClosingItem *>(list->topLevelItem(i));
        if (item && item->z() == z) {
            list->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

QStringList TClosingsDoc::zReport(long z, QString *title, bool receipt) const
{
    TOffWorkspace *ws = workspace();
    if (!ws || z == 0)
        return {};
    TZReport report(ws->lists(), ws->getPath());
    report.setReceipt(receipt);
    if (!report.build(z, m_now))
        return {};
    if (title)
        *title = report.title();
    return report.lines();
}

bool TClosingsDoc::saveZReportPdf(long z, const QString &fileName) const
{
    QString title;
    const QStringList lines = zReport(z, &title);
    if (lines.isEmpty())
        return false;
    return savePdf(fileName, [&title, &lines](const QString &scratch) {
        QPdfWriter pdf(scratch);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Veltrum"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QTextDocument document;
        layOut(document, lines);
        document.print(&pdf);
        return true;
    });
}

QString TClosingsDoc::proposedZReportPdf(long z) const
{
    QString title;
    if (zReport(z, &title).isEmpty())
        return QString();
    TOffWorkspace *ws = workspace();
    QStringList parts {title, ws ? installationNameIn(ws->getPath()) : QString()};
    parts.removeAll(QString());
    return QDir(TOffWindow::pdfFolder())
            .filePath(fileNameOf(parts.join(QLatin1Char(' '))) + QStringLiteral(".pdf"));
}

void TClosingsDoc::onReprint()
{
    const long z = currentZ();
    QString title;
    const QStringList lines = zReport(z, &title);
    if (lines.isEmpty())
        return;
    if (!m_reportDialog) {
        m_reportDialog = new QDialog(window());
        m_reportDialog->setObjectName(QStringLiteral("tzreportdlg"));
        m_reportDialog->resize(720, 640);
        auto *layout = new QVBoxLayout(m_reportDialog);
        m_reportText = new QPlainTextEdit;
        m_reportText->setReadOnly(true);
        m_reportText->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_reportText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        layout->addWidget(m_reportText);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
        QPushButton *print = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
        // the receipt printer at the bar, when one is configured
        m_receipt = buttons->addButton(tr("&Receipt printer"), QDialogButtonBox::ActionRole);
        m_receipt->setObjectName(QStringLiteral("receiptPrinter"));
        connect(m_receipt, &QPushButton::clicked, this, [this] {
            QString error;
            if (!printReceipt(m_reportZ, &error))
                QMessageBox::critical(m_reportDialog, tr("Error"),
                                      tr("The receipt was not printed: %1").arg(error));
        });
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::rejected, m_reportDialog, &QDialog::close);
        connect(print, &QPushButton::clicked, this, [this] {
            QPrinter printer;
            QPrintDialog dialog(&printer, m_reportDialog);
            if (dialog.exec() != QDialog::Accepted)
                return;
            QTextDocument document;
            layOut(document, m_reportText->toPlainText().split(QLatin1Char('\n')));
            document.print(&printer);
        });
    }
    m_reportZ = z;
    m_receipt->setVisible(!TOffConfig::getReceiptPrinter().isEmpty());
    m_receipt->setToolTip(tr("Print on %1, %2 columns")
                                  .arg(TOffConfig::getReceiptPrinter())
                                  .arg(TOffConfig::getReceiptWidth()));
    m_reportDialog->setWindowTitle(title);
    m_reportText->setPlainText(lines.join(QLatin1Char('\n')));
    m_reportDialog->show();
    m_reportDialog->raise();
}

bool TClosingsDoc::printReceipt(long z, QString *error) const
{
    const QString printer = TOffConfig::getReceiptPrinter();
    if (printer.isEmpty()) {
        if (error)
            *error = tr("no receipt printer is set in the options");
        return false;
    }
    const QStringList lines = zReport(z, nullptr, true);
    if (lines.isEmpty()) {
        if (error)
            *error = tr("there is no closing with Z counter %1").arg(z);
        return false;
    }
    const QByteArray bytes = escPosBytes(receiptLines(lines, TOffConfig::getReceiptWidth()));
    const bool path = printer.startsWith(QLatin1Char('/'));
    return sendReceipt(bytes, path ? printer : QString(), path ? QString() : printer, error);
}

void TClosingsDoc::onPdf()
{
    const long z = currentZ();
    const QString proposed = z == 0 ? QString() : proposedZReportPdf(z);
    if (proposed.isEmpty())
        return;
    const QString fileName = QFileDialog::getSaveFileName(window(), tr("Save Z report"), proposed,
                                                          tr("PDF (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (!saveZReportPdf(z, fileName)) {
        QMessageBox::critical(window(), tr("Error"), tr("Could not write %1").arg(fileName));
        return;
    }
    if (window())
        window()->status(tr("Written to %1").arg(fileName));
    TOffWindow::rememberPdfFolder(fileName);
}

QProgressDialog *TClosingsDoc::verifyProgress() const
{
    return m_verifyRun ? m_verifyRun->dialog() : nullptr;
}

void TClosingsDoc::onVerify()
{
    TOffWorkspace *ws = workspace();
    if (!ws)
        return;
    // away from the window: verify reads every bill and summary
    TProgressRun progress(window(), tr("Verify"),
                          tr("Verifying the closings and every closed day..."));
    const QString root = ws->getPath();
    TVerification result;
    m_verifyRun = &progress;
    progress.run([&] {
        result = verifyInstallation(
                root, [&progress](int done, int total) { progress.step(done, total); },
                [&progress] { return !progress.isCancelled(); });
    });
    m_verifyRun = nullptr;
    const QStringList &findings = result.findings;
    const bool cancelled = result.cancelled;
    fill();

    if (cancelled)
        QMessageBox::information(window(), tr("Verify"),
                                 tr("Verification cancelled; %n finding(s) until then.", nullptr,
                                    int(findings.size())));
    else if (findings.isEmpty())
        QMessageBox::information(window(), tr("Verify"),
                                 tr("Every closing holds: its bills, record and Z number are as "
                                    "the closing left them, and the closing records, day "
                                    "summaries and bills of every day agree."));
    else
        QMessageBox::warning(window(), tr("Verify"),
                             tr("%1 finding(s):\n%2")
                                     .arg(findings.size())
                                     .arg(findings.join(QLatin1Char('\n'))));
}

void TClosingsDoc::languageChange()
{
    TOffDataDoc::languageChange();
    fill();
}

void TClosingsDoc::onRefresh()
{
    fill();
    TOffDataDoc::onSelection();
}
