#pragma once

#include "toffdatadoc.h"

#include <QDateTime>
#include <QPointer>
#include <QStringList>

#include <QDialog>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QToolButton>

class TClosingsRead;
class TProgressRun;

namespace PosLib {
struct TClosingRow;
}

// The day closings of the installation, one row each in Z order (Z, day,
// whole day or waiter, bills, first and last bill, total, verified), as
// `veltrum z` lists them. The tool row reprints the Z report of the chosen
// closing, saves it as PDF, verifies every closing against its record and
// fills the list again (F5). The closings are read and verified away from
// the window (TClosingsRead); the list shows the rows it had until they
// come.
class TClosingsDoc : public TOffDataDoc
{
    Q_OBJECT
public:
    explicit TClosingsDoc(TOffWindow *window);
    ~TClosingsDoc() override;

    QString caption() const override;
    QStringList columns() const override;
    QWidget *createView(QWidget *parent) override;
    void fill() override;
    bool isFilling() const override;
    void onSelection() override;
    QString getInformation() const override;

    // The Z counter of the chosen row; 0 when none is chosen.
    long currentZ() const;
    // Chooses the row of `z`; false when the list has none.
    bool selectZ(long z);

    // The Z report of `z` as its lines, headed "Day turnover <Z> from …";
    // empty when there is no such closing. `receipt`: laid out for the
    // receipt printer (TZReport::setReceipt).
    QStringList zReport(long z, QString *title = nullptr, bool receipt = false) const;
    // Writes the Z report of `z` as PDF; false when there is no such
    // closing or the file cannot be written.
    bool saveZReportPdf(long z, const QString &fileName) const;
    // Prints the Z report of `z` on the receipt printer of the options
    // (TOffConfig::getReceiptPrinter(), its width); false with the reason.
    bool printReceipt(long z, QString *error = nullptr) const;
    // The file the Z report of `z` is proposed under: its title and the
    // installation's name, in the folder of the last PDF (else the user's
    // documents folder); empty when there is no such closing.
    QString proposedZReportPdf(long z) const;

    // The clock the Z report's summary is printed with; the current time
    // unless set.
    void setNow(const QDateTime &now) { m_now = now; }

    // The window that shows a reprinted Z report, while it is open.
    QDialog *reportDialog() const { return m_reportDialog; }
    QPlainTextEdit *reportText() const { return m_reportText; }
    // "Receipt printer" of that window: shown when one is configured.
    QPushButton *receiptButton() const { return m_receipt; }
    QToolButton *reprintButton() const { return m_reprint; }
    QToolButton *pdfButton() const { return m_pdf; }
    QPushButton *verifyButton() const { return m_verify; }
    // The progress of a verification while it runs; null otherwise.
    QProgressDialog *verifyProgress() const;

Q_SIGNALS:
    // The rows of the last fill() are shown.
    void filled();

public Q_SLOTS:
    // Shows the Z report of the chosen closing in a window of its own,
    // with "Print…" and "Close".
    void onReprint();
    // Asks for a file and saves the chosen closing's Z report as PDF.
    void onPdf();
    // Verifies and shows the outcome in a message box.
    void onVerify();
    void onRefresh();
    // Titles, tool row and the rows' kinds and verdicts in the new
    // language, on the same row; a Z report shown stays as it was printed.
    void languageChange() override;

private:
    void showRows(const QList<PosLib::TClosingRow> &rows, const QString &error);

    TClosingsRead *m_read = nullptr;
    QString m_readError;
    QDateTime m_now;
    int m_count = 0;
    int m_failing = 0;
    QPointer<QDialog> m_reportDialog;
    QPointer<QPlainTextEdit> m_reportText;
    QPointer<QToolButton> m_reprint;
    QPointer<QToolButton> m_pdf;
    QPointer<QPushButton> m_verify;
    TProgressRun *m_verifyRun = nullptr;
    QPointer<QPushButton> m_receipt;
    long m_reportZ = 0;
};
