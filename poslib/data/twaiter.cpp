#include "twaiter.h"

namespace PosLib {

TWaiter::TWaiter(const Basics::TValue &record)
    : Basics::TValue(record)
{ }

TWaiter::~TWaiter() = default;

bool TWaiter::trainee() const
{
    return getBool(QStringLiteral("trainee"));
}

void TWaiter::setTrainee(bool trainee)
{
    setBool(QStringLiteral("trainee"), trainee);
}

QList<int> TWaiter::teams() const
{
    QList<int> result;
    const QStringList parts
            = getString(QStringLiteral("teams")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        bool ok = false;
        const int team = part.trimmed().toInt(&ok);
        if (ok)
            result.append(team);
    }
    return result;
}

} // namespace PosLib
