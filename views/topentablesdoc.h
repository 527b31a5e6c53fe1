#pragma once

#include "toffdatadoc.h"

// The tables open on the terminals. Not built yet: an empty document under
// the host's open-tables key, until the open tables view replaces it.
class TOpenTablesDoc : public TOffDataDoc
{
    Q_OBJECT
public:
    explicit TOpenTablesDoc(TOffWindow *window);
    ~TOpenTablesDoc() override;

    QString caption() const override;
};
