#include "toffwindow.h"

#include "pixmapresource.h"
#include "tcrystalviewer.h"
#include "terror.h"
#include "tfilenotices.h"
#include "tflowlayout.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "toffapplication.h"
#include "toffconfig.h"
#include "toffdlg.h"
#include "toffdocument.h"
#include "toffhelp.h"
#include "tofflistview.h"
#include "tofftreeitem.h"
#include "toffworkspace.h"
#include "tprintengine.h"
#include "tvalue.h"
#include "twaiter.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>

TOffWindow::TOffWindow(TOffWorkspace *workspace, QWidget *parent)
    : QMainWindow(parent)
    , m_workspace(workspace)
{
    setObjectName(QStringLiteral("TOffWindow"));

    auto *splitter = new QSplitter(this);
    m_tree = new TOffListView(splitter);
    m_tree->setObjectName(QStringLiteral("documentTree"));
    m_tree->addColumn(QString());
    m_tree->header()->hide();
    m_tree->setAlternatingRowColors(false);
    m_root = new TOffTreeItem(nullptr, m_tree);
    m_root->setIcon(0, getPixmapResource(QStringLiteral("WORKSPACE"), 16, m_iconTheme, false));
    m_root->setExpanded(true);

    auto *area = new QWidget(splitter);
    auto *areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(4, 0, 0, 0);
    m_caption = new QLabel(area);
    QFont captionFont = m_caption->font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.2);
    m_caption->setFont(captionFont);
    areaLayout->addWidget(m_caption);
    m_pages = new QStackedWidget(area);
    m_emptyPage = new QWidget(m_pages);
    m_pages->addWidget(m_emptyPage);
    areaLayout->addWidget(m_pages, 1);
    splitter->addWidget(m_tree);
    splitter->addWidget(area);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 680});
    setCentralWidget(splitter);

    m_statusLabel = new QLabel(this);
    statusBar()->addWidget(m_statusLabel, 1);
    m_progress = new QProgressBar(this);
    m_progress->setMaximumWidth(200);
    m_progress->hide();
    statusBar()->addPermanentWidget(m_progress);
    // a list read as empty because its file went missing beside a kept copy
    connect(&Basics::TFileNotices::instance(), &Basics::TFileNotices::notice, this,
            [this](const QString &text) { status(text); });

    buildMenus();
    initText();
    if (TOffApplication *application = TOffApplication::instance())
        connect(application, &TOffApplication::lngChanged, this, &TOffWindow::initText);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, &TOffWindow::onTreeItemChanged);
    auto activate = [](QTreeWidgetItem *item) {
        if (auto *treeItem = dynamic_cast<TOffTreeItem *>(item))
            treeItem->activate();
    };
    connect(m_tree, &QTreeWidget::itemClicked, this, activate);
    connect(m_tree, &TOffListView::returnPressed, this, activate);
    connect(m_tree, &TOffListView::contextRequested, this,
            [this](QTreeWidgetItem *item, const QPoint &pos) {
                auto *treeItem = dynamic_cast<TOffTreeItem *>(item);
                if (treeItem && treeItem->document()) {
                    selectItem(treeItem);
                    showContext(treeItem->document(), pos);
                }
            });
    if (m_workspace)
        connect(&m_workspace->documents(), &TOffDocDict::aboutToRemove, this,
                &TOffWindow::onDocumentRemoved);
    resize(960, 640);
}

TOffWindow::~TOffWindow() = default;

