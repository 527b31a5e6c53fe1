#include "tdemotimecontrols.h"

#include "tdemolists.h"
#include "tdemomasterdata.h"
#include "tdemorandom.h"
#include "ttimecontrols.h"

#include <QTime>

#include <algorithm>

using namespace Basics;

namespace PosLib::Demo {

void writeTimeControls(const QString &root, const Day &day, const DayLog &log, quint64 seed)
{
    TTimeControls controls(day.date);
    auto clock = [](int at) {
        return QTime::fromMSecsSinceStartOfDay(((at % (24 * Hour)) + 24 * Hour) % (24 * Hour)
                                               * 1000)
                .toString(Qt::TextDate);
    };
    for (auto it = log.activity.cbegin(); it != log.activity.cend(); ++it) {
        TRandom r(streamSeed(seed, quint64(day.index) + 100000, quint64(it.key())));
        QVector<int> times = it.value();
        std::sort(times.begin(), times.end());
        QStringList periods;
        int from = times.first();
        for (int i = 0; i < times.size(); ++i) {
            const bool last = i + 1 == times.size();
            if (!last && times.at(i + 1) - times.at(i) < 2 * Hour)
                continue;
            QString period = clock(from - r.range(5, 20) * Minute) + QLatin1Char('#');
            const bool running = last && log.running.value(it.key());
            if (!running)
                period += clock(times.at(i) + r.range(5, 15) * Minute);
            else if (it.key() % 2 == 0)
                period.chop(1); // logged on, written without "#"
            periods << period;
            if (!last)
                from = times.at(i + 1);
        }
        TValue *v = record(it.key(), text(waiterById(it.key()).name));
        v->setString(QStringLiteral("time"), periods.join(QLatin1Char(';')));
        controls.insert(v);
    }
    controls.save(root);
}

} // namespace PosLib::Demo
