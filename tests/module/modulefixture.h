#pragma once

// The reporting module loaded from its library, as the back office loads
// it, in a host window over an installation of the test's own.

#include "modaldriver.h"
#include "offtoolbar.h"
#include "screenshot.h"
#include "tcombobox.h"
#include "tdemoinstallation.h"
#include "testdir.h"
#include "tinifile.h"
#include "toffapplication.h"
#include "toffconfig.h"
#include "tofflistview.h"
#include "toffmodule.h"
#include "tofftreeitem.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tsettings.h"
#include "tvalue.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

inline TOffModule &module()
{
    static TOffModule loaded;
    if (!loaded.isLoaded() && !loaded.load(QStringLiteral(VELTRUM_MODULE_FILE)))
        ADD_FAILURE() << loaded.errorString().toStdString();
    return loaded;
}

inline QMenu *menuOf(QMenuBar *bar, const QString &title)
{
    for (QAction *action : bar->actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

inline QMenu *submenuOf(QMenu *menu, const QString &title)
{
    for (QAction *action : menu->actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

// Item texts of a menu, "-" for a separator.
inline QStringList textsOf(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

inline QStringList childTexts(QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

inline QAction *actionOf(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

// Closes the next modal dialog as soon as it is up and notes its name.
class DialogCatcher : public QObject
{
public:
    void arm()
    {
        QTimer::singleShot(0, this, [this] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                caught = dialog->objectName();
                dialog->reject();
            }
        });
    }
    QString caught;
};

class VeltrumModule : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("VELTRUM_CONFIG", dir.file(QStringLiteral("office.ini")).toLocal8Bit());
        TOffConfig::reload();
        ASSERT_TRUE(module().isLoaded());
    }

    void TearDown() override
    {
        stop();
        TOffConfig::reload();
    }

    // Starts the module in a new window, in the host's order.
    void start(bool master = true)
    {
        stop();
        workspace = std::make_unique<TOffWorkspace>(dir.path());
        window = std::make_unique<TOffWindow>(workspace.get());
        window->setMaster(master);
        ASSERT_NE(nullptr, module().initModule(window.get()));
        module().initMenu();
        started = true;
    }

    void stop()
    {
        if (started) {
            module().doneMenu();
            module().doneModule();
            started = false;
        }
        window.reset();
        workspace.reset();
    }

    void denyList(const char *list) { TOffConfig::setLstRight(QLatin1String(list), false); }

    QMenu *reporting() const { return menuOf(window->menuBar(), QStringLiteral("&Reporting")); }
    QMenu *reportingOptions() const
    {
        return submenuOf(window->optionsMenu(), QStringLiteral("&Reporting options"));
    }
    TOffTreeItem *moduleRoot() const
    {
        return window->treeRoot()->childCount() > 0
                       ? static_cast<TOffTreeItem *>(window->treeRoot()->child(0))
                       : nullptr;
    }
    OffToolbar *toolBar() const
    {
        return window->findChild<OffToolbar *>(QStringLiteral("reporting"));
    }

    TestDir dir;
    std::unique_ptr<TOffWorkspace> workspace;
    std::unique_ptr<TOffWindow> window;
    bool started = false;
};
