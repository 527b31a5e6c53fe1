#pragma once

#include "toffdatadoc.h"

// The summary batches of the installation (workspace list "sumbatches").
// For now the host's plain list of the records (number and name), until
// the batch view with its dialogs replaces it.
class TSumBatchesDoc : public TOffDataDoc
{
    Q_OBJECT
public:
    explicit TSumBatchesDoc(TOffWindow *window);
    ~TSumBatchesDoc() override;

    QString caption() const override;
};
