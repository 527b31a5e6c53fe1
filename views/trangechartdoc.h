#pragma once

#include "toffdatadoc.h"

#include <QDate>
#include <QPointer>
#include <QtCharts/QChartView>

class QSplitter;
class TOffListView;
namespace PosLib {
class TCurrencies;
}
namespace QtWidgets {
class TDatePicker;
}

// A document that runs over a range of days and shows its list with a
// chart below it: the range pickers of the tool row ("From" empty for the
// current day, "To" empty for the first day alone), the list and chart
// one above the other, and the PDF of the run proposed, titled and named
// after the document, the days of the run and the installation.
class TRangeChartDoc : public TOffDataDoc
{
    Q_OBJECT
public:
    TRangeChartDoc(const QString &key, TOffWindow *window);
    ~TRangeChartDoc() override;

    QWidget *createView(QWidget *parent) override;
    // The caption, the days of the last run and the installation.
    QString printTitle() const override;
    QString pdfFileName() const override;

    // The range of the next run; an invalid `from` is the current day.
    void setRange(const QDate &from, const QDate &to);
    QDate from() const { return m_from; }
    QDate to() const { return m_to; }
    QChartView *chartView() const { return m_chartView; }

    // Writes the text and the charts of the last run as PDF; false when
    // there is none or it cannot be written.
    virtual bool savePdf(const QString &fileName) const = 0;

protected:
    // The days of the last run, each written by `date`: one day alone,
    // else "from - to"; empty before a run.
    virtual QString runDays(QString (*date)(const QDate &)) const = 0;
    // Sets up the list before it is shown (the base: items that fold).
    virtual void prepareList(TOffListView *list);

    // The range pickers into the tool row.
    void addRangeTools();
    // The range the pickers hold, taken for the next run.
    void takeRange();
    // Asks where to save the PDF (`dialogTitle`), writes it and says so;
    // a file that cannot be written is told in a message box.
    void saveAsPdf(const QString &dialogTitle);
    const PosLib::TCurrencies *currencies() const;

    QDate m_from;
    QDate m_to;
    QPointer<QChartView> m_chartView;

private:
    QPointer<QSplitter> m_splitter;
    QPointer<QtWidgets::TDatePicker> m_fromEdit;
    QPointer<QtWidgets::TDatePicker> m_toEdit;
};

// "1 - 2" of two days written by `date`, or the one day alone.
QString rangeText(const QDate &from, const QDate &to, QString (*date)(const QDate &));
