#include "tcrystalviewer.h"

#include "terror.h"
#include "tsavefile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Pages are laid out at 96 dots per inch and scaled to the device.
constexpr qreal LayoutDpi = 96.0;
// Space between the page header or footer and the body.
constexpr qreal Gap = 8.0;

} // namespace

TCrystalViewer::TCrystalViewer(const TCrystalReport &report, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_report(report)
{
    setObjectName(QStringLiteral("tcrystalviewer"));
    auto *layout = new QVBoxLayout(this);
    auto *tools = new QHBoxLayout;
    m_print = new QToolButton(this);
    m_print->setText(tr("Print"));
    m_print->setShortcut(QKeySequence::Print);
    connect(m_print, &QToolButton::clicked, this, &TCrystalViewer::onPrint);
    m_pdf = new QToolButton(this);
    m_pdf->setText(tr("PDF"));
    connect(m_pdf, &QToolButton::clicked, this, &TCrystalViewer::onPdf);
    auto *close = new QToolButton(this);
    close->setText(tr("Close"));
    connect(close, &QToolButton::clicked, this, &QWidget::close);
    tools->addWidget(m_print);
    tools->addWidget(m_pdf);
    tools->addStretch(1);
    tools->addWidget(close);
    layout->addLayout(tools);

    m_view = new QTextBrowser(this);
    m_view->setOpenLinks(false);
    m_view->document()->setBaseUrl(m_report.baseUrl);
    m_view->setHtml(m_report.body);
    layout->addWidget(m_view, 1);
    resize(760, 820);
}

TCrystalViewer::~TCrystalViewer() = default;

QTextDocument *TCrystalViewer::document() const
{
    return m_view->document();
}

std::unique_ptr<QTextDocument> TCrystalViewer::part(const QString &html, int page, int pages,
                                                    qreal width) const
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setBaseUrl(m_report.baseUrl);
    doc->setDefaultFont(document()->defaultFont());
    QString text = html;
    text.replace(QLatin1String("{page}"), QString::number(page));
    text.replace(QLatin1String("{pages}"), QString::number(pages));
    doc->setHtml(text);
    doc->setTextWidth(width);
    return doc;
}

int TCrystalViewer::paint(QPagedPaintDevice &device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const qreal scale = device.logicalDpiY() / LayoutDpi;
    const qreal width = device.width() / scale;
    const qreal height = device.height() / scale;

    // header and footer take the same room on every page
    auto room = [&](const QString &html) {
        return html.trimmed().isEmpty() ? 0.0 : part(html, 1, 1, width)->size().height() + Gap;
    };
    const qreal top = room(m_report.pageHeader);
    const qreal bottom = room(m_report.pageFooter);
    const qreal bodyHeight = qMax<qreal>(height - top - bottom, height / 4);

    std::unique_ptr<QTextDocument> body(document()->clone());
    body->setBaseUrl(m_report.baseUrl); // a copy forgets where its pictures are
    body->setPageSize(QSizeF(width, bodyHeight));
    const int pages = qMax(1, body->pageCount());

    painter.scale(scale, scale);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        if (top > 0)
            part(m_report.pageHeader, page + 1, pages, width)->drawContents(&painter);
        painter.save();
        painter.translate(0, top - page * bodyHeight);
        body->drawContents(&painter, QRectF(0, page * bodyHeight, width, bodyHeight));
        painter.restore();
        if (bottom > 0) {
            painter.save();
            painter.translate(0, height - bottom + Gap);
            part(m_report.pageFooter, page + 1, pages, width)->drawContents(&painter);
            painter.restore();
        }
    }
    painter.end();
    return pages;
}

QByteArray TCrystalViewer::pdf() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(windowTitle());
        writer.setCreator(QStringLiteral("Veltrum"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        if (paint(writer) == 0)
            return QByteArray();
    }
    return bytes;
}

bool TCrystalViewer::writePdf(const QString &fileName, bool tell)
{
    const QByteArray bytes = pdf();
    if (bytes.isEmpty()) {
        if (tell)
            QMessageBox::critical(this, tr("Error"), tr("The PDF could not be made."));
        return false;
    }
    try {
        Basics::TSaveFile file(fileName);
        file.open();
        file.write(bytes);
        file.commit();
        return true;
    } catch (const Basics::TError &e) {
        if (tell)
            QMessageBox::critical(this, tr("Error"),
                                  tr("The PDF file could not be written.\n%1").arg(e.text()));
        return false;
    }
}

void TCrystalViewer::onPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        paint(printer);
}

void TCrystalViewer::onPdf()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString file = QFileDialog::getSaveFileName(
            this, tr("Export as PDF"),
            QDir(folder).filePath(windowTitle() + QStringLiteral(".pdf")), tr("PDF files (*.pdf)"));
    if (!file.isEmpty())
        writePdf(file);
}
