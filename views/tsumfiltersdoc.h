#pragma once

#include "toffdatadoc.h"

// The summary filters of the installation (workspace list "sumfilters").
// For now the host's plain list of the records (number and name), until
// the filter view with its dialogs replaces it.
class TSumFiltersDoc : public TOffDataDoc
{
    Q_OBJECT
public:
    explicit TSumFiltersDoc(TOffWindow *window);
    ~TSumFiltersDoc() override;

    QString caption() const override;
};
