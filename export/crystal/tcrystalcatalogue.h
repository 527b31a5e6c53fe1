#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace Crystal {

// One report of the fast report catalogue, as its ini file in the reports
// directory describes it (section "Settings"):
//
//     [Settings]
//     lists = tables,pays,infos      ; a report needing "sql" is not offered
//     report = waiters.vrt           ; the design, beside the ini
//     name = Daily sheet per waiter
//     name_de = Tagesblatt je Kellner
//     image = waiters.png
//     header = yes
//
//     [default]
//     pays = ref_table;waitername;payformname;amount   ; list layouts
struct TCatalogueEntry
{
    QString report; // the design file, resolved
    QString name; // the display name in the user's language
    QString image; // the picture file, resolved; empty without one
    QString ini; // the ini file

    // "report;name;image;ini", the text the selection dialog lists and
    // gives back: its first item is the file to open.
    QString text() const;
    static TCatalogueEntry fromText(const QString &text);
};

// Every fast report of `directory`: each "*.ini" (in name order) whose
// "Settings" name a report, whose "lists" do not contain "sql" and whose
// report file exists ("Reports, Report not found for %1" is logged for one
// that does not). `resolve` turns a file name of the ini into a path (the
// back office's getCrystalFile). "name_<language>" wins over "name" (the
// full code, then its first two letters); without either the ini's base
// name is shown. A non-empty `enabled` offers only the inis whose base
// names it holds (any case).
QList<TCatalogueEntry> scanCatalogue(const QString &directory, const QString &language,
                                     const QStringList &enabled,
                                     const std::function<QString(const QString &)> &resolve);

// True when a "lists" value (comma-separated) names "sql".
bool needsSql(const QString &lists);

} // namespace Crystal
