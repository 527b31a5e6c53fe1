#include "tconditionlist.h"

#include "conditiontext.h"
#include "tsumfilter.h"

#include <QCoreApplication>
#include <QTreeWidget>

using PosLib::TConditionItem;

namespace {

const int ItemRole = Qt::UserRole + 1;
const int StartRole = Qt::UserRole + 2;

// The texts of this file, translated in the context "TSumFilterDlg".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TSumFilterDlg)
};

// The caption of the attribute an item looks at; items of entry kinds say
// which entries ("PLU (Article order)").
QString attributeText(const TConditionItem &item)
{
    QString caption = PosLib::TSumFilter::attributeCaption(item.kind, item.attribute);
    // an attribute the kind does not offer is named as another kind names it
    for (int kind = 0; kind <= 5 && caption == item.attribute; ++kind)
        caption = PosLib::TSumFilter::attributeCaption(kind, item.attribute);
    if (item.attribute == QLatin1String("type"))
        caption = Text::tr("Entry type");
    if (item.kind > 0)
        caption += QStringLiteral(" (%1)").arg(PosLib::TSumFilter::kindName(item.kind));
    else if (item.kind < 0)
        caption += QStringLiteral(" (%1)").arg(Text::tr("any entry"));
    return caption;
}

} // namespace

TConditionList::TConditionList(QTreeWidget *view)
    : m_view(view)
{ }

QString TConditionList::itemOf(const QTreeWidgetItem *row)
{
    return row ? row->data(0, ItemRole).toString() : QString();
}

bool TConditionList::startsAlternative(const QTreeWidgetItem *row)
{
    return row && row->data(0, StartRole).toBool();
}

QString TConditionList::comparisonWord(QChar op)
{
    switch (op.unicode()) {
    case u'<':
        return Text::tr("less");
    case u'>':
        return Text::tr("greater");
    case u'=':
        return Text::tr("equal");
    default:
        return Text::tr("unequal");
    }
}

QTreeWidgetItem *TConditionList::newRow(int index, const QString &item, bool starts)
{
    auto *row = new QTreeWidgetItem;
    row->setData(0, ItemRole, item);
    row->setData(0, StartRole, starts);
    m_view->insertTopLevelItem(index, row);
    return row;
}

void TConditionList::setCondition(const QString &condition)
{
    m_view->clear();
    appendAlternatives(condition);
}

void TConditionList::appendAlternatives(const QString &condition)
{
    for (const QStringList &items : PosLib::conditionAlternatives(condition)) {
        bool starts = true;
        for (const QString &item : items) {
            newRow(m_view->topLevelItemCount(), item, starts);
            starts = false;
        }
    }
    refresh();
}

QString TConditionList::condition() const
{
    QList<QStringList> alternatives;
    for (int i = 0; i < m_view->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = m_view->topLevelItem(i);
        if (alternatives.isEmpty() || startsAlternative(row))
            alternatives.append(QStringList());
        alternatives.last().append(itemOf(row));
    }
    return PosLib::joinAlternatives(alternatives);
}

QTreeWidgetItem *TConditionList::addItem(const QString &item, QTreeWidgetItem *after)
{
    const int at = after ? m_view->indexOfTopLevelItem(after) : -1;
    QTreeWidgetItem *row = at < 0 ? newRow(m_view->topLevelItemCount(), item, true)
                                  : newRow(at + 1, item, false);
    refresh();
    return row;
}

void TConditionList::setItem(QTreeWidgetItem *row, const QString &item)
{
    if (!row)
        return;
    row->setData(0, ItemRole, item);
    refresh();
}

void TConditionList::removeRow(QTreeWidgetItem *row)
{
    const int at = m_view->indexOfTopLevelItem(row);
    if (at < 0)
        return;
    QTreeWidgetItem *next = m_view->topLevelItem(at + 1);
    if (startsAlternative(row) && next)
        next->setData(0, StartRole, true);
    delete m_view->takeTopLevelItem(at);
    refresh();
}

void TConditionList::refresh()
{
    for (int i = 0; i < m_view->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = m_view->topLevelItem(i);
        // the first row always starts the condition's first alternative
        if (i == 0)
            row->setData(0, StartRole, true);
        QString prefix;
        if (i > 0)
            prefix = startsAlternative(row) ? Text::tr("OR: ") : Text::tr("AND: ");
        TConditionItem item;
        const QString text = itemOf(row);
        if (TConditionItem::parse(text, item)) {
            row->setText(0, prefix + attributeText(item));
            row->setText(1, comparisonWord(item.op));
            row->setText(2, item.value);
        } else {
            row->setText(0, prefix + text);
            row->setText(1, QString());
            row->setText(2, QString());
        }
    }
}
