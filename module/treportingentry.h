#pragma once

class TOffTreeItem;

// What the module overview may ask of the reporting module without
// knowing it: the tree items of the lists this user may open (none where
// the user lacks the right), whether a command exists for this user, and
// running a command. The module implements it; the overview only holds it.
class TReportingEntry
{
public:
    enum class Area { Filters, Batches, Tables, Archs, Variable, Times };
    enum class Command {
        Tables,
        Archs,
        Filters,
        Variable,
        Batches,
        TimeControls,
        Options,
        TurnOver,
        AllFamilies,
        AllArticles,
        AllWaiters,
        WaiterFamilies,
        WaiterArticles,
        WaiterReport,
        CenterFamilies,
        CenterArticles,
        CenterReport,
        PaidTables,
    };

    virtual ~TReportingEntry() = default;
    virtual TOffTreeItem *areaItem(Area area) const = 0;
    virtual bool hasCommand(Command command) const = 0;
    virtual void run(Command command) = 0;
};
