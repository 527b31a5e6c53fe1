#pragma once

#include <QHash>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <memory>

class QLabel;
class QMenu;
class QProgressBar;
class QStackedWidget;
#include "toffdocument.h"
class TCrystalViewer;
class TOffListView;
class TOffTreeItem;
class TOffWorkspace;

namespace PosLib {
class TWaiter;
}

// The back-office main window: menu bar with "&File", "&Options" (with
// the "&Language" submenu) and "&Help", the document tree on the left,
// the document area on the right (the selected document's tool row above
// its view) and the status line.
class TOffWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The workspace is not owned; it must outlive the window.
    explicit TOffWindow(TOffWorkspace *workspace, QWidget *parent = nullptr);
    ~TOffWindow() override;

    TOffWorkspace *workspace() const { return m_workspace; }

    // Shows a status-line text; with `immediate` it is painted at once
    // (for texts shown before a long step).
    void status(const QString &text, bool immediate = true);
    QString statusText() const;

    // Icon theme and size for getPixmapResource.
    QString GetIconTheme() const { return m_iconTheme; }
    void setIconTheme(const QString &theme) { m_iconTheme = theme; }
    int getIconSize() const { return m_iconSize; }
    void setIconSize(int size) { m_iconSize = size; }

    // Whether this is the master window (the one that may change rights).
    // With `warn` a refusal is also told to the user.
    bool gotMaster(bool warn = false) const;
    void setMaster(bool master) { m_master = master; }

    // The waiter reports are restricted to; null for all waiters.
    PosLib::TWaiter *getReportWaiter() const { return m_reportWaiter.get(); }
    // Restricts reports to the waiter of the workspace's "waiters" list;
    // 0 (or an unknown number) lifts the restriction.
    void setReportWaiter(int id);
    // The waiter logged in to the back office; null when nobody is.
    PosLib::TWaiter *getLoggedWaiter() const { return m_loggedWaiter.get(); }
    // Logs in the waiter of the workspace's "waiters" list; 0 (or an
    // unknown number) logs out.
    void setLoggedWaiter(int id);

    // Report designs (the Crystal operations). The export of report data
    // to designs is there when the print engine loads; the fast reports
    // when, besides, the reports directory exists.
    bool CrystalReportsAvailable() const;
    bool FastCrystalReportsAvailable() const;
    // Opens a design with the print engine, its lists to be read from the
    // intermediate files' folder: the print job number, or 0 when the
    // design cannot be opened (told in a message box).
    int createCrystal(const QString &file);
    // Renders the job and shows it in a viewer window with the title,
    // printing and PDF; the job is closed. False, with a message box, when
    // it cannot be rendered.
    bool showCrystal(int job, const QString &title, const QString &languageFile,
                     const QString &defaultLanguageFile);
    // The viewer shown last; null when none is open.
    TCrystalViewer *crystalViewer() const;

    QMenu *fileMenu() const { return m_fileMenu; }
    QMenu *optionsMenu() const { return m_optionsMenu; }
    QMenu *helpMenu() const { return m_helpMenu; }
    // Options › Language, one checkable entry per language.
    QMenu *languageMenu() const { return m_languageMenu; }
    // Puts a menu into the menu bar under `id` (a free one is chosen when
    // -1 or taken), before the "&Options" menu unless `index` says
    // otherwise; returns the id used.
    int insertMenu(const QString &label, QMenu *menu, int id = -1, int index = -1);
    void changeMenuText(int id, const QString &label);
    QString menuText(int id) const;
    bool hasMenu(int id) const;

    // The document tree and its root item, under which modules add theirs.
    TOffListView *documentTree() const { return m_tree; }
    TOffTreeItem *treeRoot() const { return m_root; }
    // The last item under the root; null when it has none.
    TOffTreeItem *lastTreeItem() const;
    // Makes the item current and selected, as a click would.
    void selectItem(TOffTreeItem *item);

    TOffDocument *currentDocument() const { return m_current; }
    void showDocument(TOffDocument *document);

    QProgressBar *startProgressBar(int steps);
    void setProgress(QProgressBar *bar, int step);
    void endProgressBar(QProgressBar *bar);

    void setAboutText(const QString &text) { m_aboutText = text; }

    // The file the PDF export proposes for a document: its PDF file name
    // (for a report: title, days and installation) in the folder of the
    // last PDF, else in the user's documents folder; never the installation
    // directory that the terminals share.
    static QString proposedPdfFile(const TOffDocument *document);
    // The folder PDFs are proposed in: the last PDF's, else the user's
    // documents folder, else the home folder.
    static QString pdfFolder();
    // Remembers the folder of a PDF just written for the next proposal.
    static void rememberPdfFolder(const QString &file);
    // The file another export proposes for a document ("xlsx"): the PDF's
    // name and folder with that suffix.
    static QString proposedFile(const TOffDocument *document, const QString &suffix);

public Q_SLOTS:
    void onFileNew();
    void onFileOpen();
    void onFileSave();
    void onFilePrint();
    void onFilePdf();
    // "Export as Excel": the current document's rows as a workbook
    // (TOffDocument::exportWorkbook()); a failure in a message box.
    void onFileXlsx();
    // Starts the export of report data of the current document (its
    // onCrystal() slot); documents without one say so in the status line.
    void onFileCrystal();
    // Help › Manual (F1): the user manual at the shown document's section.
    void onManual();
    void onAbout();
    // Sets the texts of the menus, the tree and the caption in the current
    // language; run on every language change.
    void initText();
    // The language menu's choice: kept in the configuration, then shown.
    void chooseLanguage(const QString &code);

Q_SIGNALS:
    void documentShown(TOffDocument *document);

protected:
    // Asks what to do with documents that have unsaved changes: save them,
    // discard them or stay open. A save that fails keeps the window open.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void updateFileActions();
    void onTreeItemChanged();
    void onDocumentRemoved(const QString &key, TOffDocument *document);
    void showContext(TOffDocument *document, const QPoint &globalPos);

    TOffWorkspace *m_workspace;
    QString m_iconTheme = QStringLiteral("classic");
    int m_iconSize = 22;
    bool m_master = true;
    std::unique_ptr<PosLib::TWaiter> m_reportWaiter;
    std::unique_ptr<PosLib::TWaiter> m_loggedWaiter;
    QString m_aboutText;

    QMenu *m_fileMenu = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
    QAction *m_quitAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_manualAction = nullptr;
    QAction *m_newAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_pdfAction = nullptr;
    QAction *m_xlsxAction = nullptr;
    QMap<int, QPointer<QAction>> m_menus;

    TOffListView *m_tree;
    TOffTreeItem *m_root;
    QLabel *m_caption;
    QStackedWidget *m_pages;
    QWidget *m_emptyPage;
    QMap<TOffDocument *, QWidget *> m_pagesByDocument;
    QMap<TOffDocument *, QWidget *> m_toolAreas;
    QPointer<TOffDocument> m_current;
    QPointer<TCrystalViewer> m_crystalViewer;
    QHash<int, QString> m_crystalFiles; // design of each open print job
    QProgressBar *m_progress;
    QLabel *m_statusLabel;
};
