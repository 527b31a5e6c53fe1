#pragma once

// Widget tests: finds texts a window cuts off. Every visible label, button,
// box, field, group and tab title, header section and list cell is
// measured with its font's metrics against the room it has; what does not
// fit is reported as "where: text (needs N px, has M px)". Header-only, so
// that only the widget tests pull in the widgets.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <functional>

namespace cutoff {

// A text as it is drawn: without its mnemonic marks, its widest line.
inline int textWidth(const QFontMetrics &metrics, QString text)
{
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    int width = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

inline QString where(const QWidget *widget)
{
    QStringList path;
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        path.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                               : w->objectName());
        if (w->isWindow())
            break;
    }
    return path.join(QLatin1Char('/'));
}

inline QString finding(const QWidget *widget, const QString &text, int needed, int available)
{
    return QStringLiteral("%1: \"%2\" (needs %3 px, has %4 px)")
            .arg(where(widget), text)
            .arg(needed)
            .arg(available);
}

// Tolerance for rounding in the metrics.
constexpr int Slack = 1;

inline void checkLabel(QLabel *label, QStringList &found)
{
    const QString text = label->text();
    if (text.isEmpty() || !label->pixmap().isNull())
        return;
    if (label->wordWrap() || Qt::mightBeRichText(text)) {
        const int needed = label->heightForWidth(label->width());
        if (label->wordWrap() && needed > label->height() + Slack)
            found << finding(label, text, needed, label->height()) + QStringLiteral(" high");
        if (!Qt::mightBeRichText(text) || label->wordWrap())
            return;
    }
    const QSize hint = label->sizeHint();
    if (hint.width() > label->width() + Slack)
        found << finding(label, text, hint.width(), label->width());
}

inline void checkButton(QAbstractButton *button, QStringList &found)
{
    const QString text = button->text();
    if (text.isEmpty())
        return;
    if (auto *link = qobject_cast<QCommandLinkButton *>(button)) {
        const int needed = link->heightForWidth(link->width());
        if (needed > link->height() + Slack)
            found << finding(link, text + QStringLiteral(" / ") + link->description(), needed,
                             link->height())
                             + QStringLiteral(" high");
        if (link->minimumSizeHint().width() > link->width() + Slack)
            found << finding(link, text, link->minimumSizeHint().width(), link->width());
        return;
    }
    const QFontMetrics metrics(button->font());
    int needed = textWidth(metrics, text);
    int available = button->width();
    if (auto *push = qobject_cast<QPushButton *>(button)) {
        QStyleOptionButton option;
        option.initFrom(push);
        option.text = text;
        option.icon = push->icon();
        option.iconSize = push->iconSize();
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
        available = push->style()
                            ->subElementRect(QStyle::SE_PushButtonContents, &option, push)
                            .width();
        if (!push->icon().isNull())
            needed += push->iconSize().width() + 4;
    } else if (qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        const QStyle::SubElement contents = qobject_cast<QCheckBox *>(button)
                                                    ? QStyle::SE_CheckBoxContents
                                                    : QStyle::SE_RadioButtonContents;
        available = button->style()->subElementRect(contents, &option, button).width();
    } else if (auto *tool = qobject_cast<QToolButton *>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly
            || (tool->toolButtonStyle() == Qt::ToolButtonFollowStyle && !tool->icon().isNull()))
            return;
        needed = tool->sizeHint().width();
    }
    if (needed > available + Slack)
        found << finding(button, text, needed, available);
}

inline void checkCombo(QComboBox *box, QStringList &found)
{
    const QString text = box->currentText();
    if (text.isEmpty())
        return;
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    option.currentText = text;
    int available = box->style()
                            ->subControlRect(QStyle::CC_ComboBox, &option,
                                             QStyle::SC_ComboBoxEditField, box)
                            .width();
    if (box->isEditable() && box->lineEdit())
        available = box->lineEdit()->width() - 4;
    int needed = textWidth(QFontMetrics(box->font()), text);
    if (!box->itemIcon(box->currentIndex()).isNull())
        needed += box->iconSize().width() + 4;
    if (needed > available + Slack)
        found << finding(box, text, needed, available);
}

inline void checkLineEdit(QLineEdit *edit, QStringList &found)
{
    const QString text = edit->displayText();
    if (text.isEmpty())
        return;
    // a field of a combo box or a spin box is measured with its box
    if (qobject_cast<QComboBox *>(edit->parentWidget())
        || qobject_cast<QAbstractSpinBox *>(edit->parentWidget()))
        return;
    const QMargins margins = edit->textMargins();
    const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                    nullptr, edit)
                                       : 0;
    const int available = edit->width() - 2 * frame - 4 - margins.left() - margins.right();
    const int needed = textWidth(QFontMetrics(edit->font()), text);
    if (needed > available + Slack)
        found << finding(edit, text, needed, available);
}

