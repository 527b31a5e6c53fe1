#include "tcomparechoice.h"

using namespace PosLib;

TCompareChoice::TCompareChoice(QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(QStringLiteral("m_Compare"));
    addItem(tr("Nothing"), int(TCompareWith::None));
    addItem(tr("Days before"), int(TCompareWith::Previous));
    addItem(tr("Last week"), int(TCompareWith::Week));
    addItem(tr("Last year"), int(TCompareWith::Year));
    setToolTip(tr("Compare the report with other days: the same number of days just before "
                  "(whole months with the months before), the same days a week earlier, or "
                  "the same weekdays a year earlier. The current day is compared up to the "
                  "same hour."));
}

TCompareWith TCompareChoice::value() const
{
    TCompareWith with;
    with.mode = TCompareWith::Mode(currentData().toInt());
    return with;
}

void TCompareChoice::setValue(TCompareWith::Mode mode)
{
    setCurrentIndex(std::max(0, findData(int(mode))));
}
