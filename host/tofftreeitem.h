#pragma once

#include <QPointer>
#include <QTreeWidgetItem>

class TOffDocument;

// An item of the host's document tree: the document it shows and a slot
// text ("1" + slot name, as "1onPaidTables()") that the host calls on the
// item's receiver when the user picks the item. The receiver is the
// document unless another one is set; a slot that the receiver does not
// have is skipped.
class TOffTreeItem : public QTreeWidgetItem
{
public:
    // A top-level item of the tree.
    TOffTreeItem(TOffDocument *document, QTreeWidget *tree, const QString &slot = QString());
    // An item under `parent`, after the sibling `after` (first when null).
    TOffTreeItem(TOffDocument *document, TOffTreeItem *parent, TOffTreeItem *after,
                 const QString &slot = QString());
    ~TOffTreeItem() override;

    TOffDocument *document() const { return m_document; }
    void setDocument(TOffDocument *document) { m_document = document; }
    QString slot() const { return m_slot; }
    void setSlot(const QString &slot) { m_slot = slot; }
    QObject *receiver() const;
    void setReceiver(QObject *receiver) { m_receiver = receiver; }
    // The last child, null without children.
    TOffTreeItem *lastChild() const;

    // Calls the slot; false when there is none or the receiver lacks it.
    bool activate();
    // "onPaidTables" for "1onPaidTables()"; empty for an empty text.
    static QByteArray methodName(const QString &slot);

private:
    TOffDocument *m_document;
    QString m_slot;
    QPointer<QObject> m_receiver;
};
