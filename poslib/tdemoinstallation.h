#pragma once

#include <QDate>
#include <QString>

namespace PosLib {

// What a demo installation holds.
struct TDemoOptions
{
    int days = 7; // closed business days before today
    int tables = 40; // paid tables per day
    quint64 seed = 1;
    QDate today; // invalid: the current date
};

struct TDemoSummary
{
    int closedDays = 0;
    int closedTables = 0;
    int paidTables = 0; // today's, in "var/archives"
    int openTables = 0;
};

// Writes a complete, deterministic installation of a restaurant: master
// data, settings, INI files, closed days with their day summaries and Z
// numbers, today's paid and open tables, time controls. The same options
// give the same files byte for byte.
class TDemoInstallation
{
public:
    explicit TDemoInstallation(const TDemoOptions &options);
    TDemoSummary write(const QString &root);

    // The file that marks a directory as written by a demo run.
    static QString markerName() { return QStringLiteral("demo.ini"); }

private:
    TDemoOptions m_options;
};

} // namespace PosLib
