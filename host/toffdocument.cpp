#include "toffdocument.h"

#include "pixmapresource.h"
#include "tcurrencies.h"
#include "terror.h"
#include "tinifile.h"
#include "tintermediatefile.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "toffapplication.h"
#include "toffconfig.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tpricetext.h"
#include "tsavefile.h"
#include "txlsxworkbook.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

TOffDocument::TOffDocument(const QString &key, TOffWindow *window)
    : QObject(nullptr)
    , m_key(key)
    , m_window(window)
{
    setObjectName(key);
    if (TOffApplication *application = TOffApplication::instance())
        connect(application, &TOffApplication::lngChanged, this, &TOffDocument::languageChange);
}

TOffDocument::~TOffDocument()
{
    delete m_view;
}

TOffWorkspace *TOffDocument::workspace() const
{
    return m_window ? m_window->workspace() : nullptr;
}

QString TOffDocument::caption() const
{
    return m_key;
}

QWidget *TOffDocument::createView(QWidget *parent)
{
    auto *list = new TOffListView(parent);
    for (const QString &title : columns())
        list->addColumn(title);
    if (list->columnCount() == 0)
        list->header()->hide();
    m_view = list;
    fill();
    return list;
}

QStringList TOffDocument::columns() const
{
    return {};
}

void TOffDocument::fill() { }

void TOffDocument::languageChange()
{
    const QStringList titles = columns();
    TOffListView *list = listView();
    if (list && !titles.isEmpty() && list->columnCount() == titles.size())
        list->setHeaderLabels(titles);
    if (m_window && m_window->currentDocument() == this && m_toolArea) {
        clearTools();
        onSelection();
    }
}

void TOffDocument::onSelection()
{
    if (m_window)
        m_window->status(getInformation(), false);
}

void TOffDocument::onDeselection() { }

void TOffDocument::createContext(QMenu *) { }

QString TOffDocument::getInformation() const
{
    return QString();
}

void TOffDocument::attach(QWidget *page, QWidget *toolArea)
{
    m_toolArea = toolArea;
    QWidget *view = createView(page);
    if (view)
        m_view = view;
}

TOffListView *TOffDocument::listView() const
{
    if (auto *list = qobject_cast<TOffListView *>(m_view.data()))
        return list;
    // a view made of parts: the list among them
    return m_view ? m_view->findChild<TOffListView *>() : nullptr;
}

void TOffDocument::addTool(QWidget *tool)
{
    if (!m_toolArea || !tool)
        return;
    tool->setParent(m_toolArea);
    if (QLayout *layout = m_toolArea->layout())
        layout->addWidget(tool);
    tool->show();
    m_toolArea->show();
}

