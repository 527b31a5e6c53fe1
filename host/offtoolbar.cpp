#include "offtoolbar.h"

#include "toffwindow.h"

OffToolbar::OffToolbar(TOffWindow *window, const QString &name)
    : QToolBar(name, window)
{
    setObjectName(name);
    if (window) {
        setIconSize(QSize(window->getIconSize(), window->getIconSize()));
        window->addToolBar(Qt::TopToolBarArea, this);
    }
}

OffToolbar::~OffToolbar() = default;

void OffToolbar::useTextLabels(bool on)
{
    setToolButtonStyle(on ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}
