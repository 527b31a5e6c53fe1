#include "tsumbatchesdoc.h"

TSumBatchesDoc::TSumBatchesDoc(TOffWindow *window)
    : TOffDataDoc(QStringLiteral("sumbatches"), window, true)
{ }

TSumBatchesDoc::~TSumBatchesDoc() = default;

QString TSumBatchesDoc::caption() const
{
    return tr("Reporting batches");
}
