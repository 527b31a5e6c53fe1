#pragma once

#include "tchartpage.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPainter;
class QSplitter;
class QToolButton;
namespace PosLib {
class TCurrencies;
}

// The chart beside a report's text in the reports document: the chart of
// one group (waiter, cost center, period or report of a batch) chosen in
// its group box or by the line selected in the text, and the toggle that
// shows the text, the chart or both. Without pages (a report kind without
// chart, the journal, nothing run yet) only the text shows.
class TReportChartPane : public QWidget
{
    Q_OBJECT
public:
    enum Mode { TextOnly, ChartOnly, Both };

    // `text` is the report's text view; the pane lays it out beside the
    // chart and takes it over.
    explicit TReportChartPane(QWidget *text, QWidget *parent = nullptr);
    ~TReportChartPane() override;

    // Where the amounts' currency comes from, asked each time a chart is
    // drawn (the installation's currency list may be reloaded).
    void setCurrencies(std::function<const PosLib::TCurrencies *()> currencies);

    // The report's pages and the lines its text shows; the first page is
    // shown.
    void setPages(const QList<TChartPage> &pages, const QStringList &lines);
    void clear();
    const QList<TChartPage> &pages() const { return m_pages; }
    int currentPage() const { return m_current; }
    void setCurrentPage(int index);
    // Shows the page of the group that text line `line` belongs to; lines
    // of the header leave the chart as it is.
    void followLine(int line);

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    // Whether a chart is shown (there is one and the toggle wants it).
    bool showsChart() const;

    // The chart shown; null without one.
    QChart *chart() const;
    QChartView *chartView() const { return m_view; }
    QComboBox *groupSelector() const { return m_groups; }
    QToolButton *modeButton(Mode mode) const;
    // Paints the chart shown into `target` (for the printed page).
    void paintCurrent(QPainter &painter, const QRectF &target) const;

    // Sets the texts again after a language change.
    void retranslate();

Q_SIGNALS:
    void modeChanged(TReportChartPane::Mode mode);

private:
    void showPage();
    void applyMode();

    QPointer<QWidget> m_text;
    QWidget *m_bar;
    QLabel *m_showLabel;
    QLabel *m_groupLabel;
    QToolButton *m_buttons[3];
    QComboBox *m_groups;
    QSplitter *m_splitter;
    QChartView *m_view;
    std::function<const PosLib::TCurrencies *()> m_currencies;
    QList<TChartPage> m_pages;
    QStringList m_lines;
    int m_current = -1;
    Mode m_mode = Both;
};
