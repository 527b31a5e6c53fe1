#pragma once

#include "twaiter.h"

namespace PosLib {

// The waiter list of the installation ("waiters.dat"), the workspace list
// "waiters".
class TWaiters : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TWaiters(bool autoDelete = true, QObject *parent = nullptr);
    ~TWaiters() override;

    QString listName() const override;
    QString fileName() const override;
    QString elementName() const override;
    // An empty TWaiter.
    Basics::TValue *newValue() override;

    // The waiter with that number; null when there is none.
    TWaiter *waiter(int id) const;
};

} // namespace PosLib
