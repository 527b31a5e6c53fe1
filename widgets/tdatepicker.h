#pragma once

#include <QDate>
#include <QWidget>

class QLineEdit;
class QToolButton;
class QCalendarWidget;

namespace QtWidgets {

class TDateValidator;

// A date field with a calendar drop-down. The field takes typed dates
// through TDateValidator; it may also be left empty, which gives a null
// date (the "no date" of the callers).
class TDatePicker : public QWidget
{
    Q_OBJECT
public:
    explicit TDatePicker(QWidget *parent = nullptr);
    ~TDatePicker() override;

    // The shown date; null when the field is empty or not a date.
    QDate date() const;
    void setDate(const QDate &date);
    // Whether an empty field is allowed (on by default).
    void setAllowEmpty(bool allow) { m_allowEmpty = allow; }
    bool allowEmpty() const { return m_allowEmpty; }

    QLineEdit *lineEdit() const { return m_edit; }

public Q_SLOTS:
    void showCalendar();
    // Takes the typed text as the date now (completed as on leaving the
    // field): for keys that act on the date while the field has the focus.
    void commit();

Q_SIGNALS:
    void dateChanged(const QDate &date);

protected:
    // Shows the date format in the new language.
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void onEdited();
    void onPicked(const QDate &date);

private:
    // The date shown now; dateChanged() when it is another.
    void take(const QDate &date);

    QLineEdit *m_edit;
    QToolButton *m_button;
    QCalendarWidget *m_calendar = nullptr;
    TDateValidator *m_validator;
    QDate m_date;
    bool m_allowEmpty = true;
};

} // namespace QtWidgets
