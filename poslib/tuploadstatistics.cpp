#include "tuploadstatistics.h"

namespace PosLib {

int uploadStatistics(const QString &operation, const QString &root, const QDate &day)
{
    Q_UNUSED(operation);
    Q_UNUSED(root);
    Q_UNUSED(day);
    // No plug-in host is wired in yet.
    return 803;
}

} // namespace PosLib
