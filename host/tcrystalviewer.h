#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <memory>

class QPagedPaintDevice;
class QTextBrowser;
class QTextDocument;
class QToolButton;

// A report the print engine rendered: its body and the header and footer
// of its printed pages (HTML, "{page}" and "{pages}" filled per page), and
// where relative pictures are looked up.
struct TCrystalReport
{
    QString body;
    QString pageHeader;
    QString pageFooter;
    QUrl baseUrl;
};

// The window that shows a filled report: the body on screen, "Print" and
// "PDF" for the paged report with the page header and footer on every
// page.
class TCrystalViewer : public QWidget
{
    Q_OBJECT
public:
    explicit TCrystalViewer(const TCrystalReport &report, QWidget *parent = nullptr);
    ~TCrystalViewer() override;

    const TCrystalReport &report() const { return m_report; }
    // The body as shown.
    QTextDocument *document() const;
    QToolButton *printButton() const { return m_print; }
    QToolButton *pdfButton() const { return m_pdf; }

    // Paints the pages on a printer or PDF device; the number of pages,
    // 0 when the device cannot be painted on.
    int paint(QPagedPaintDevice &device) const;
    // The report as a PDF document (A4), for a file or a test.
    QByteArray pdf() const;
    // Writes the PDF into the file safely; false (with a message box when
    // `tell`) when it cannot be written.
    bool writePdf(const QString &fileName, bool tell = true);

public Q_SLOTS:
    // Asks for a printer and prints.
    void onPrint();
    // Asks for a file and writes the PDF there.
    void onPdf();

private:
    // A page header or footer laid out for page `page` of `pages`.
    std::unique_ptr<QTextDocument> part(const QString &html, int page, int pages,
                                        qreal width) const;

    TCrystalReport m_report;
    QTextBrowser *m_view;
    QToolButton *m_print;
    QToolButton *m_pdf;
};
