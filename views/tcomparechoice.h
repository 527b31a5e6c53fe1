#pragma once

#include "tcompareperiod.h"

#include <QComboBox>

// The reports document's "Compare with" choice: nothing, the days just
// before, the same days a week earlier, or the same weekdays a year
// earlier (TCompareWith).
class TCompareChoice : public QComboBox
{
    Q_OBJECT
public:
    explicit TCompareChoice(QWidget *parent = nullptr);

    PosLib::TCompareWith value() const;
    void setValue(PosLib::TCompareWith::Mode mode);
};
