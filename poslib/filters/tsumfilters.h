#pragma once

#include "tsumfilter.h"
#include "tvalue.h"

namespace PosLib {

// The summary filters of the installation ("sumfilters.dat"), kept by the
// host workspace as the data list "sumfilters".
class TSumFilters : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TSumFilters(bool autoDelete = true, QObject *parent = nullptr);
    ~TSumFilters() override;

    QString listName() const override;
    QString fileName() const override;
    QString elementName() const override;
    // An empty TSumFilter.
    Basics::TValue *newValue() override;

    // The filter with that number; null when there is none (or the record
    // under that number is no filter).
    TSumFilter *filter(int id) const;
};

} // namespace PosLib
