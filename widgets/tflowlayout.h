#pragma once

#include <QLayout>
#include <QList>

namespace QtWidgets {

// Lays its widgets out left to right and starts a new line where the next
// one would not fit, so that a row of tools never cuts a text when the
// window is narrow or the language's words are long. A label and the
// widget it is the buddy of, added one after the other, stay on one line.
class TFlowLayout : public QLayout
{
    Q_OBJECT
public:
    explicit TFlowLayout(QWidget *parent = nullptr, int spacing = 6);
    ~TFlowLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

    // The number of lines the widgets take at that width.
    int lineCount(int width) const;

private:
    // A label with the widget after it when it is that widget's buddy, or
    // a widget alone: what is never split over two lines.
    struct Unit
    {
        int first;
        int last;
        int width;
        int height;
    };
    QList<Unit> units() const;
    // Places the items (only measures with `apply` false); returns the
    // height used and the number of lines.
    int arrange(const QRect &rect, bool apply, int *lines = nullptr) const;

    QList<QLayoutItem *> m_items;
    int m_spacing;
};

} // namespace QtWidgets
