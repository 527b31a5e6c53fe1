#pragma once

#include "toffdatadoc.h"

namespace Basics {
class TValue;
class TValueList;
} // namespace Basics

// What the filter and batch documents share: the workspace list of their
// key, loaded when the document is made and when the installation
// changes; one row per record in number order; New (the new record's row
// becomes current), Open on the current row (also by double click or
// Enter), Delete on the current row (also by the Delete key, after a
// question) and Save, from the File menu and the context menu. The status
// line counts the records after every change.
//
// Loading: a list the workspace has is shown. A missing file is no error:
// the status line says so and an empty list takes its place, which Save
// then writes. A file that cannot be read is reported in a message box
// and left alone: no list, nothing to insert or save, so the file is
// never written over with less than it had.
class TSumListDoc : public TOffDataDoc
{
    Q_OBJECT
public:
    TSumListDoc(const QString &key, TOffWindow *window);
    ~TSumListDoc() override;

    // (Re)loads the list as above.
    void load();
    // Writes the list to the installation (the lists' safe replace) and
    // clears the changed mark; false, with a message box, when it failed
    // (the document then stays changed).
    bool save();

    QWidget *createView(QWidget *parent) override;
    void fill() override;
    void createContext(QMenu *menu) override;
    bool canNew() const override;
    bool canOpen() const override;
    bool canSave() const override;
    void onNew() override;
    void onOpenFile() override;
    void onSave() override;
    // Removes the record of the current row after asking; true when it went.
    bool deleteCurrent();
    QString getInformation() const override;

    // Titles, tool row and the rows' texts in the new language.
    void languageChange() override;

    // The record of the current row; null without one.
    Basics::TValue *currentRecord() const;
    // Makes the row of the record current.
    void selectRecord(const Basics::TValue *record);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Runs the dialog on a record (null: a new one) with or without record
    // navigation; true when it wrote to the list.
    virtual bool edit(Basics::TValue *record, bool navigate, bool *accepted) = 0;
    // An empty list of the document's kind.
    virtual Basics::TValueList *newList() const = 0;
    // The row texts of a record, one per column.
    virtual QStringList rowTexts(const Basics::TValue *record) const = 0;
    virtual QString notFoundText() const = 0;
    virtual QString loadErrorText() const = 0;
    virtual QString saveErrorText() const = 0;
    // The question before deleting the record; it names what uses it.
    virtual QString deleteQuestion(const Basics::TValue *record) const = 0;

private:
    void open(Basics::TValue *record);
    // Fills the list again and shows the count in the status line.
    void refresh();
};
