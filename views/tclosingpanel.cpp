#include "tclosingpanel.h"

#include "tclosingpreview.h"
#include "tpricetext.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace PosLib;

namespace {

enum Column { ItemColumn, ExpectedColumn, CountedColumn, DifferenceColumn, ColumnCount };

QString markSign(TPreviewItem::Mark mark)
{
    switch (mark) {
    case TPreviewItem::Ok:
        return QStringLiteral("\u2713");
    case TPreviewItem::Note:
        return QStringLiteral("!");
    case TPreviewItem::Stop:
        return QStringLiteral("\u2717");
    case TPreviewItem::Info:
        break;
    }
    return QStringLiteral("\u2022");
}

QTableWidgetItem *fixedCell(const QString &text, Qt::Alignment align = Qt::AlignRight)
{
    auto *cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    cell->setTextAlignment(align | Qt::AlignVCenter);
    return cell;
}

} // namespace

TClosingPanel::TClosingPanel(QWidget *parent)
    : QWidget(parent)
    , m_preview(new QPlainTextEdit(this))
    , m_countTitle(new QLabel(this))
    , m_table(new QTableWidget(0, ColumnCount, this))
    , m_floatLabel(new QLabel(this))
    , m_float(new QLineEdit(this))
    , m_commentLabel(new QLabel(this))
    , m_comment(new QLineEdit(this))
    , m_total(new QLabel(this))
{
    setObjectName(QStringLiteral("closingPanel"));
    m_preview->setObjectName(QStringLiteral("preview"));
    m_table->setObjectName(QStringLiteral("cashCount"));
    m_float->setObjectName(QStringLiteral("openingFloat"));
    m_comment->setObjectName(QStringLiteral("countComment"));
    m_total->setObjectName(QStringLiteral("countTotal"));
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_preview->setMinimumSize(520, 220);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(ItemColumn, QHeaderView::Stretch);
    m_table->setMinimumHeight(140);
    m_table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_floatLabel->setBuddy(m_float);
    m_commentLabel->setBuddy(m_comment);
    m_total->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->addWidget(m_floatLabel, 0, 0);
    grid->addWidget(m_float, 0, 1);
    grid->addWidget(m_commentLabel, 1, 0);
    grid->addWidget(m_comment, 1, 1);
    grid->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_preview, 3);
    layout->addWidget(m_countTitle);
    layout->addWidget(m_table, 2);
    layout->addLayout(grid);
    layout->addWidget(m_total);

    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *cell) {
        if (m_filling || cell->column() != CountedColumn)
            return;
        m_typed[m_items.value(cell->row()).name] = cell->text();
        updateDifferences();
    });
    connect(m_float, &QLineEdit::textChanged, this, &TClosingPanel::updateDifferences);
    connect(m_comment, &QLineEdit::textChanged, this, &TClosingPanel::updateDifferences);
    languageChange();
}

TClosingPanel::~TClosingPanel() = default;

void TClosingPanel::languageChange()
{
    m_countTitle->setText(tr("<b>Cash count</b> (cash per currency; cards and others "
                             "optional)"));
    m_table->setHorizontalHeaderLabels(
            {tr("Payment form"), tr("Expected"), tr("Counted"), tr("Difference")});
    m_floatLabel->setText(tr("Opening &float:"));
    m_commentLabel->setText(tr("Co&mment:"));
    m_float->setPlaceholderText(tr("what the drawer started with, e.g. 150.00"));
    m_comment->setPlaceholderText(tr("why the count differs"));
    fillText();
    updateDifferences();
}

QString TClosingPanel::money(const TCountItem &item, qint64 cents) const
{
    return countAmountText(m_currencies, item, cents);
}

void TClosingPanel::setPreview(const TClosingPreview *preview, const TCurrencies *currencies,
                               const QList<TCountItem> &known)
{
    m_previewData = preview;
    m_currencies = currencies;
    m_items = preview ? preview->countItems(known) : QList<TCountItem>();
    fillText();
    fillTable();
}

void TClosingPanel::setTolerance(qint64 cents)
{
    m_tolerance = cents;
    updateDifferences();
}

