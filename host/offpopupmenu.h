#pragma once

#include <QMenu>

class TOffWindow;

// A popup menu in the host's style, with the item helpers the modules use.
class OffPopupMenu : public QMenu
{
    Q_OBJECT
public:
    explicit OffPopupMenu(TOffWindow *window);
    explicit OffPopupMenu(QWidget *parent = nullptr);
    ~OffPopupMenu() override;

    // Inserts an item calling `member` (a SLOT() text) of the receiver, at
    // `index` (-1: at the end). The item carries `id` as its data when it
    // is not -1. Returns the item's action.
    QAction *insertItem(const QIcon &icon, const QString &text, const QObject *receiver,
                        const char *member, int id = -1, int index = -1);
    // Inserts a submenu at `index` (-1: at the end).
    QAction *insertSubmenu(const QIcon &icon, const QString &text, QMenu *menu, int index = -1);
    // The item that carries the id, null when none does.
    QAction *findItem(int id) const;
};