void TOffWindow::buildMenus()
{
    auto add = [this](QMenu *menu, const char *icon, void (TOffWindow::*slot)(),
                      const QKeySequence &keys) {
        QAction *action = menu->addAction(QString());
        if (icon)
            action->setIcon(getPixmapResource(QLatin1String(icon), 16, m_iconTheme, false));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_fileMenu = menuBar()->addMenu(QString());
    m_newAction = add(m_fileMenu, "NEW", &TOffWindow::onFileNew, QKeySequence::New);
    m_openAction = add(m_fileMenu, "OPEN", &TOffWindow::onFileOpen, QKeySequence::Open);
    m_saveAction = add(m_fileMenu, "SAVE", &TOffWindow::onFileSave, QKeySequence::Save);
    m_fileMenu->addSeparator();
    m_printAction = add(m_fileMenu, "PRINT", &TOffWindow::onFilePrint, QKeySequence::Print);
    m_pdfAction = add(m_fileMenu, "PDF", &TOffWindow::onFilePdf, QKeySequence());
    m_xlsxAction = add(m_fileMenu, nullptr, &TOffWindow::onFileXlsx, QKeySequence());
    m_fileMenu->addSeparator();
    m_quitAction = m_fileMenu->addAction(QString());
    m_quitAction->setShortcut(QKeySequence::Quit);
    connect(m_quitAction, &QAction::triggered, this, &QWidget::close);

    m_optionsMenu = menuBar()->addMenu(QString());
    // Options › Language: each language under its own name, so that it is
    // found whatever language is shown
    m_languageMenu = m_optionsMenu->addMenu(QString());
    m_languageMenu->setObjectName(QStringLiteral("languageMenu"));
    auto *languages = new QActionGroup(this);
    for (const auto &[code, name] : {std::pair {"de", "Deutsch"}, std::pair {"en", "English"}}) {
        QAction *action = m_languageMenu->addAction(QString::fromUtf8(name));
        action->setCheckable(true);
        action->setData(QLatin1String(code));
        languages->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, language = QString::fromLatin1(code)] { chooseLanguage(language); });
    }
    m_optionsMenu->addSeparator();
    m_helpMenu = menuBar()->addMenu(QString());
    m_manualAction = add(m_helpMenu, "HELP", &TOffWindow::onManual, QKeySequence::HelpContents);
    m_aboutAction = add(m_helpMenu, nullptr, &TOffWindow::onAbout, QKeySequence());
    updateFileActions();
}

void TOffWindow::initText()
{
    // the program sets a title of its own after this, on every change too
    setWindowTitle(tr("Veltrum back office"));
    m_tree->setHeaderLabels({tr("Documents")});
    m_root->setText(0, tr("Back office"));
    m_fileMenu->setTitle(tr("&File"));
    m_newAction->setText(tr("&New"));
    m_openAction->setText(tr("&Open..."));
    m_saveAction->setText(tr("&Save"));
    m_printAction->setText(tr("&Print..."));
    m_pdfAction->setText(tr("Export as P&DF..."));
    m_xlsxAction->setText(tr("Export as &Excel..."));
    m_quitAction->setText(tr("&Quit"));
    m_optionsMenu->setTitle(tr("&Options"));
    m_languageMenu->setTitle(tr("&Language"));
    const QString language = TOffApplication::instance() ? TOffApplication::instance()->language()
                                                         : QStringLiteral("en");
    for (QAction *action : m_languageMenu->actions())
        action->setChecked(action->data().toString() == language);
    m_helpMenu->setTitle(tr("&Help"));
    m_manualAction->setText(tr("&Manual"));
    m_aboutAction->setText(tr("&About..."));
    if (m_current)
        m_caption->setText(m_current->caption());
}

void TOffWindow::chooseLanguage(const QString &code)
{
    TOffConfig::setLanguage(code);
    if (!TOffDlg::writeConfig(this)) {
        // the choice is not kept, so it is not made either: the menu shows
        // the language still in use
        initText();
        return;
    }
    if (TOffApplication *application = TOffApplication::instance())
        application->setLanguage(code);
}

void TOffWindow::status(const QString &text, bool immediate)
{
    m_statusLabel->setText(text);
    if (immediate)
        m_statusLabel->repaint();
}

QString TOffWindow::statusText() const
{
    return m_statusLabel->text();
}

bool TOffWindow::gotMaster(bool warn) const
{
    if (!m_master && warn)
        QMessageBox::warning(const_cast<TOffWindow *>(this), tr("Warning"),
                             tr("Only the master window may do this."));
    return m_master;
}

namespace {

std::unique_ptr<PosLib::TWaiter> waiterOf(TOffWorkspace *workspace, int id)
{
    Basics::TValueList *waiters
            = workspace ? workspace->getData(QStringLiteral("waiters")) : nullptr;
    Basics::TValue *record = waiters && id > 0 ? waiters->find(id) : nullptr;
    return record ? std::make_unique<PosLib::TWaiter>(*record) : nullptr;
}

} // namespace

