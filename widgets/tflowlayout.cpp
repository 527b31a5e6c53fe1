#include "tflowlayout.h"

#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace QtWidgets {

TFlowLayout::TFlowLayout(QWidget *parent, int spacing)
    : QLayout(parent)
    , m_spacing(spacing)
{ }

TFlowLayout::~TFlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void TFlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

int TFlowLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *TFlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem *TFlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

Qt::Orientations TFlowLayout::expandingDirections() const
{
    return {};
}

bool TFlowLayout::hasHeightForWidth() const
{
    return true;
}

int TFlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QList<TFlowLayout::Unit> TFlowLayout::units() const
{
    QList<Unit> units;
    for (int i = 0; i < m_items.size(); ++i) {
        QLayoutItem *item = m_items.at(i);
        if (item->isEmpty())
            continue;
        Unit unit {i, i, item->sizeHint().width(), item->sizeHint().height()};
        auto *label = qobject_cast<QLabel *>(item->widget());
        QLayoutItem *next = m_items.value(i + 1);
        if (label && next && !next->isEmpty() && label->buddy()
            && label->buddy() == next->widget()) {
            unit.last = i + 1;
            unit.width += m_spacing + next->sizeHint().width();
            unit.height = std::max(unit.height, next->sizeHint().height());
            ++i;
        }
        units.append(unit);
    }
    return units;
}

QSize TFlowLayout::minimumSize() const
{
    // the widest unit, on a line of its own
    QSize size;
    for (const Unit &unit : units())
        size = size.expandedTo(QSize(unit.width, unit.height));
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize TFlowLayout::sizeHint() const
{
    // everything on one line
    int width = 0;
    int height = 0;
    for (QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        width += (width > 0 ? m_spacing : 0) + hint.width();
        height = std::max(height, hint.height());
    }
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

void TFlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int TFlowLayout::lineCount(int width) const
{
    int lines = 0;
    arrange(QRect(0, 0, width, 0), false, &lines);
    return lines;
}

int TFlowLayout::arrange(const QRect &rect, bool apply, int *lines) const
{
    const QMargins margins = contentsMargins();
    const QRect area = rect.marginsRemoved(margins);
    const QList<Unit> units = this->units();

    int x = area.x();
    int y = area.y();
    int lineHeight = 0;
    int count = units.isEmpty() ? 0 : 1;
    QList<Unit> line;
    auto place = [&]() {
        // the widgets of a line share its height, centred
        int left = area.x();
        for (const Unit &unit : std::as_const(line)) {
            for (int i = unit.first; i <= unit.last; ++i) {
                QLayoutItem *item = m_items.at(i);
                const QSize hint = item->sizeHint();
                if (apply)
                    item->setGeometry(
                            QRect(QPoint(left, y + (lineHeight - hint.height()) / 2), hint));
                left += hint.width() + m_spacing;
            }
        }
        line.clear();
    };
    for (const Unit &unit : std::as_const(units)) {
        if (x > area.x() && x + unit.width > area.right() + 1) {
            place();
            y += lineHeight + m_spacing;
            x = area.x();
            lineHeight = 0;
            ++count;
        }
        line.append(unit);
        x += unit.width + m_spacing;
        lineHeight = std::max(lineHeight, unit.height);
    }
    place();
    if (lines)
        *lines = count;
    return y + lineHeight - rect.y() + margins.bottom();
}

} // namespace QtWidgets
