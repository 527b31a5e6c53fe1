#include "toffdatadoc.h"

#include "tofflistitem.h"
#include "tofflistview.h"
#include "toffworkspace.h"
#include "tvalue.h"

TOffDataDoc::TOffDataDoc(const QString &key, TOffWindow *window, bool listData)
    : TOffDocument(key, window)
    , m_listData(listData)
{ }

TOffDataDoc::~TOffDataDoc() = default;

Basics::TValueList *TOffDataDoc::dataList() const
{
    TOffWorkspace *ws = workspace();
    return m_listData && ws ? ws->getData(key()) : nullptr;
}

QStringList TOffDataDoc::columns() const
{
    if (!m_listData)
        return {};
    return {numberColumnTitle(), tr("Name")};
}

QString TOffDataDoc::numberColumnTitle()
{
    return tr("Number");
}

QStringList TOffDataDoc::dataKeys() const
{
    return {QStringLiteral("id"), QStringLiteral("name")};
}

QWidget *TOffDataDoc::createView(QWidget *parent)
{
    QWidget *view = TOffDocument::createView(parent);
    if (m_listData && workspace())
        connect(workspace(), &TOffWorkspace::pathChanged, this, [this] { fill(); });
    return view;
}

void TOffDataDoc::fill()
{
    TOffListView *list = listView();
    if (!list || !m_listData)
        return;
    list->clear();
    Basics::TValueList *records = dataList();
    if (!records)
        return;
    const QStringList keys = dataKeys();
    for (Basics::TValue *value : records->values()) {
        auto *item = new TOffListItem(list, value);
        item->showFields(keys);
        if (keys.value(0) == QLatin1String("id"))
            item->setText(0, QString::number(value->id()));
    }
    list->sortItems(0, Qt::AscendingOrder);
}

QString TOffDataDoc::getInformation() const
{
    Basics::TValueList *records = dataList();
    return records ? tr("%n record(s)", nullptr, records->count()) : QString();
}