void TOffWindow::setReportWaiter(int id)
{
    m_reportWaiter = waiterOf(m_workspace, id);
}

void TOffWindow::setLoggedWaiter(int id)
{
    m_loggedWaiter = waiterOf(m_workspace, id);
}

namespace {

Crystal::TPrintEngine &printEngine()
{
    return Crystal::TPrintEngine::process(TOffConfig::getCrystalEngineDir());
}

} // namespace

TCrystalViewer *TOffWindow::crystalViewer() const
{
    return m_crystalViewer;
}

bool TOffWindow::CrystalReportsAvailable() const
{
    return printEngine().load();
}

bool TOffWindow::FastCrystalReportsAvailable() const
{
    return CrystalReportsAvailable() && QFileInfo(TOffConfig::getCrystalPath()).isDir();
}

int TOffWindow::createCrystal(const QString &file)
{
    Crystal::TPrintEngine &engine = printEngine();
    const short job = engine.PEOpenPrintJob(file);
    if (job <= 0) {
        const QString reason = engine.isLoaded() ? engine.PEGetErrorText(0)
                                                 : tr("The print engine is not available.");
        QMessageBox::critical(this, tr("Error"),
                              tr("The report %1 could not be opened.\n%2").arg(file, reason));
        return 0;
    }
    engine.PESetDataDirectory(job, TOffConfig::getCrystalDataPath());
    m_crystalFiles.insert(job, file);
    return job;
}

bool TOffWindow::showCrystal(int job, const QString &title, const QString &languageFile,
                             const QString &defaultLanguageFile)
{
    Crystal::TPrintEngine &engine = printEngine();
    engine.PESetLanguageFiles(short(job), languageFile, defaultLanguageFile);
    const bool rendered = engine.PEStartPrintJob(short(job));
    if (!rendered) {
        const QString reason = engine.PEGetErrorText(short(job));
        engine.PEClosePrintJob(short(job));
        m_crystalFiles.remove(job);
        QMessageBox::critical(this, tr("Error"),
                              tr("The report could not be made.\n%1").arg(reason));
        return false;
    }
    TCrystalReport report;
    report.body = engine.PEGetOutput(short(job), PE_BODY);
    report.pageHeader = engine.PEGetOutput(short(job), PE_PAGE_HEADER);
    report.pageFooter = engine.PEGetOutput(short(job), PE_PAGE_FOOTER);
    // pictures named relative to the design are found beside it
    report.baseUrl = QUrl::fromLocalFile(QFileInfo(m_crystalFiles.take(job)).absolutePath()
                                         + QLatin1Char('/'));
    engine.PEClosePrintJob(short(job));

    auto *viewer = new TCrystalViewer(report, this);
    viewer->setWindowTitle(title);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->show();
    m_crystalViewer = viewer;
    return true;
}

int TOffWindow::insertMenu(const QString &label, QMenu *menu, int id, int index)
{
    if (!menu)
        return -1;
    if (id < 0 || m_menus.value(id))
        for (id = qMax(id, 0); m_menus.value(id); ++id) { }
    menu->setTitle(label);
    const QList<QAction *> bar = menuBar()->actions();
    QAction *before
            = index >= 0 && index < bar.size() ? bar.at(index) : m_optionsMenu->menuAction();
    menuBar()->insertMenu(before, menu);
    m_menus.insert(id, menu->menuAction());
    return id;
}

void TOffWindow::changeMenuText(int id, const QString &label)
{
    if (QAction *action = m_menus.value(id))
        action->setText(label);
}

QString TOffWindow::menuText(int id) const
{
    QAction *action = m_menus.value(id);
    return action ? action->text() : QString();
}

bool TOffWindow::hasMenu(int id) const
{
    QAction *action = m_menus.value(id);
    return action && menuBar()->actions().contains(action);
}

TOffTreeItem *TOffWindow::lastTreeItem() const
{
    return m_root->lastChild();
}

