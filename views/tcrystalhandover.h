#pragma once

#include "tintermediatelists.h"

#include <QCoreApplication>
#include <QStringList>

class TPaidTablesDoc;

namespace Basics {
class TInifile;
}

// The reports document's hand-over of its data to report designs: the
// export of the intermediate lists of the selected range, filter and
// outlet ("Crystal Reports", F9), and the fast reports (F8): pick a
// prepared design, export, fill its parameter fields and show it.
class TCrystalHandOver
{
    Q_DECLARE_TR_FUNCTIONS(TPaidTablesDoc)
public:
    explicit TCrystalHandOver(TPaidTablesDoc *document);

    // Removes the intermediate files, then exports the lists once per data
    // path of the selected outlet (once for the installation without one)
    // into the intermediate lists' folder, each path's records appended to
    // the lists of the paths before it. False when the files cannot be
    // removed ("Unable to remove intermediate files\n(%1)") or the host's
    // part refuses.
    bool exportData(Basics::TInifile &ini, bool fast);
    // F8: the catalogue, the choice, the export, the parameters, the viewer.
    void runFastReport();

    // The data paths of the selected outlet; the installation's without one.
    QStringList dataPaths() const;
    // What the export covers, from the document's range and selection row.
    Crystal::TExportRequest request() const;

private:
    TPaidTablesDoc *m_doc;
};
