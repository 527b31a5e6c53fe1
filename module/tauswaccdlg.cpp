#include "tauswaccdlg.h"

#include "pixmapresource.h"
#include "taccessitem.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tsumbatchdlg.h"
#include "tsumfilterdlg.h"
#include "tturnoverdlg.h"

#include <memory>

TAuswAccDlg::TAuswAccDlg(TOffWindow *window)
    : TDlgAccess(window, "TAuswAccDlg")
{
    const int size = window ? window->getIconSize() : 16;
    const QString theme = window ? window->GetIconTheme() : QString();
    TOffWorkspace *workspace = window ? window->workspace() : nullptr;
    // Each dialog is made for the moment it takes to list its elements.
    auto add = [&](std::unique_ptr<QDialog> dialog, const QString &label, const char *icon) {
        if (TAccessItem *item = insert(dialog.get(), label))
            item->setPixmap(getPixmapResource(QLatin1String(icon), size, theme, false));
    };
    add(std::make_unique<TSumFilterDlg>(workspace, nullptr, false, this),
        tr("Report filter dialog"), "FILTER");
    add(std::make_unique<TSumBatchDlg>(workspace, nullptr, false, this), tr("Batchreport dialog"),
        "BATCHREPORT");
    add(std::make_unique<TTurnOverDlg>(workspace ? workspace->getData(QStringLiteral("waiters"))
                                                 : nullptr,
                                       QDate::currentDate(), this),
        tr("Turnover dialog"), "TURNOVER");
}

TAuswAccDlg::~TAuswAccDlg() = default;
