#include "twaiters.h"

namespace PosLib {

TWaiters::TWaiters(bool autoDelete, QObject *parent)
    : Basics::TValueList(autoDelete, parent)
{ }

TWaiters::~TWaiters() = default;

QString TWaiters::listName() const
{
    return QStringLiteral("waiters");
}

QString TWaiters::fileName() const
{
    return QStringLiteral("waiters.dat");
}

QString TWaiters::elementName() const
{
    return QStringLiteral("waiter");
}

Basics::TValue *TWaiters::newValue()
{
    return new TWaiter;
}

TWaiter *TWaiters::waiter(int id) const
{
    return dynamic_cast<TWaiter *>(find(id));
}

} // namespace PosLib
