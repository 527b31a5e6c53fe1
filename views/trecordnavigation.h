#pragma once

#include <QString>

class QWidget;
namespace Basics {
class TValue;
class TValueList;
} // namespace Basics

// The record an edit dialog shows within its workspace list: a new record
// (none yet) or one of the list, with or without navigation over the list
// in number order. Shared by the filter and batch dialogs.
class TRecordNavigation
{
public:
    enum Step { First, Previous, Next, Last };

    TRecordNavigation(Basics::TValueList *list, Basics::TValue *record, bool navigate);

    Basics::TValueList *list() const { return m_list; }
    Basics::TValue *record() const { return m_record; }
    void setRecord(Basics::TValue *record) { m_record = record; }
    bool isInsert() const { return m_record == nullptr; }
    bool navigates() const { return m_navigate && m_record; }

    // The record a step leads to; null without navigation, at the ends of
    // the list and when it leads back to the record shown.
    Basics::TValue *target(Step step) const;
    // Enables each button whose step leads somewhere, as far as the user's
    // rights for the buttons of the dialog allow.
    void enable(QWidget *dialog, QWidget *first, QWidget *previous, QWidget *next,
                QWidget *last) const;
    // The caption for a new record, for one record and for navigation.
    QString caption(const QString &insert, const QString &one, const QString &many) const;
    // Puts the record written by the dialog into the list: inserts a new
    // one (which the dialog shows from then on), updates one of the list.
    void put(Basics::TValue *record);
    // The record that already has the number, for an insert; null when the
    // number is free or the dialog shows a record of the list.
    Basics::TValue *taken(int id) const;

private:
    Basics::TValueList *m_list;
    Basics::TValue *m_record;
    bool m_navigate;
};
