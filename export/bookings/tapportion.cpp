#include "tapportion.h"

#include <algorithm>
#include <numeric>

namespace PosLib {

QList<QList<qint64>> apportion(const QList<qint64> &sources, const QList<qint64> &sinks)
{
    QList<QList<qint64>> rows;
    QList<qint64> lacking = sinks;
    for (qsizetype p = 0; p < sources.size(); ++p) {
        QList<qint64> row(sinks.size(), 0);
        const qint64 amount = sources.at(p);
        const qint64 open = std::accumulate(lacking.cbegin(), lacking.cend(), qint64(0));
        if (p + 1 == sources.size() || open <= 0) {
            row = p + 1 == sources.size() ? lacking : row;
        } else {
            // share = amount × lacking / open, in whole cents and remainders
            QList<qsizetype> order;
            QList<__int128> remainder(sinks.size(), 0);
            qint64 given = 0;
            for (qsizetype k = 0; k < sinks.size(); ++k) {
                const __int128 product = __int128(amount) * lacking.at(k);
                row[k] = qint64(product / open);
                remainder[k] = product % open;
                given += row.at(k);
                order << k;
            }
            std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
                return remainder.at(a) > remainder.at(b);
            });
            for (qsizetype i = 0; given < amount && i < order.size(); ++i, ++given)
                ++row[order.at(i)];
        }
        for (qsizetype k = 0; k < sinks.size(); ++k)
            lacking[k] -= row.at(k);
        rows << row;
    }
    return rows;
}

} // namespace PosLib
