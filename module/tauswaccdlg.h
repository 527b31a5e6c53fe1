#pragma once

#include "tdlgaccess.h"

class TOffWindow;

// The reporting module's dialogs for the dialog rights dialog, named
// "TAuswAccDlg": the summary filter dialog, the summary batch dialog and
// the turnover dialog, each with its elements.
class TAuswAccDlg : public TDlgAccess
{
    Q_OBJECT
public:
    explicit TAuswAccDlg(TOffWindow *window);
    ~TAuswAccDlg() override;
};
