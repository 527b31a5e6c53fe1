// How the reports document answers during a long run: a waiter report over
// a year of closed days, cancelled from its progress dialog after a few
// seconds. Prints how long "Cancel" took to end the run and the longest
// time the dialog went without painting.
//
//   bench_cancel [SECONDS...]     cancel after these many seconds (1 5)
//
// The installation is the one of bench_report: VELTRUM_BENCH_DIR, or
// bench-data/<days>x<tables> (VELTRUM_BENCH_DAYS 365, VELTRUM_BENCH_TABLES
// 400), written once when missing.
#include "benchenv.h"
#include "tdemoinstallation.h"
#include "toffapplication.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tpaidtablesdoc.h"
#include "trepprogress.h"

#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

const QDate Today = benchToday();

QString installation(int days)
{
    const int tables = envInt("VELTRUM_BENCH_TABLES", 400);
    return benchInstallation("VELTRUM_BENCH_DIR", QStringLiteral("%1x%2").arg(days).arg(tables),
                             days, tables);
}

// Notes when the progress dialog paints.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(const QElapsedTimer &clock)
        : m_clock(clock)
    { }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const qint64 now = m_clock.elapsed();
            if (m_last >= 0)
                longestGap = std::max(longestGap, now - m_last);
            m_last = now;
            ++paints;
        }
        return false;
    }
    qint64 longestGap = 0;
    int paints = 0;

private:
    const QElapsedTimer &m_clock;
    qint64 m_last = -1;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TOffApplication app(argc, argv);
    QList<int> cancelAfter;
    for (const QString &arg : app.arguments().mid(1))
        cancelAfter << arg.toInt();
    if (cancelAfter.isEmpty())
        cancelAfter = {1, 5};

    const int days = envInt("VELTRUM_BENCH_DAYS", 365);
    const QString root = installation(days);
    TOffWorkspace workspace(root);
    TOffWindow window(&workspace);
    auto *doc = new TPaidTablesDoc(&window);
    workspace.documents().insert(doc->key(), doc);
    window.show();
    window.showDocument(doc);
    doc->setRange(Today.addDays(-days), Today.addDays(-1));

    for (int seconds : cancelAfter) {
        QElapsedTimer clock;
        PaintWatch watch(clock);
        qint64 clickedAt = -1;
        QDate dayAtClick;
        auto started = QObject::connect(
                doc, &TPaidTablesDoc::runStarted, doc, [&](TRepProgress *progress) {
                    progress->installEventFilter(&watch);
                    QTimer::singleShot(seconds * 1000, progress, [&, progress] {
                        clickedAt = clock.elapsed();
                        dayAtClick = progress->m_Date->date();
                        progress->b_Cancel->click();
                    });
                });
        doc->reportSelector()->setCurrentId(5);
        clock.start();
        doc->fillData();
        const qint64 ended = clock.elapsed();
        QObject::disconnect(started);
        const QString first = doc->listView()->topLevelItemCount() > 0
                                      ? doc->listView()->topLevelItem(0)->text(0)
                                      : QString();
        if (clickedAt < 0) {
            std::printf("waiter report over %d days: done in %lld ms before the cancel at %d s\n",
                        days, ended, seconds);
            continue;
        }
        std::printf("waiter report over %d days, Cancel after %d s (reading %s): run ended %lld ms "
                    "after the click, shows \"%s\"; %d paints, longest gap %lld ms\n",
                    days, seconds, qPrintable(dayAtClick.toString(Qt::ISODate)), ended - clickedAt,
                    qPrintable(first), watch.paints, watch.longestGap);
    }
    return 0;
}
