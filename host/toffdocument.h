#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>

class QMenu;
class QPixmap;
class QKeySequence;
class QToolButton;
class QPainter;
class QPrinter;
class QProgressBar;
class QTreeWidgetItem;
#include <QWidget>

#include <functional>
class TOffListView;
class TOffWindow;
class TOffWorkspace;

namespace Basics {
class TInifile;
class TValueList;
} // namespace Basics

// A document of the back office: what the document area shows for one
// tree item. The host creates its view on first show (createView), empties
// its tool area and calls onSelection() each time it becomes the selected
// document, asks it for a context menu (createContext) and prints it.
// Documents override the hooks they need.
class TOffDocument : public QObject
{
    Q_OBJECT
public:
    TOffDocument(const QString &key, TOffWindow *window);
    ~TOffDocument() override;

    QString key() const { return m_key; }
    TOffWindow *window() const { return m_window; }
    TOffWorkspace *workspace() const;

    // The title of the document area; the key by default.
    virtual QString caption() const;
    // Creates the view inside `parent`. The default is a TOffListView with
    // the titles of columns(), filled by fill().
    virtual QWidget *createView(QWidget *parent);
    virtual QStringList columns() const;
    // Fills the view with the document's data.
    virtual void fill();
    // True while the data of the last fill() is still being read away from
    // the window; the view then shows what it showed before.
    virtual bool isFilling() const { return false; }
    // The document became the selected one; its tool area is empty. The
    // default shows getInformation() in the status line.
    virtual void onSelection();
    // Another document was selected.
    virtual void onDeselection();
    // Fills the context menu of the view or tree item; empty means none.
    virtual void createContext(QMenu *menu);
    // Status-line text about the document's content.
    virtual QString getInformation() const;

    // New, open and save from the host's "File" menu, enabled when the
    // document says it can.
    virtual bool canNew() const { return false; }
    virtual bool canOpen() const { return false; }
    virtual bool canSave() const { return false; }
    virtual void onNew() { }
    virtual void onOpenFile() { }
    virtual void onSave() { }

    // Printing: a header at the top of every page, then one printItem per
    // row of the list view, depth first. Both draw at area.top() and move
    // it down past what they drew. The defaults print the caption and the
    // column texts in the view's font.
    virtual void printHeader(QPainter &painter, QRect &area, int page);
    // The default header with another title: the title in bold on the
    // left, "Page n" on the right, then a blank line.
    void printTitle(QPainter &painter, QRect &area, int page, const QString &title);
    virtual void printItem(QPainter &painter, QRect &area, QTreeWidgetItem *item, int depth);
    // The printed lines of a row: its texts may hold line breaks.
    static int printLines(QTreeWidgetItem *item);
    // Prints on a set-up printer; false when there is nothing to print.
    virtual bool print(QPrinter *printer);
    // Prints into a PDF file, replacing it only when the whole file was
    // made (through a temporary beside it); false when it could not be
    // written.
    bool printToPdf(const QString &fileName);
    // Writes a PDF that `pages` makes in a scratch file (false when it
    // could not), then replaces `fileName` with it as a whole; false when
    // nothing or not all of it was written.
    static bool savePdf(const QString &fileName,
                        const std::function<bool(const QString &scratch)> &pages);
    // The title of the printed document (a PDF's title): the caption by
    // default; a report names itself, its days and the installation.
    virtual QString printTitle() const;
    // The name a PDF of the document is proposed under, without folder and
    // suffix: the print title by default, without characters that file
    // systems refuse.
    virtual QString pdfFileName() const;
    // A text made fit for a file name: no folder separators and none of
    // the characters that file systems refuse.
    static QString fileNameOf(const QString &text);
    // "Export as Excel": the document's rows as a workbook. The default
    // writes the list view's rows on one sheet named by the caption: a
    // title row ("depth" and the column titles), then every row depth
    // first with its depth; whole numbers and money in the system
    // currency's text as numbers, the rest as text. False with `error`
    // naming the file and why (also when there is no list view).
    virtual bool canExportWorkbook() const;
    virtual bool exportWorkbook(const QString &fileName, QString *error);

    // Hand-over of report data to report designs. A document that has data
    // for them overrides the first crystalExport and calls this one first:
    // it makes the folder of the intermediate lists and is false (told in
    // a message box) when that fails. `ini` is the report's definition,
    // `name` the data path, `fast` set for a fast report.
    virtual bool crystalExport(Basics::TInifile &ini, const QString &name, bool fast);
    // Writes one list as its intermediate file: `name` is the list's name,
    // `definition` its layout from the definition's section "default",
    // `file` the file (empty: "<name>.txt" in the intermediate lists'
    // folder); `append` adds the records to the file of an earlier data
    // path. `first` and `last` tell the list's place in the export. False
    // (logged) when the file cannot be written.
    virtual bool crystalExport(Basics::TValueList *list, const QString &name,
                               const QString &definition, bool first, bool last, bool append,
                               const QString &file);
    // Runs the export of report data with the definition `name` + ".ini"
    // of the reports directory (a missing one writes every column) and
    // tells in the status line where the lists are.
    void onCrystal(const QString &name);

    QWidget *view() const { return m_view; }
    // The view when it is a host list view, or the host list view inside
    // it; else null.
    TOffListView *listView() const;
    // The row above the view for the document's tools.
    QWidget *toolArea() const { return m_toolArea; }
    void addTool(QWidget *tool);
    // Adds a tool button with the themed icon of `key`, an accelerator and
    // a tool tip; the caller connects its clicked().
    QToolButton *addToolButton(const QString &key, const QKeySequence &shortcut,
                               const QString &toolTip);
    void addToolStretch();
    // Empties the tool row (the host does so before each onSelection()).
    void clearTools();

    // A progress bar in the host's status line.
    QProgressBar *startProgressBar(int steps);
    void setProgress(QProgressBar *bar, int step);
    void endProgressBar(QProgressBar *bar);

    // The icon of a key in the window's icon theme, `size` pixels square
    // (the window's icon size when 0).
    QPixmap themedPixmap(const QString &key, int size = 0) const;

    // An amount in cents as money text of the system currency.
    QString formatPrice(long cents) const;
    // The name of the system currency; empty without currency list.
    QString getCurrBez() const;

    bool isChanged() const { return m_changed; }
    void setChanged(bool changed);
    QString helpTopic() const { return m_helpTopic; }
    void setHelpTopic(const QString &topic) { m_helpTopic = topic; }

    // Used by the host window: builds the view and tool area in `page`.
    void attach(QWidget *page, QWidget *toolArea);

public Q_SLOTS:
    // Asks for a printer and prints.
    void onPrint();
    // The application's language changed (lngChanged()): sets the texts
    // again. The default titles the columns of the default list view anew
    // and, when the document is shown, builds its tool row again
    // (clearTools(), onSelection()). Documents whose selection does more
    // than build the row, or whose rows hold texts, override it.
    virtual void languageChange();

Q_SIGNALS:
    void changedState(bool changed);

private:
    QString m_key;
    TOffWindow *m_window;
    QPointer<QWidget> m_view;
    QPointer<QWidget> m_toolArea;
    QString m_helpTopic;
    bool m_changed = false;
};