void TClosingPanel::fillText()
{
    if (!m_previewData) {
        m_preview->clear();
        return;
    }
    QStringList lines;
    for (const TPreviewItem &item : m_previewData->items(m_currencies))
        lines << markSign(item.mark) + QLatin1Char(' ') + item.text;
    lines << QString() << m_previewData->figureLines(m_currencies);
    if (!m_previewData->reason().isEmpty())
        lines << QString() << m_previewData->reason();
    m_preview->setPlainText(lines.join(QLatin1Char('\n')));
}

void TClosingPanel::fillTable()
{
    m_filling = true;
    m_table->setRowCount(int(m_items.size()));
    const TCashCount expected = m_previewData ? m_previewData->count({}) : TCashCount();
    for (int row = 0; row < m_items.size(); ++row) {
        const TCountItem &item = m_items.at(row);
        qint64 cents = 0;
        for (const TCountLine &line : expected.lines) {
            if (line.item.payform == item.payform && line.item.currency == item.currency)
                cents = line.expected;
        }
        m_table->setItem(row, ItemColumn, fixedCell(item.name, Qt::AlignLeft));
        m_table->setItem(row, ExpectedColumn, fixedCell(money(item, cents)));
        auto *counted = new QTableWidgetItem(m_typed.value(item.name));
        counted->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, CountedColumn, counted);
        m_table->setItem(row, DifferenceColumn, fixedCell(QString()));
    }
    m_table->resizeColumnsToContents();
    m_filling = false;
    updateDifferences();
}

bool TClosingPanel::setCounted(const QString &item, const QString &amount)
{
    for (int row = 0; row < m_items.size(); ++row) {
        if (m_items.at(row).name.compare(item, Qt::CaseInsensitive) == 0) {
            m_table->item(row, CountedColumn)->setText(amount);
            return true;
        }
    }
    return false;
}

bool TClosingPanel::input(TCashCountInput *input, QString *error) const
{
    TCashCountInput in;
    for (int row = 0; row < m_items.size(); ++row) {
        const QString text = m_table->item(row, CountedColumn)
                                     ? m_table->item(row, CountedColumn)->text().trimmed()
                                     : QString();
        if (text.isEmpty())
            continue;
        qint64 cents = 0;
        if (!parseCountAmount(text, &cents)) {
            if (error)
                *error = tr("%1: \"%2\" is no amount (write it as 412.50)")
                                 .arg(m_items.at(row).name, text);
            return false;
        }
        in.counted << qMakePair(m_items.at(row), cents);
    }
    const QString floatText = m_float->text().trimmed();
    if (!floatText.isEmpty()
        && (!parseCountAmount(floatText, &in.openingFloat) || in.openingFloat < 0)) {
        if (error)
            *error = tr("Opening float: \"%1\" is no amount (write it as 150.00)").arg(floatText);
        return false;
    }
    if (in.counted.isEmpty() && in.openingFloat != 0) {
        if (error)
            *error = tr("An opening float was entered, but nothing was counted.");
        return false;
    }
    in.comment = m_comment->text();
    in.countedBy = m_countedBy;
    in.tolerance = m_tolerance;
    if (input)
        *input = in.counted.isEmpty() ? TCashCountInput() : in;
    return true;
}

TCashCount TClosingPanel::count() const
{
    TCashCountInput in;
    if (!m_previewData || !input(&in, nullptr) || in.isEmpty())
        return {};
    return m_previewData->count(in);
}

void TClosingPanel::updateDifferences()
{
    if (m_filling)
        return;
    const TCashCount counted = count();
    m_filling = true;
    for (int row = 0; row < m_items.size(); ++row) {
        QTableWidgetItem *cell = m_table->item(row, DifferenceColumn);
        if (!cell)
            continue;
        cell->setText(QString());
        for (const TCountLine &line : counted.lines) {
            if (line.counted && line.item.payform == m_items.at(row).payform
                && line.item.currency == m_items.at(row).currency)
                cell->setText(money(line.item, line.difference()));
        }
    }
    m_filling = false;
    if (counted.isEmpty()) {
        m_total->setText(tr("Nothing counted yet: the closing records no cash count."));
    } else {
        QString text = tr("Difference in total: %1 (tolerance %2)")
                               .arg(moneyText(m_currencies, long(counted.difference())),
                                    moneyText(m_currencies, long(m_tolerance)));
        if (counted.lacksComment())
            text += QLatin1Char('\n')
                    + tr("The difference is above the tolerance: say why in "
                         "the comment.");
        m_total->setText(text);
    }
    emit countChanged();
}
