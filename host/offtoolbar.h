#pragma once

#include <QToolBar>

class TOffWindow;

// A tool bar of the host window in the host's icon size. It is added to the
// window's top tool bar area at once.
class OffToolbar : public QToolBar
{
    Q_OBJECT
public:
    OffToolbar(TOffWindow *window, const QString &name);
    ~OffToolbar() override;

    // Text labels under the icons (or icons only when off).
    void useTextLabels(bool on = true);
};
