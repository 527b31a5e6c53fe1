#pragma once

#include "tvalue.h"

namespace PosLib {

// One waiter of the waiter list ("waiters.dat"): number ("id"), "name" and
// the flags the reports look at.
class TWaiter : public Basics::TValue
{
public:
    TWaiter() = default;
    // A waiter made of the fields of another record.
    explicit TWaiter(const Basics::TValue &record);
    ~TWaiter() override;

    // A trainee's tables are left out of or kept alone in reports on request.
    bool trainee() const;
    void setTrainee(bool trainee);
    // The team numbers, ";"-separated in the record.
    QList<int> teams() const;
};

} // namespace PosLib
