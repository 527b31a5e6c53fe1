#include "treportkinds.h"

#include <QCoreApplication>

namespace PosLib {

namespace {
constexpr auto W = TReportKind::WaiterSide;
constexpr auto C = TReportKind::CenterSide;
constexpr auto N = TReportKind::NoSide;
} // namespace

const QList<TReportKind> &reportKinds()
{
    static const QList<TReportKind> kinds = {
            {1, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Paid tables"), "onPaidTables", N, -1, false,
             ""},
            {2, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Journal"), "", N, -1, false, ""},
            {3, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Waiter payments"), "onWaiterTables", W, 5,
             false, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Table report per waiter")},
            {4, QT_TRANSLATE_NOOP("TPaidTablesDoc", "All waiters"), "onAllWaiters", W, 2, true,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Amount of all waiters")},
            {5, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Waiter report"), "onWaiterReport", W, 2, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "List of all waiters")},
            {6, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Cost center report"), "onCenterReport", C, 3,
             false, QT_TRANSLATE_NOOP("TPaidTablesDoc", "List of all cost centers")},
            {7, QT_TRANSLATE_NOOP("TPaidTablesDoc", "All articles"), "onAllArticles", W, 0, true,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Article report of all waiters")},
            {8, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Articles per waiter"), "onWaiterArticles", W,
             0, false, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Article report per waiter")},
            {9, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Articles per cost center"), "onCenterArticles",
             C, 0, false, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Article report per cost center")},
            {10, QT_TRANSLATE_NOOP("TPaidTablesDoc", "All families"), "onAllFamilies", W, 1, true,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Family report of all waiters")},
            {11, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Families per waiter"), "onWaiterFamilies", W,
             1, false, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Family report per waiter")},
            {12, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Families per cost center"),
             "onCenterFamilies", C, 1, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Family report per cost center")},
            {13, QT_TRANSLATE_NOOP("TPaidTablesDoc", "All voids"), "onAllVoids", W, 4, true,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Report of all voids")},
            {14, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Voids per Waiter"), "onWaiterVoids", W, 4,
             false, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Void report per waiter")},
            {15, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Voids per cost center"), "onCenterVoids", C,
             4, false, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Void report per cost center")},
            {16, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Void entries"), "onVoidEntries", W, 6, true,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Report of all voids")},
            {17, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Void entries per waiter"),
             "onWaiterVoidEntries", W, 6, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Void report per waiter")},
            {18, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Void entries per cost center"),
             "onCenterVoidEntries", C, 6, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Void report per cost center")},
            {19, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Hour report"), "onAllHours", W, 7, true,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Hour report")},
            {20, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Hour report per waiter"), "onWaiterHours", W,
             7, false, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Hour report per waiter")},
            {21, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Hour report per cost center"),
             "onCenterHours", C, 7, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Hour report per cost center")},
            {22, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Order report"), "onAllOrders", W, 8, true,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Order report")},
            {23, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Order report per waiter"), "onWaiterOrders",
             W, 8, false, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Order report per waiter")},
            {24, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Order report per cost center"),
             "onCenterOrders", C, 8, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Order report per cost center")},
            {25, QT_TRANSLATE_NOOP("TPaidTablesDoc", "All family groups"), "onAllFamGroups", W, 9,
             true, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Family group report of all waiters")},
            {26, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Family groups per waiter"),
             "onWaiterFamGroups", W, 9, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Family group report per waiter")},
            {27, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Family groups per cost center"),
             "onCenterFamGroups", C, 9, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Family group report per cost center")},
            {28, QT_TRANSLATE_NOOP("TPaidTablesDoc", "All departments"), "onAllDepartments", W, 10,
             true, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Department report of all waiters")},
            {29, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Departments per waiter"),
             "onWaiterDepartments", W, 10, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Department report per waiter")},
            {30, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Departments per cost center"),
             "onCenterDepartments", C, 10, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Department report per cost center")},
            {31, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Minimal report"), "onMinimal", W, 11, true,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Report")},
            {32, QT_TRANSLATE_NOOP("TPaidTablesDoc", "All discounts"), "onAllDiscounts", W, 12,
             true, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Discount report")},
            {33, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Discounts per waiter"), "onWaiterDiscounts",
             W, 12, false, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Discount report per waiter")},
            {34, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Discounts per cost center"),
             "onCenterDiscounts", C, 12, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Discount report per cost center")},
            {35, QT_TRANSLATE_NOOP("TPaidTablesDoc", "All pricefindings"), "onAllSubvents", W, 13,
             true, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Pricefinding report")},
            {36, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Pricefinding per waiter"), "onWaiterSubvents",
             W, 13, false, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Pricefinding report per waiter")},
            {37, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Pricefinding per cost center"),
             "onCenterSubvents", C, 13, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Pricefinding report per cost center")},
            {38, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Table report"), "onAllTables", W, 5, true,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Table report")},
            {39, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Table report per cost center"),
             "onCenterTables", C, 5, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Table report per cost center")},
            {40, QT_TRANSLATE_NOOP("TPaidTablesDoc", "All hotel rooms"), "onAllHotelRooms", W, 14,
             true, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Hotel rooms")},
            {41, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Hotel rooms per waiter"),
             "onWaiterHotelRooms", W, 14, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Hotel rooms per waiter")},
            {42, QT_TRANSLATE_NOOP("TPaidTablesDoc", "Hotel rooms per cost center"),
             "onCenterHotelRooms", C, 14, false,
             QT_TRANSLATE_NOOP("TPaidTablesDoc", "Hotel rooms per cost center")},
    };
    return kinds;
}

const TReportKind *reportKind(int id)
{
    for (const TReportKind &kind : reportKinds()) {
        if (kind.id == id)
            return &kind;
    }
    return nullptr;
}

bool isSummaryKind(int id)
{
    return id >= 3 && id <= 42;
}

QString reportCaption(const TReportKind &kind)
{
    return QCoreApplication::translate("TPaidTablesDoc", kind.caption);
}

QString reportTitle(const TReportKind &kind)
{
    return QCoreApplication::translate("TPaidTablesDoc", kind.title);
}

} // namespace PosLib
