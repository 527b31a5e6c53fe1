#include "tcombobox.h"

#include <QLineEdit>
#include <QStandardItemModel>

#include <algorithm>

namespace QtWidgets {

namespace {

const int IdRole = Qt::UserRole + 1;
const int NameRole = Qt::UserRole + 2;

int digits(int id)
{
    return int(QString::number(id).size());
}

} // namespace

TComboBox::TComboBox(QWidget *parent)
    : QComboBox(parent)
{ }

TComboBox::~TComboBox() = default;

QString TComboBox::formatItem(int id, const QString &name, int width)
{
    return QStringLiteral("%1)  %2").arg(id, width).arg(name);
}

int TComboBox::idOf(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return -1;
    const int bracket = int(trimmed.indexOf(QLatin1Char(')')));
    bool ok = false;
    const int id = (bracket < 0 ? trimmed : trimmed.left(bracket)).trimmed().toInt(&ok);
    return ok ? id : -1;
}

void TComboBox::insertItem(int id, const QString &name)
{
    if (digits(id) > m_width) {
        m_width = digits(id);
        for (int i = 0; i < count(); ++i)
            setItemText(i, formatItem(itemData(i, IdRole).toInt(), itemData(i, NameRole).toString(),
                                      m_width));
        if (isEditable() && currentIndex() >= 0)
            lineEdit()->setText(QComboBox::itemText(currentIndex()));
    }
    addItem(formatItem(id, name, m_width));
    setItemData(count() - 1, id, IdRole);
    setItemData(count() - 1, name, NameRole);
}

int TComboBox::currentId() const
{
    return idOf(currentText());
}

int TComboBox::findId(int id) const
{
    for (int i = 0; i < count(); ++i)
        if (idOf(QComboBox::itemText(i)) == id)
            return i;
    return -1;
}

bool TComboBox::setCurrentId(int id)
{
    const int index = findId(id);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    if (isEditable())
        lineEdit()->setText(QComboBox::itemText(index));
    return true;
}

void TComboBox::sortItems()
{
    const int current = currentIndex() >= 0 ? itemData(currentIndex(), IdRole).toInt() : -1;
    struct Item
    {
        QString text;
        QVariant id;
        QVariant name;
    };
    QList<Item> items;
    for (int i = 0; i < count(); ++i)
        items.append({QComboBox::itemText(i), itemData(i, IdRole), itemData(i, NameRole)});
    std::stable_sort(items.begin(), items.end(),
                     [](const Item &a, const Item &b) { return a.text < b.text; });
    const QSignalBlocker blocker(this);
    clear();
    for (const Item &item : items) {
        addItem(item.text);
        setItemData(count() - 1, item.id, IdRole);
        setItemData(count() - 1, item.name, NameRole);
    }
    if (current >= 0)
        setCurrentId(current);
}

} // namespace QtWidgets
