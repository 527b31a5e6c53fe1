#pragma once

#include "tvalue.h"

namespace PosLib {

// One tax group: "id" (the tax id), "name", "rate" (percent) and "amount"
// (the tax in cents, summed up by the table that collects its tax groups).
class TTaxGroup : public Basics::TValue
{
public:
    TTaxGroup() = default;
    explicit TTaxGroup(const Basics::TValue &record);
    ~TTaxGroup() override;

    double rate() const;
    void setRate(double percent);
    qint64 amount() const;
    void setAmount(qint64 cents);
};

// The tax groups of the installation ("taxgroups.dat"); its records are
// TTaxGroup objects.
class TTaxGroups : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TTaxGroups(bool autoDelete = true, QObject *parent = nullptr);
    ~TTaxGroups() override;

    QString listName() const override;
    QString fileName() const override;
    QString elementName() const override;
    Basics::TValue *newValue() override;

    // The tax group with that id, null when absent or not a TTaxGroup.
    TTaxGroup *taxGroup(int id) const;
};

} // namespace PosLib
