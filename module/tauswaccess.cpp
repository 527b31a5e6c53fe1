#include "tauswaccess.h"

#include "pixmapresource.h"
#include "taccessitem.h"
#include "toffwindow.h"
#include "toffworkspace.h"

TAuswAccess::TAuswAccess(QWidget *parent)
    : TListAccess(parent, "TAuswAccess")
{
    auto *window = qobject_cast<TOffWindow *>(parent);
    const int size = window ? window->getIconSize() : 16;
    const QString theme = window ? window->GetIconTheme() : QString();
    const struct
    {
        const char *key;
        QString label;
        const char *icon;
    } lists[] = {
            {"sumfilters", tr("Report filters"), "FILTER"},
            {"sumbatches", tr("Batchreports"), "BATCHREPORT"},
            {TOffWorkspace::docOpenTables, tr("Open tables"), "OPENTABLES"},
            {TOffWorkspace::docPaidTables, tr("Paid tables"), "PAIDTABLES"},
            {"aswvariable", tr("Range statistics"), "REPORTRANGE"},
            {"timecontrols", tr("Time controlling"), "REPORTWAITER"},
            {"exceptions", tr("Exceptions"), "REPORTWAITER"},
            {"labour", tr("Sales per labour hour"), "REPORTWAITER"},
            {"turnover", tr("Day turn over"), "TURNOVER"},
            {"sumoptions", tr("Report options"), "OPTIONS"},
    };
    for (const auto &list : lists)
        insert(QLatin1String(list.key), list.label)
                ->setPixmap(getPixmapResource(QLatin1String(list.icon), size, theme, false));
}

TAuswAccess::~TAuswAccess() = default;
