#pragma once

#include <QList>
#include <QString>

namespace PosLib {

// One report kind of the reports document: what its menu entry and the
// report combo box run.
struct TReportKind
{
    enum Side { NoSide, WaiterSide, CenterSide };

    int id;
    const char *caption; // translatable, context "TPaidTablesDoc"
    const char *slot; // the document's slot, e.g. "onAllArticles"
    Side side;
    int code; // summary report code; -1 for none
    bool overAll;
    const char *title; // translatable, context "TPaidTablesDoc"
};

// Ids 1 to 42 in their order. Batches are offered as batch number + 100,
// external plug-in reports as number + 500.
const QList<TReportKind> &reportKinds();
// The kind with that id, null when none.
const TReportKind *reportKind(int id);
// Summary kinds are 3 … 42.
bool isSummaryKind(int id);

QString reportCaption(const TReportKind &kind);
QString reportTitle(const TReportKind &kind);

constexpr int BatchKindOffset = 100;
constexpr int PluginKindOffset = 500;

} // namespace PosLib
