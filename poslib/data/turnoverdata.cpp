#include "turnoverdata.h"

namespace PosLib {

TurnoverData::TurnoverData()
{
    setDataPath(QString());
    setCostCenterId(0);
    setCancelTurnover(false);
}

TurnoverData::~TurnoverData() = default;

QDateTime TurnoverData::now() const
{
    return m_clock.isValid() ? m_clock : QDateTime::currentDateTime();
}

} // namespace PosLib
