#pragma once

#include "tlistaccess.h"

// The reporting module's lists for the list rights dialog, named
// "TAuswAccess".
class TAuswAccess : public TListAccess
{
    Q_OBJECT
public:
    explicit TAuswAccess(QWidget *parent = nullptr);
    ~TAuswAccess() override;
};
