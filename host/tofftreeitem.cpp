#include "tofftreeitem.h"

#include "toffdocument.h"

#include <QMetaObject>

TOffTreeItem::TOffTreeItem(TOffDocument *document, QTreeWidget *tree, const QString &slot)
    : QTreeWidgetItem(tree)
    , m_document(document)
    , m_slot(slot)
{ }

TOffTreeItem::TOffTreeItem(TOffDocument *document, TOffTreeItem *parent, TOffTreeItem *after,
                           const QString &slot)
    : QTreeWidgetItem(parent, after)
    , m_document(document)
    , m_slot(slot)
{ }

TOffTreeItem::~TOffTreeItem() = default;

QObject *TOffTreeItem::receiver() const
{
    if (m_receiver)
        return m_receiver;
    return m_document;
}

TOffTreeItem *TOffTreeItem::lastChild() const
{
    return childCount() > 0 ? static_cast<TOffTreeItem *>(child(childCount() - 1)) : nullptr;
}

QByteArray TOffTreeItem::methodName(const QString &slot)
{
    QByteArray name = slot.trimmed().toLatin1();
    // The leading digit is the code that marks a slot in a signature text.
    if (!name.isEmpty() && name.at(0) >= '0' && name.at(0) <= '9')
        name.remove(0, 1);
    const int bracket = int(name.indexOf('('));
    if (bracket >= 0)
        name.truncate(bracket);
    return name;
}

bool TOffTreeItem::activate()
{
    QObject *target = receiver();
    const QByteArray name = methodName(m_slot);
    if (!target || name.isEmpty())
        return false;
    if (target->metaObject()->indexOfMethod(QByteArray(name + "()").constData()) < 0)
        return false;
    return QMetaObject::invokeMethod(target, name.constData(), Qt::DirectConnection);
}