void TOffWindow::selectItem(TOffTreeItem *item)
{
    if (!item)
        return;
    m_tree->setCurrentItem(item);
    item->setSelected(true);
    // Already current items change nothing in the tree; show them anyway.
    showDocument(item->document());
}

void TOffWindow::onTreeItemChanged()
{
    auto *item = dynamic_cast<TOffTreeItem *>(m_tree->currentItem());
    showDocument(item ? item->document() : nullptr);
}

void TOffWindow::showDocument(TOffDocument *document)
{
    if (m_current == document && (document || m_pages->currentWidget() == m_emptyPage))
        return;
    if (m_current)
        m_current->onDeselection();
    m_current = document;
    if (!document) {
        m_pages->setCurrentWidget(m_emptyPage);
        m_caption->clear();
        updateFileActions();
        return;
    }
    QWidget *page = m_pagesByDocument.value(document);
    QWidget *tools = m_toolAreas.value(document);
    if (!page) {
        page = new QWidget(m_pages);
        auto *layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        tools = new QWidget(page);
        // the tools wrap onto a second line rather than cut their texts
        auto *toolLayout = new QtWidgets::TFlowLayout(tools);
        toolLayout->setContentsMargins(0, 2, 0, 2);
        layout->addWidget(tools);
        m_pages->addWidget(page);
        m_pagesByDocument.insert(document, page);
        m_toolAreas.insert(document, tools);
        document->attach(page, tools);
        if (QWidget *view = document->view())
            layout->addWidget(view, 1);
        if (TOffListView *list = document->listView()) {
            connect(list, &TOffListView::contextRequested, this,
                    [this, document](QTreeWidgetItem *, const QPoint &pos) {
                        showContext(document, pos);
                    });
            // what the File menu offers may depend on the current row
            connect(list, &QTreeWidget::currentItemChanged, this, [this] { updateFileActions(); });
        }
        connect(document, &TOffDocument::changedState, this, [this] { updateFileActions(); });
    }
    // The tool row is built anew on every selection.
    document->clearTools();
    m_pages->setCurrentWidget(page);
    m_caption->setText(document->caption());
    document->onSelection();
    updateFileActions();
    emit documentShown(document);
}

void TOffWindow::onDocumentRemoved(const QString &, TOffDocument *document)
{
    // Tree items of the document go with it (their children too). Removing
    // the current item would make another one current and show its
    // document, which may ask for something (the range statistics ask for
    // their dates) while the program ends: the tree keeps quiet meanwhile.
    const QSignalBlocker quiet(m_tree);
    QList<QTreeWidgetItem *> doomed;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        auto *item = dynamic_cast<TOffTreeItem *>(*it);
        if (item && item->document() == document)
            doomed.append(item);
    }
    for (QTreeWidgetItem *item : doomed) {
        bool nested = false;
        for (QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent())
            nested = nested || doomed.contains(parent);
        if (!nested)
            delete item;
    }
    if (m_current == document)
        showDocument(nullptr);
    m_toolAreas.remove(document);
    delete m_pagesByDocument.take(document);
}

void TOffWindow::showContext(TOffDocument *document, const QPoint &globalPos)
{
    QMenu menu(this);
    document->createContext(&menu);
    if (!menu.isEmpty())
        menu.exec(globalPos);
}

