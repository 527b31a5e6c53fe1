#pragma once

#include <QList>
#include <QMap>
#include <QString>

namespace DotNetPluginLibrary {

// A group of walk reports: its number, caption and the reports in it.
struct TWalkGroup
{
    int id = 0;
    QString caption;
    QList<int> reports;
};

// The walk reports an installation offers, from "etc/walk.ini":
//
//   [reports]           one entry per report: its number = its text
//   12=Sales per hour
//   14=Covers per waiter
//
//   [group1]            a group per section "group" + number
//   caption=Sales
//   group=12;14         the numbers of its reports, ";" or "," between
//
// Numbers that are no report of [reports] are left out of a group, and so
// is a group without a caption. A missing file offers nothing.
class TWalkCatalogue
{
public:
    // "etc/walk.ini" under the installation root.
    static QString fileName(const QString &root);

    // Reads the catalogue of the installation; false (and an empty
    // catalogue) when there is no file or it cannot be read.
    bool load(const QString &root);

    // Report texts by number.
    const QMap<int, QString> &reports() const { return m_reports; }
    // Groups in the order of their numbers.
    const QList<TWalkGroup> &groups() const { return m_groups; }
    bool hasReports() const { return !m_reports.isEmpty(); }
    bool hasGroups() const { return !m_groups.isEmpty(); }
    // The reports of the group with that number; every report for 0 or a
    // number that is no group.
    QList<int> reportsOf(int group) const;

private:
    QMap<int, QString> m_reports;
    QList<TWalkGroup> m_groups;
};

} // namespace DotNetPluginLibrary
