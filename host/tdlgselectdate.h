#pragma once

#include <QDate>
#include <QDialog>

class QSpinBox;
namespace QtWidgets {
class TDatePicker;
}

// Asks for a date range: from and to date and the number of days per
// period (0: the whole range at once). OK is refused while the from date
// is missing or after the to date.
class TDlgSelectDate : public QDialog
{
    Q_OBJECT
public:
    explicit TDlgSelectDate(QWidget *parent = nullptr, const QString &caption = QString());
    ~TDlgSelectDate() override;

    // Applies the user's dialog rights first; a dialog the user may not
    // use does not open.
    int exec() override;

    QDate getFrom() const;
    QDate getTo() const;
    int getStep() const;
    void setFrom(const QDate &date);
    void setTo(const QDate &date);
    void setStep(int days);

public Q_SLOTS:
    void accept() override;

private:
    QtWidgets::TDatePicker *m_from;
    QtWidgets::TDatePicker *m_to;
    QSpinBox *m_step;
};
