#include "tsumlistdoc.h"

#include "terror.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "toffdlg.h"
#include "tofflistitem.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tvalue.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>

#include <memory>

TSumListDoc::TSumListDoc(const QString &key, TOffWindow *window)
    : TOffDataDoc(key, window, true)
{
    if (TOffWorkspace *ws = workspace())
        connect(ws, &TOffWorkspace::pathChanged, this, [this] {
            load();
            fill();
        });
}

TSumListDoc::~TSumListDoc() = default;

void TSumListDoc::load()
{
    TOffWorkspace *ws = workspace();
    if (!ws || ws->getData(key()))
        return;
    // The workspace has no list: find out whether the file is missing or
    // cannot be read.
    std::unique_ptr<Basics::TValueList> list(newList());
    int result = -1; // unreadable
    try {
        result = list->load(ws->getPath().toLocal8Bit().constData());
    } catch (const Basics::TError &e) {
        Basics::logError(QStringLiteral("%1: %2").arg(list->fileName(), e.text()),
                         Basics::LogModule::Library, metaObject()->className());
    }
    if (result == Basics::TValueList::Loaded || result == Basics::TValueList::NoFile) {
        if (result == Basics::TValueList::NoFile && window())
            window()->status(notFoundText());
        ws->setData(key(), list.release());
        return;
    }
    TOffDlg::fatal(window(), loadErrorText());
}

bool TSumListDoc::save()
{
    TOffWorkspace *ws = workspace();
    Basics::TValueList *list = dataList();
    if (!ws || !list)
        return false;
    try {
        list->save(ws->getPath().toLocal8Bit().constData());
    } catch (const Basics::TError &e) {
        Basics::logError(QStringLiteral("%1: %2").arg(list->fileName(), e.text()),
                         Basics::LogModule::Library, metaObject()->className());
        TOffDlg::fatal(window(), saveErrorText());
        return false;
    }
    setChanged(false);
    if (window() && window()->currentDocument() == this)
        window()->status(getInformation(), false);
    return true;
}

QWidget *TSumListDoc::createView(QWidget *parent)
{
    QWidget *view = TOffDataDoc::createView(parent);
    if (TOffListView *list = listView()) {
        list->setRootIsDecorated(false);
        connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { onOpenFile(); });
        connect(list, &TOffListView::returnPressed, this, [this] { onOpenFile(); });
        // the Delete key on a row deletes it (after asking)
        list->installEventFilter(this);
    }
    return view;
}

void TSumListDoc::fill()
{
    TOffListView *list = listView();
    if (!list)
        return;
    const Basics::TValue *current = currentRecord();
    list->clear();
    Basics::TValueList *records = dataList();
    if (!records)
        return;
    QTreeWidgetItem *after = nullptr;
    for (Basics::TValue *record : records->values()) {
        auto *row = new TOffListItem(list, after, record);
        const QStringList texts = rowTexts(record);
        for (int column = 0; column < texts.size(); ++column)
            row->setText(column, texts.at(column));
        after = row;
    }
    selectRecord(current);
}

void TSumListDoc::languageChange()
{
    TOffDataDoc::languageChange();
    fill();
}

bool TSumListDoc::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == listView()
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Delete)) {
        deleteCurrent();
        return true;
    }
    return TOffDataDoc::eventFilter(watched, event);
}

Basics::TValue *TSumListDoc::currentRecord() const
{
    TOffListView *list = listView();
    auto *row = list ? dynamic_cast<TOffListItem *>(list->currentItem()) : nullptr;
    return row ? row->value() : nullptr;
}

void TSumListDoc::selectRecord(const Basics::TValue *record)
{
    TOffListView *list = listView();
    if (!list || !record)
        return;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        auto *row = dynamic_cast<TOffListItem *>(list->topLevelItem(i));
        if (row && row->value() == record) {
            list->setCurrentItem(row);
            return;
        }
    }
}

bool TSumListDoc::canNew() const
{
    return dataList() != nullptr;
}

bool TSumListDoc::canOpen() const
{
    return currentRecord() != nullptr;
}

bool TSumListDoc::canSave() const
{
    return dataList() != nullptr && isChanged();
}

void TSumListDoc::refresh()
{
    fill();
    if (window() && window()->currentDocument() == this)
        window()->status(getInformation(), false);
}

QString TSumListDoc::getInformation() const
{
    Basics::TValueList *records = dataList();
    if (!records)
        return QString();
    const QString count = tr("%n record(s)", nullptr, records->count());
    return isChanged() ? tr("%1, not saved (File › Save)").arg(count) : count;
}

void TSumListDoc::onNew()
{
    Basics::TValueList *records = dataList();
    if (!records)
        return;
    const QList<int> before = records->ids();
    bool accepted = false;
    if (edit(nullptr, false, &accepted))
        setChanged(true);
    refresh();
    // the record just made is the current row
    for (Basics::TValue *record : records->values())
        if (!before.contains(record->id()))
            selectRecord(record);
}

void TSumListDoc::open(Basics::TValue *record)
{
    if (!record)
        return;
    bool accepted = false;
    if (edit(record, true, &accepted))
        setChanged(true);
    refresh();
}

void TSumListDoc::onOpenFile()
{
    open(currentRecord());
}

bool TSumListDoc::deleteCurrent()
{
    Basics::TValueList *records = dataList();
    Basics::TValue *record = currentRecord();
    if (!records || !record)
        return false;
    if (QMessageBox::question(window(), tr("Delete"), deleteQuestion(record),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return false;
    // the row after it becomes current, else the one before
    TOffListView *list = listView();
    QTreeWidgetItem *row = list ? list->currentItem() : nullptr;
    QTreeWidgetItem *next = row && list ? list->itemBelow(row) : nullptr;
    if (!next && row && list)
        next = list->itemAbove(row);
    const Basics::TValue *nextRecord = next ? dynamic_cast<TOffListItem *>(next)->value() : nullptr;
    records->remove(record);
    setChanged(true);
    refresh();
    selectRecord(nextRecord);
    return true;
}

void TSumListDoc::onSave()
{
    save();
}

void TSumListDoc::createContext(QMenu *menu)
{
    if (canNew())
        menu->addAction(tr("&New..."), this, &TSumListDoc::onNew);
    if (canOpen()) {
        menu->addAction(tr("&Open..."), this, &TSumListDoc::onOpenFile);
        QAction *remove = menu->addAction(tr("&Delete..."), this, &TSumListDoc::deleteCurrent);
        remove->setShortcut(QKeySequence::Delete);
    }
    if (canSave())
        menu->addAction(tr("&Save"), this, &TSumListDoc::onSave);
}
