#pragma once

#include "tlabourreport.h"
#include "trangechartdoc.h"

#include <QDateTime>
#include <QPointer>
#include <QtCharts/QChartView>

class QSplitter;
class QTreeWidgetItem;
namespace PosLib {
class TCurrencies;
}
namespace QtWidgets {
class TDatePicker;
}

// Sales per labour hour: the hours the waiters worked (from the time
// controls) beside what they sold, per waiter, per hour of the clock and in
// total, with sales and covers per labour hour and, with wages, the labour
// cost and its share; below the list the chart of sales and hours worked
// per hour. The same run as 'veltrum labour'. The tool row takes the range
// (without "From" the current day), "Start" (F5) and "PDF"; printing prints
// the text and the chart.
class TLabourDoc : public TRangeChartDoc
{
    Q_OBJECT
public:
    // The list's columns.
    enum Column {
        NameColumn,
        HoursColumn,
        SalesColumn,
        SalesPerHourColumn,
        CoversColumn,
        CoversPerHourColumn,
        CostColumn,
        ShareColumn,
        ColumnCount
    };
    // The list's top rows, in this order.
    enum Row { WaitersRow, HoursRow, TotalRow };

    explicit TLabourDoc(TOffWindow *window);
    ~TLabourDoc() override;

    QString caption() const override;
    QStringList columns() const override;
    void fill() override;
    void onSelection() override;
    QString getInformation() const override;
    bool print(QPrinter *printer) override;
    // The last run as 'veltrum labour --format xlsx' writes it: a sheet each
    // for the waiters, the hours and the total; before a run the list.
    bool exportWorkbook(const QString &fileName, QString *error) override;
    // The clock of the run (the current day, running logon periods); the
    // current time unless set.
    void setNow(const QDateTime &now) { m_now = now; }
    const PosLib::TLabourReport &report() const { return m_report; }
    // Why the last run failed (the file and the reason); empty after one
    // that worked.
    QString error() const { return m_error; }

    // The text of the run, as 'veltrum labour' prints it.
    QStringList lines() const;
    // Writes the text and the chart as PDF; false when it cannot be written.
    bool savePdf(const QString &fileName) const override;

public Q_SLOTS:
    void onStart();
    void onPdf();
    void languageChange() override;

protected:
    QString runDays(QString (*date)(const QDate &)) const override;

private:
    void setRow(QTreeWidgetItem *item, const QString &name, const PosLib::TLabourLine &line,
                bool covers) const;
    void fillChart();

    QDateTime m_now;
    PosLib::TLabourReport m_report;
    QString m_error;
    bool m_ran = false;
};