inline void checkSpinBox(QAbstractSpinBox *box, QStringList &found)
{
    const QString text = box->text();
    if (text.isEmpty())
        return;
    QStyleOptionSpinBox option;
    option.initFrom(box);
    option.frame = box->hasFrame();
    option.buttonSymbols = box->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField;
    if (box->buttonSymbols() != QAbstractSpinBox::NoButtons)
        option.subControls |= QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    const int available = box->style()
                                  ->subControlRect(QStyle::CC_SpinBox, &option,
                                                   QStyle::SC_SpinBoxEditField, box)
                                  .width()
                          - 4;
    const int needed = textWidth(QFontMetrics(box->font()), text);
    if (needed > available + Slack)
        found << finding(box, text, needed, available);
}

inline void checkGroupBox(QGroupBox *group, QStringList &found)
{
    const QString text = group->title();
    if (text.isEmpty())
        return;
    int needed = textWidth(QFontMetrics(group->font()), text) + 16;
    if (group->isCheckable())
        needed += group->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, group) + 4;
    if (needed > group->width() + Slack)
        found << finding(group, text, needed, group->width());
}

inline void checkTabBar(QTabBar *bar, QStringList &found)
{
    const QFontMetrics metrics(bar->font());
    const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i))
            continue;
        const int needed = textWidth(metrics, bar->tabText(i)) + space
                           + (bar->tabIcon(i).isNull() ? 0 : bar->iconSize().width() + 4);
        if (needed > bar->tabRect(i).width() + Slack)
            found << finding(bar, bar->tabText(i), needed, bar->tabRect(i).width());
    }
}

inline QStyleOptionViewItem itemOption(QAbstractItemView *view)
{
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.font = view->font();
    option.fontMetrics = QFontMetrics(view->font());
    const int icon = view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view);
    option.decorationSize = view->iconSize().isValid() ? view->iconSize() : QSize(icon, icon);
    option.showDecorationSelected = true;
    return option;
}

inline void checkHeader(QHeaderView *header, QStringList &found)
{
    if (!header || !header->isVisible() || !header->model())
        return;
    const QFontMetrics metrics(header->font());
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int mark
            = header->isSortIndicatorShown()
                      ? header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header)
                                + margin
                      : 0;
    const QRect shown = header->viewport()->rect();
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const int x = header->sectionViewportPosition(section);
        const int size = header->sectionSize(section);
        if (x + size <= shown.left() || x >= shown.right())
            continue;
        const QString text = header->model()->headerData(section, header->orientation()).toString();
        if (text.isEmpty())
            continue;
        const int needed = textWidth(metrics, text) + 2 * margin + mark;
        if (needed > size + Slack)
            found << finding(header, text, needed, size);
    }
}

inline void checkItemView(QAbstractItemView *view, QStringList &found)
{
    QAbstractItemModel *model = view->model();
    if (!model)
        return;
    auto *tree = qobject_cast<QTreeView *>(view);
    if (tree)
        checkHeader(tree->header(), found);
    if (auto *list = qobject_cast<QListView *>(view); list && list->wordWrap())
        return;
    const QRect shown = view->viewport()->rect();
    const QStyleOptionViewItem option = itemOption(view);
    // the rows on the screen, depth first through the open ones
    std::function<void(const QModelIndex &)> walk = [&](const QModelIndex &parent) {
        for (int row = 0; row < model->rowCount(parent); ++row) {
            for (int column = 0; column < model->columnCount(parent); ++column) {
                if (tree && tree->isColumnHidden(column))
                    continue;
                const QModelIndex index = model->index(row, column, parent);
                if (tree && tree->isRowHidden(row, parent))
                    break;
                const QRect rect = view->visualRect(index);
                if (!rect.isValid() || !rect.intersects(shown))
                    continue;
                const QString text = index.data(Qt::DisplayRole).toString();
                if (text.isEmpty())
                    continue;
                if (tree && tree->isFirstColumnSpanned(row, parent))
                    continue;
                const int needed
                        = view->itemDelegateForIndex(index)->sizeHint(option, index).width();
                if (needed > rect.width() + Slack)
                    found << finding(view, text, needed, rect.width());
            }
            const QModelIndex first = model->index(row, 0, parent);
            if (tree && tree->isExpanded(first))
                walk(first);
        }
    };
    walk(view->rootIndex());
}

// Everything cut off in the window (or dialog) and the widgets in it that
// are shown.
inline QStringList cutOffTexts(QWidget *top)
{
    QApplication::processEvents();
    QApplication::processEvents();
    QStringList found;
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *widget : widgets) {
        if (!widget->isVisible() || widget->width() <= 0 || widget->visibleRegion().isEmpty())
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget))
            checkLabel(label, found);
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            checkButton(button, found);
        else if (auto *box = qobject_cast<QComboBox *>(widget))
            checkCombo(box, found);
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            checkLineEdit(edit, found);
        else if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget))
            checkSpinBox(spin, found);
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            checkGroupBox(group, found);
        else if (auto *bar = qobject_cast<QTabBar *>(widget))
            checkTabBar(bar, found);
        else if (qobject_cast<QHeaderView *>(widget))
            continue; // measured with its view
        else if (auto *view = qobject_cast<QAbstractItemView *>(widget))
            checkItemView(view, found);
    }
    found.removeDuplicates();
    return found;
}

} // namespace cutoff
