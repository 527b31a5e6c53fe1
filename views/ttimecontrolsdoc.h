#pragma once

#include "toffdatadoc.h"

// The waiters' logon periods. Not built yet: an empty document named
// "timecontrols", until the time controls view replaces it.
class TTimeControlsDoc : public TOffDataDoc
{
    Q_OBJECT
public:
    explicit TTimeControlsDoc(TOffWindow *window);
    ~TTimeControlsDoc() override;

    QString caption() const override;
};
