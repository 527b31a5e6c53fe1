#include "offpopupmenu.h"

#include "toffwindow.h"

OffPopupMenu::OffPopupMenu(TOffWindow *window)
    : QMenu(window)
{ }

OffPopupMenu::OffPopupMenu(QWidget *parent)
    : QMenu(parent)
{ }

OffPopupMenu::~OffPopupMenu() = default;

QAction *OffPopupMenu::insertItem(const QIcon &icon, const QString &text, const QObject *receiver,
                                  const char *member, int id, int index)
{
    auto *action = new QAction(icon, text, this);
    if (id != -1)
        action->setData(id);
    if (receiver && member)
        connect(action, SIGNAL(triggered()), receiver, member);
    const QList<QAction *> items = actions();
    insertAction(index >= 0 && index < items.size() ? items.at(index) : nullptr, action);
    return action;
}

QAction *OffPopupMenu::insertSubmenu(const QIcon &icon, const QString &text, QMenu *menu, int index)
{
    menu->setTitle(text);
    menu->setIcon(icon);
    const QList<QAction *> items = actions();
    insertMenu(index >= 0 && index < items.size() ? items.at(index) : nullptr, menu);
    return menu->menuAction();
}

QAction *OffPopupMenu::findItem(int id) const
{
    for (QAction *action : actions())
        if (action->data().isValid() && action->data().toInt() == id)
            return action;
    return nullptr;
}
