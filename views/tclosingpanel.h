#pragma once

#include "tcashcount.h"

#include <QMap>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

namespace PosLib {
class TClosingPreview;
class TCurrencies;
} // namespace PosLib

// The lower part of the closing dialog: the preview of the closing (its
// checklist, the Z it takes, bills, takings, payment forms, the open
// tables) and the cash count, one row per payment form and cash currency
// with what the bills expect, what was counted and the difference, the
// opening float, the total difference against the tolerance and the
// comment it asks for above it.
class TClosingPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TClosingPanel(QWidget *parent = nullptr);
    ~TClosingPanel() override;

    // Shows `preview`; amounts as `currencies` writes money. The rows of
    // the count are the items the bills expect and `known`; what was typed
    // stays with its item.
    void setPreview(const PosLib::TClosingPreview *preview, const PosLib::TCurrencies *currencies,
                    const QList<PosLib::TCountItem> &known);
    void setTolerance(qint64 cents);
    void setCountedBy(const QString &name) { m_countedBy = name; }

    // The count as entered; empty when nothing was counted. False (and
    // `error` saying where) when an amount cannot be read.
    bool input(PosLib::TCashCountInput *input, QString *error) const;
    // The count against the preview's bills (nothing counted: empty).
    PosLib::TCashCount count() const;

    QPlainTextEdit *previewText() const { return m_preview; }
    QTableWidget *countTable() const { return m_table; }
    QLineEdit *floatEdit() const { return m_float; }
    QLineEdit *commentEdit() const { return m_comment; }
    QLabel *totalLabel() const { return m_total; }

    // Sets the counted amount of a row by its item's name; false when no
    // row has it.
    bool setCounted(const QString &item, const QString &amount);

public Q_SLOTS:
    void languageChange();

Q_SIGNALS:
    void countChanged();

private:
    void fillText();
    void fillTable();
    void updateDifferences();
    QString money(const PosLib::TCountItem &item, qint64 cents) const;

    const PosLib::TClosingPreview *m_previewData = nullptr;
    const PosLib::TCurrencies *m_currencies = nullptr;
    QList<PosLib::TCountItem> m_items;
    QMap<QString, QString> m_typed; // counted texts by item name
    qint64 m_tolerance = PosLib::DefaultCashTolerance;
    QString m_countedBy;
    bool m_filling = false;

    QPlainTextEdit *m_preview;
    QLabel *m_countTitle;
    QTableWidget *m_table;
    QLabel *m_floatLabel;
    QLineEdit *m_float;
    QLabel *m_commentLabel;
    QLineEdit *m_comment;
    QLabel *m_total;
};
