#pragma once

#include "tvalue.h"

namespace PosLib {

// The family groups of the installation ("famgroups.dat"); reports only look
// their names up by number.
class TFamGroups : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TFamGroups(bool autoDelete = true, QObject *parent = nullptr);
    ~TFamGroups() override;

    QString listName() const override;
    QString fileName() const override;
    QString elementName() const override;
};

} // namespace PosLib
