#pragma once

#include "tintermediatelists.h"
#include "treportselection.h"

#include <QCoreApplication>
#include <QStringList>

class TOffDocument;

namespace Basics {
class TInifile;
}

// The reports document's hand-over of its data to report designs: the
// export of the intermediate lists of the selected range, filter and
// outlet ("Crystal Reports", F9), and the fast reports (F8): pick a
// prepared design, export, fill its parameter fields and show it. It knows
// the document as a document of the back office (window, workspace,
// progress, the host's part of the export) and its selection as a value.
class TCrystalHandOver
{
    Q_DECLARE_TR_FUNCTIONS(TPaidTablesDoc)
public:
    TCrystalHandOver(TOffDocument *document, const TReportSelection &selection);

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
    // What the export covers, from the selection.
    Crystal::TExportRequest request() const;

private:
    TOffDocument *m_doc;
    TReportSelection m_selection;
};