void TOffDocument::clearTools()
{
    if (!m_toolArea)
        return;
    for (QWidget *child :
         m_toolArea->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        delete child;
    if (QLayout *layout = m_toolArea->layout()) {
        while (QLayoutItem *item = layout->takeAt(0))
            delete item;
    }
    m_toolArea->hide();
}

QToolButton *TOffDocument::addToolButton(const QString &key, const QKeySequence &shortcut,
                                         const QString &toolTip)
{
    auto *button = new QToolButton;
    button->setIcon(themedPixmap(key));
    button->setShortcut(shortcut);
    button->setToolTip(toolTip);
    addTool(button);
    return button;
}

void TOffDocument::addToolStretch()
{
    if (!m_toolArea)
        return;
    // a row that wraps its tools packs them to the left anyway
    if (auto *layout = qobject_cast<QBoxLayout *>(m_toolArea->layout()))
        layout->addStretch(1);
}

void TOffDocument::printHeader(QPainter &painter, QRect &area, int page)
{
    printTitle(painter, area, page, caption());
}

void TOffDocument::printTitle(QPainter &painter, QRect &area, int page, const QString &title)
{
    QFont font = painter.font();
    font.setBold(true);
    painter.save();
    painter.setFont(font);
    const int height = painter.fontMetrics().height();
    painter.drawText(QRect(area.left(), area.top(), area.width(), height), Qt::AlignLeft, title);
    painter.drawText(QRect(area.left(), area.top(), area.width(), height), Qt::AlignRight,
                     tr("Page %1").arg(page));
    painter.restore();
    area.setTop(area.top() + height * 2);
}

int TOffDocument::printLines(QTreeWidgetItem *item)
{
    int lines = 1;
    for (int c = 0; c < item->columnCount(); ++c)
        lines = qMax(lines, int(item->text(c).count(QLatin1Char('\n'))) + 1);
    return lines;
}

void TOffDocument::printItem(QPainter &painter, QRect &area, QTreeWidgetItem *item, int depth)
{
    TOffListView *list = listView();
    const int columnCount = item->columnCount();
    const int height = painter.fontMetrics().height();
    const int indent = painter.fontMetrics().horizontalAdvance(QLatin1Char('M')) * 2 * depth;
    int total = 0;
    for (int c = 0; c < columnCount; ++c)
        total += list ? qMax(1, list->columnWidth(c)) : 1;
    int x = area.left() + indent;
    const int width = area.width() - indent;
    for (int c = 0; c < columnCount; ++c) {
        const int share = list ? qMax(1, list->columnWidth(c)) : 1;
        const int columnWidth = columnCount == 1 ? width : width * share / qMax(1, total);
        // a line break inside an item goes on at the item's indentation
        int y = area.top();
        for (const QString &line : item->text(c).split(QLatin1Char('\n'))) {
            painter.drawText(QRect(x, y, columnWidth, height), Qt::AlignLeft | Qt::TextSingleLine,
                             line);
            y += height;
        }
        x += columnWidth;
    }
    area.setTop(area.top() + height * printLines(item));
}

bool TOffDocument::print(QPrinter *printer)
{
    TOffListView *list = listView();
    if (!printer || !list)
        return false;
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    painter.setFont(list->font());
    const QRect page = painter.viewport();
    int number = 1;
    QRect area = page;
    printHeader(painter, area, number);
    const int line = painter.fontMetrics().height();
    for (QTreeWidgetItemIterator it(list); *it; ++it) {
        if (area.top() + line * printLines(*it) > page.bottom()) {
            printer->newPage();
            area = page;
            printHeader(painter, area, ++number);
        }
        int depth = 0;
        for (QTreeWidgetItem *parent = (*it)->parent(); parent; parent = parent->parent())
            ++depth;
        printItem(painter, area, *it, depth);
    }
    painter.end();
    return true;
}

bool TOffDocument::printToPdf(const QString &fileName)
{
    return savePdf(fileName, [this](const QString &scratch) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(scratch);
        printer.setDocName(printTitle());
        return print(&printer);
    });
}

bool TOffDocument::savePdf(const QString &fileName,
                           const std::function<bool(const QString &scratch)> &pages)
{
    // the pages go to a temporary file first: a failed print leaves the
    // file that was there as it was
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString made = scratch.filePath(QStringLiteral("pages.pdf"));
    if (!pages(made))
        return false;
    QFile printed(made);
    if (!printed.open(QIODevice::ReadOnly) || printed.size() == 0)
        return false;
    try {
        Basics::TSaveFile file(fileName);
        file.open();
        file.write(printed.readAll());
        file.commit();
    } catch (const Basics::TError &e) {
        Basics::logError(QStringLiteral("%1: %2").arg(fileName, e.text()), Basics::LogModule::Host,
                         Basics::LogClass::OffDocument);
        return false;
    }
    return true;
}

QString TOffDocument::printTitle() const
{
    return caption();
}

QString TOffDocument::fileNameOf(const QString &text)
{
    QString name = text;
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")),
                 QStringLiteral("_"));
    name = name.simplified();
    return name.isEmpty() ? QStringLiteral("report") : name;
}

QString TOffDocument::pdfFileName() const
{
    return fileNameOf(printTitle());
}

bool TOffDocument::canExportWorkbook() const
{
    return listView() != nullptr;
}

