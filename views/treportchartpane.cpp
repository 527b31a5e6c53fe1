#include "treportchartpane.h"

#include "tchartpainter.h"
#include "treportchart.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtCharts/QChartView>

TReportChartPane::TReportChartPane(QWidget *text, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
{
    setObjectName(QStringLiteral("reportPane"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_bar = new QWidget(this);
    m_bar->setObjectName(QStringLiteral("chartBar"));
    auto *bar = new QHBoxLayout(m_bar);
    bar->setContentsMargins(2, 0, 2, 0);
    m_showLabel = new QLabel(m_bar);
    bar->addWidget(m_showLabel);
    auto *modes = new QButtonGroup(this);
    const char *names[] = {"b_ShowText", "b_ShowChart", "b_ShowBoth"};
    for (int mode = TextOnly; mode <= Both; ++mode) {
        auto *button = new QToolButton(m_bar);
        button->setObjectName(QLatin1String(names[mode]));
        button->setCheckable(true);
        button->setAutoRaise(true);
        modes->addButton(button, mode);
        bar->addWidget(button);
        m_buttons[mode] = button;
    }
    connect(modes, &QButtonGroup::idClicked, this, [this](int mode) { setMode(Mode(mode)); });
    bar->addSpacing(16);
    m_groupLabel = new QLabel(m_bar);
    bar->addWidget(m_groupLabel);
    m_groups = new QComboBox(m_bar);
    m_groups->setObjectName(QStringLiteral("m_ChartGroup"));
    m_groups->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_groupLabel->setBuddy(m_groups);
    bar->addWidget(m_groups);
    bar->addStretch(1);
    connect(m_groups, &QComboBox::activated, this, &TReportChartPane::setCurrentPage);
    layout->addWidget(m_bar);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setChildrenCollapsible(false);
    if (text)
        m_splitter->addWidget(text);
    m_view = new QChartView(m_splitter);
    m_view->setObjectName(QStringLiteral("chartView"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumWidth(240);
    m_splitter->addWidget(m_view);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 1);
    layout->addWidget(m_splitter, 1);

    retranslate();
    clear();
}

TReportChartPane::~TReportChartPane() = default;

void TReportChartPane::retranslate()
{
    m_showLabel->setText(tr("Show:"));
    m_buttons[TextOnly]->setText(tr("&Text"));
    m_buttons[ChartOnly]->setText(tr("C&hart"));
    m_buttons[Both]->setText(tr("B&oth"));
    m_buttons[TextOnly]->setToolTip(tr("Show the report's text only"));
    m_buttons[ChartOnly]->setToolTip(tr("Show the report's chart only"));
    m_buttons[Both]->setToolTip(tr("Show the report's text and its chart side by side"));
    m_groupLabel->setText(tr("Chart of:"));
    m_groups->setToolTip(tr("The waiter, cost center or period that the chart shows; choosing a "
                            "line in the text chooses its section"));
    // the chart's own texts (axes, legend, "Others") in the new language
    if (m_current >= 0)
        showPage();
}

void TReportChartPane::setCurrencies(std::function<const PosLib::TCurrencies *()> currencies)
{
    m_currencies = std::move(currencies);
}

void TReportChartPane::setPages(const QList<TChartPage> &pages, const QStringList &lines)
{
    m_pages = pages;
    m_lines = lines;
    const QSignalBlocker block(m_groups);
    m_groups->clear();
    for (const TChartPage &page : pages)
        m_groups->addItem(page.caption());
    m_current = pages.isEmpty() ? -1 : 0;
    showPage();
    applyMode();
}

void TReportChartPane::clear()
{
    setPages({}, {});
}

void TReportChartPane::setCurrentPage(int index)
{
    if (index < 0 || index >= m_pages.size() || index == m_current)
        return;
    m_current = index;
    showPage();
}

void TReportChartPane::followLine(int line)
{
    const int page = chartPageOfLine(m_pages, m_lines, line);
    if (page >= 0)
        setCurrentPage(page);
}

void TReportChartPane::showPage()
{
    {
        const QSignalBlocker block(m_groups);
        m_groups->setCurrentIndex(m_current);
    }
    const PosLib::TCurrencies *currencies = m_currencies ? m_currencies() : nullptr;
    QChart *old = m_view->chart();
    m_view->setChart(m_current >= 0 ? reportChart(m_pages.at(m_current), currencies) : new QChart);
    // the view takes the new chart but leaves the old one to us
    delete old;
}

QChart *TReportChartPane::chart() const
{
    return m_current >= 0 ? m_view->chart() : nullptr;
}

void TReportChartPane::setMode(Mode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    applyMode();
    emit modeChanged(mode);
}

bool TReportChartPane::showsChart() const
{
    return !m_pages.isEmpty() && m_mode != TextOnly;
}

void TReportChartPane::applyMode()
{
    m_buttons[m_mode]->setChecked(true);
    const bool charted = !m_pages.isEmpty();
    m_bar->setVisible(charted);
    // the group box only when there is a choice
    m_groupLabel->setVisible(m_pages.size() > 1);
    m_groups->setVisible(m_pages.size() > 1);
    m_view->setVisible(charted && m_mode != TextOnly);
    if (m_text)
        m_text->setVisible(!charted || m_mode != ChartOnly);
}

QToolButton *TReportChartPane::modeButton(Mode mode) const
{
    return m_buttons[mode];
}

void TReportChartPane::paintCurrent(QPainter &painter, const QRectF &target) const
{
    if (m_current < 0)
        return;
    paintChart(painter, target, m_pages.at(m_current), m_currencies ? m_currencies() : nullptr,
               QSizeF(ChartSize.width(), ChartSize.width() * target.height() / target.width()));
}
