#pragma once

#include "texceptionsrun.h"
#include "trangechartdoc.h"

#include <QDateTime>
#include <QPointer>
#include <QtCharts/QChartView>

class QComboBox;
class QPagedPaintDevice;
class QDialog;
class QPlainTextEdit;
class QSplitter;
class QToolButton;
namespace PosLib {
class TCurrencies;
}
class QTreeWidget;
class QTreeWidgetItem;
namespace QtWidgets {
class TDatePicker;
}

// Exceptions: per waiter (and per cost center) the voids, discounts, free
// prices, price findings, staff-account and not-in-summary payments,
// credits, moved tables, splits and cash records of a range, each with its
// count and its rate per 100 bills beside the team's median; flagged
// figures stand out (bold, coloured, marked "!"), and the chart below
// shows the rates of one kind against the median. A double click on a
// figure lists the entries behind it, and an entry chosen there shows its
// bill as the paid tables journal does. The tool row takes the range
// (without "From" the current day), the kind the chart shows, "Start"
// (F5) and "PDF"; printing prints the text and the charts.
class TExceptionsDoc : public TRangeChartDoc
{
    Q_OBJECT
public:
    explicit TExceptionsDoc(TOffWindow *window);
    ~TExceptionsDoc() override;

    QString caption() const override;
    QStringList columns() const override;
    void fill() override;
    void onSelection() override;
    QString getInformation() const override;
    bool print(QPrinter *printer) override;
    // The last run as 'veltrum exceptions --format xlsx' writes it: the
    // figures, each week and the entries behind the flags on sheets of
    // their own; before a run the list.
    bool exportWorkbook(const QString &fileName, QString *error) override;
    // The clock the run is printed with; the current time unless set.
    void setNow(const QDateTime &now) { m_now = now; }
    const PosLib::TExceptionsResult &result() const { return m_result; }

    // The column of a kind in the list.
    static int columnOf(PosLib::TExceptionKind kind);
    // The row of a group; null when the list has none.
    QTreeWidgetItem *itemOf(PosLib::TExceptionSide::Kind side, int number) const;
    // The kind the chart shows.
    PosLib::TExceptionKind chartKind() const { return m_chartKind; }
    void setChartKind(PosLib::TExceptionKind kind);

    // The entries behind the figure of `item` in `column` (every kind in
    // the columns before the kinds'), in a window of their own; returns it.
    QDialog *showEntries(QTreeWidgetItem *item, int column);
    QTreeWidget *entriesList() const { return m_entries; }
    QPlainTextEdit *billText() const { return m_bill; }
    // The bill of an entry as the paid tables journal shows it.
    QStringList billLines(const PosLib::TExceptionEntry &entry) const;

    // The text of the run, as 'veltrum exceptions' prints it.
    QStringList lines() const;
    // Writes the text and the charts as PDF; false when it cannot be written.
    bool savePdf(const QString &fileName) const override;

public Q_SLOTS:
    void onStart();
    void onPdf();
    void languageChange() override;

protected:
    QString runDays(QString (*date)(const QDate &)) const override;
    // Items fold; a double click on a figure lists its entries.
    void prepareList(TOffListView *list) override;

private:
    // The text and the charts on the pages of `device`.
    void printOn(QPagedPaintDevice *device) const;
    void fillChart();
    void showBill();

    QDateTime m_now;
    PosLib::TExceptionsResult m_result;
    bool m_ran = false;
    PosLib::TExceptionKind m_chartKind = PosLib::TExceptionKind::Voids;
    QPointer<QComboBox> m_chartBox;
    QPointer<QDialog> m_entriesDialog;
    QPointer<QTreeWidget> m_entries;
    QPointer<QPlainTextEdit> m_bill;
    // the entries the dialog lists, in its order
    std::vector<const PosLib::TExceptionEntry *> m_listed;
};