void TOffWindow::closeEvent(QCloseEvent *event)
{
    if (m_workspace) {
        for (const QString &key : m_workspace->documents().keys()) {
            TOffDocument *document = m_workspace->get(key);
            if (!document || !document->isChanged() || !document->canSave())
                continue;
            const QMessageBox::StandardButton answer = QMessageBox::question(
                    this, tr("Unsaved changes"),
                    tr("\"%1\" has changes that are not saved. Save them?")
                            .arg(document->caption()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QMessageBox::Save);
            if (answer == QMessageBox::Cancel) {
                event->ignore();
                return;
            }
            if (answer == QMessageBox::Save) {
                document->onSave();
                if (document->isChanged()) {
                    event->ignore();
                    return;
                }
            }
        }
    }
    QMainWindow::closeEvent(event);
}

void TOffWindow::updateFileActions()
{
    TOffDocument *document = m_current;
    m_newAction->setEnabled(document && document->canNew());
    m_openAction->setEnabled(document && document->canOpen());
    m_saveAction->setEnabled(document && document->canSave());
    m_printAction->setEnabled(document && document->listView());
    m_pdfAction->setEnabled(document && document->listView());
    m_xlsxAction->setEnabled(document && document->canExportWorkbook());
}

QProgressBar *TOffWindow::startProgressBar(int steps)
{
    m_progress->setRange(0, qMax(0, steps));
    m_progress->setValue(0);
    m_progress->show();
    return m_progress;
}

void TOffWindow::setProgress(QProgressBar *bar, int step)
{
    if (!bar)
        return;
    bar->setValue(step);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TOffWindow::endProgressBar(QProgressBar *bar)
{
    if (bar)
        bar->hide();
}

void TOffWindow::onFileNew()
{
    if (m_current && m_current->canNew())
        m_current->onNew();
}

void TOffWindow::onFileOpen()
{
    if (m_current && m_current->canOpen())
        m_current->onOpenFile();
}

void TOffWindow::onFileSave()
{
    if (m_current && m_current->canSave())
        m_current->onSave();
}

void TOffWindow::onFilePrint()
{
    if (m_current)
        m_current->onPrint();
}

void TOffWindow::onFilePdf()
{
    if (!m_current)
        return;
    const QString file = QFileDialog::getSaveFileName(
            this, tr("Export as PDF"), proposedPdfFile(m_current), tr("PDF files (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!m_current->printToPdf(file)) {
        QMessageBox::critical(this, tr("Error"), tr("Could not write %1").arg(file));
        return;
    }
    status(tr("Written to %1").arg(file));
    rememberPdfFolder(file);
}

void TOffWindow::rememberPdfFolder(const QString &file)
{
    TOffConfig::setPdfFolder(QFileInfo(file).absolutePath());
    try {
        TOffConfig::write();
    } catch (const Basics::TError &e) {
        Basics::logError(TOffConfig::failureText(e), Basics::LogModule::Host,
                         Basics::LogClass::OffConfig);
    }
}

QString TOffWindow::pdfFolder()
{
    // never the installation directory that the terminals share
    QString folder = TOffConfig::getPdfFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return folder;
}

void TOffWindow::onFileXlsx()
{
    if (!m_current || !m_current->canExportWorkbook())
        return;
    const QString file = QFileDialog::getSaveFileName(
            this, tr("Export as Excel"), proposedFile(m_current, QStringLiteral("xlsx")),
            tr("Excel workbooks (*.xlsx)"));
    if (file.isEmpty())
        return;
    QString error;
    if (!m_current->exportWorkbook(file, &error)) {
        QMessageBox::critical(this, tr("Error"), error);
        return;
    }
    status(tr("Written to %1").arg(file));
    // the next PDF or workbook is proposed beside it
    rememberPdfFolder(file);
}

QString TOffWindow::proposedPdfFile(const TOffDocument *document)
{
    return proposedFile(document, QStringLiteral("pdf"));
}

QString TOffWindow::proposedFile(const TOffDocument *document, const QString &suffix)
{
    const QString name = document ? document->pdfFileName() : QStringLiteral("report");
    return QDir(pdfFolder()).filePath(name + QLatin1Char('.') + suffix);
}

void TOffWindow::onFileCrystal()
{
    TOffDocument *document = currentDocument();
    if (!document || document->metaObject()->indexOfSlot("onCrystal()") < 0) {
        status(tr("This document hands no data to reports"));
        return;
    }
    QMetaObject::invokeMethod(document, "onCrystal");
}

void TOffWindow::onManual()
{
    // the section of the document shown, else the manual's start
    const QString topic = m_current ? m_current->helpTopic() : QString();
    TOffHelp::show(this, topic.isEmpty() ? QStringLiteral("index.html") : topic);
}

void TOffWindow::onAbout()
{
    QMessageBox::about(this, tr("About"), m_aboutText.isEmpty() ? windowTitle() : m_aboutText);
}