bool TOffDocument::exportWorkbook(const QString &fileName, QString *error)
{
    const TOffListView *list = listView();
    if (!list) {
        *error = tr("%1: this document has no rows for a workbook").arg(fileName);
        return false;
    }
    QStringList header(QStringLiteral("depth"));
    for (int c = 0; c < list->columnCount(); ++c)
        header << list->headerItem()->text(c);
    QList<QStringList> rows {header};
    for (QTreeWidgetItem *item : list->allItems()) {
        int depth = 0;
        for (const QTreeWidgetItem *up = item->parent(); up; up = up->parent())
            ++depth;
        QStringList row(QString::number(depth));
        // the view pads numbers to align them
        for (int c = 0; c < list->columnCount(); ++c)
            row << item->text(c).trimmed();
        rows << row;
    }
    PosLib::TXlsxLayout layout;
    layout.numbers = {QStringLiteral("depth")};
    layout.guessOthers = true;
    TOffWorkspace *ws = workspace();
    const auto *currencies
            = ws ? qobject_cast<PosLib::TCurrencies *>(ws->getData(QStringLiteral("currencies")))
                 : nullptr;
    return PosLib::TXlsxWorkbook::write(fileName,
                                        PosLib::TXlsxWorkbook::sheets(rows, caption(), layout),
                                        PosLib::TXlsxCurrency::of(currencies), error);
}

void TOffDocument::onPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(printTitle());
    QPrintDialog dialog(&printer, m_window);
    if (dialog.exec() == QDialog::Accepted)
        print(&printer);
}

bool TOffDocument::crystalExport(Basics::TInifile &, const QString &, bool)
{
    // the host's part: the folder of the intermediate lists must be there
    const QString folder = TOffConfig::getCrystalDataPath();
    if (QDir().mkpath(folder))
        return true;
    Basics::logError(QStringLiteral("Folder %1 could not be made").arg(folder),
                     Basics::LogModule::Host, Basics::LogClass::OffDocument);
    QMessageBox::critical(m_window, tr("Error"),
                          tr("The folder %1 could not be made.").arg(folder));
    return false;
}

bool TOffDocument::crystalExport(Basics::TValueList *list, const QString &name,
                                 const QString &definition, bool, bool, bool append,
                                 const QString &file)
{
    if (!list || name.isEmpty())
        return false;
    const QString target
            = file.isEmpty() ? Crystal::intermediateFileName(TOffConfig::getCrystalDataPath(), name)
                             : file;
    try {
        Crystal::writeIntermediateFile(*list, definition, target, append);
        return true;
    } catch (const Basics::TError &e) {
        Basics::logError(e.text(), Basics::LogModule::Host, Basics::LogClass::OffDocument);
        return false;
    }
}

void TOffDocument::onCrystal(const QString &name)
{
    // the export definition of that name: the [default] layouts of the lists
    std::unique_ptr<Basics::TInifile> ini;
    try {
        ini = std::make_unique<Basics::TInifile>(
                TOffConfig::getCrystalFile(name + QStringLiteral(".ini")));
    } catch (const Basics::TError &e) {
        Basics::logError(e.text(), Basics::LogModule::Host, Basics::LogClass::OffDocument);
        QMessageBox::critical(m_window, tr("Error"), e.text());
        return;
    }
    if (crystalExport(*ini, TOffConfig::getCrystalDataPath(), false) && m_window)
        m_window->status(tr("Report data written to %1").arg(TOffConfig::getCrystalDataPath()),
                         false);
}

QProgressBar *TOffDocument::startProgressBar(int steps)
{
    return m_window ? m_window->startProgressBar(steps) : nullptr;
}

void TOffDocument::setProgress(QProgressBar *bar, int step)
{
    if (m_window)
        m_window->setProgress(bar, step);
}

void TOffDocument::endProgressBar(QProgressBar *bar)
{
    if (m_window)
        m_window->endProgressBar(bar);
}

QPixmap TOffDocument::themedPixmap(const QString &key, int size) const
{
    const int pixels = size > 0 ? size : (m_window ? m_window->getIconSize() : 22);
    const QString theme = m_window ? m_window->GetIconTheme() : QString();
    return getPixmapResource(key, pixels, theme, false);
}

QString TOffDocument::formatPrice(long cents) const
{
    TOffWorkspace *ws = workspace();
    return PosLib::priceText(
            ws ? qobject_cast<PosLib::TCurrencies *>(ws->getData(QStringLiteral("currencies")))
               : nullptr,
            cents);
}

QString TOffDocument::getCurrBez() const
{
    TOffWorkspace *ws = workspace();
    return PosLib::currencyShortName(
            ws ? qobject_cast<PosLib::TCurrencies *>(ws->getData(QStringLiteral("currencies")))
               : nullptr);
}

void TOffDocument::setChanged(bool changed)
{
    if (m_changed == changed)
        return;
    m_changed = changed;
    emit changedState(changed);
}
