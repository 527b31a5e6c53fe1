#pragma once

#include <QComboBox>

namespace QtWidgets {

// A combo box of numbered records. Every item reads "%*d)  name": the
// number right-aligned to the width of the largest number in the box, ")"
// and two blanks, then the name. Sorting the items by text therefore sorts
// them by number.
class TComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit TComboBox(QWidget *parent = nullptr);
    ~TComboBox() override;

    // Appends a numbered item. When the number is wider than the ones
    // already there, every item is written again with the new width.
    void insertItem(int id, const QString &name);
    // The width the numbers are padded to (digits of the largest, with sign).
    int idWidth() const { return m_width; }

    // The number of the current item (or of the edited text): the integer
    // before the first ")"; a text without ")" is read whole; -1 for an
    // empty or unreadable text.
    int currentId() const;
    // Makes the item with that number current; false when there is none.
    bool setCurrentId(int id);
    // The index of the item with that number, -1 when there is none.
    int findId(int id) const;
    // Sorts the items by their text, keeping the current item current.
    void sortItems();

    static QString formatItem(int id, const QString &name, int width);
    static int idOf(const QString &text);

private:
    int m_width = 1;
};

} // namespace QtWidgets
