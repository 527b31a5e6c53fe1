#include "tcombobox.h"
#include "tdatevalidator.h"
#include "testdir.h"
#include "tlistviewitem.h"

#include <QLineEdit>
#include <QLocale>
#include <QTreeWidget>

#include <gtest/gtest.h>

using QtWidgets::TComboBox;
using QtWidgets::TDateValidator;

TEST(IdComboBox, WiderNumberPadsEveryItemAgain)
{
    TComboBox box;
    box.insertItem(0, QStringLiteral("None"));
    box.insertItem(7, QStringLiteral("Lunch"));
    EXPECT_EQ(QStringLiteral("7)  Lunch"), box.itemText(1));
    box.insertItem(107, QStringLiteral("Batch"));
    EXPECT_EQ(3, box.idWidth());
    EXPECT_EQ(QStringLiteral("  0)  None"), box.itemText(0));
    EXPECT_EQ(QStringLiteral("  7)  Lunch"), box.itemText(1));
    EXPECT_EQ(QStringLiteral("107)  Batch"), box.itemText(2));
}

TEST(IdComboBox, CurrentIdIsTheNumberBeforeTheFirstBracket)
{
    EXPECT_EQ(-1, TComboBox::idOf(QString()));
    EXPECT_EQ(-1, TComboBox::idOf(QStringLiteral("   ")));
    EXPECT_EQ(17, TComboBox::idOf(QStringLiteral("17")));
    EXPECT_EQ(5, TComboBox::idOf(QStringLiteral("  5)  Bar (2) x)")));
    EXPECT_EQ(-1, TComboBox::idOf(QStringLiteral("Bar) 5")));

    TComboBox box;
    box.setEditable(true);
    box.insertItem(3, QStringLiteral("Terrace"));
    box.insertItem(12, QStringLiteral("Bar"));
    EXPECT_TRUE(box.setCurrentId(3));
    EXPECT_EQ(3, box.currentId());
    EXPECT_FALSE(box.setCurrentId(4));
    EXPECT_EQ(3, box.currentId());
    box.lineEdit()->setText(QStringLiteral("12"));
    EXPECT_EQ(12, box.currentId());
}

TEST(IdComboBox, SortingByTextSortsByNumber)
{
    TComboBox box;
    for (int id : {31, 2, 107, 0, 10})
        box.insertItem(id, QStringLiteral("n%1").arg(id));
    box.setCurrentId(31);
    box.sortItems();
    QList<int> order;
    for (int i = 0; i < box.count(); ++i)
        order << TComboBox::idOf(box.itemText(i));
    EXPECT_EQ(QList<int>({0, 2, 10, 31, 107}), order);
    EXPECT_EQ(31, box.currentId());
}

TEST(DateValidator, CompletesShortFormsInTheWindowsLanguage)
{
    TDateValidator validator;
    validator.setDefaultYear(2014);
    QLocale::setDefault(QLocale(QLocale::German));
    QString text = QStringLiteral("5.3.");
    validator.fixup(text);
    EXPECT_EQ(QStringLiteral("05.03.2014"), text);
    text = QStringLiteral("31.12.15");
    validator.fixup(text);
    EXPECT_EQ(QStringLiteral("31.12.2015"), text);
    // English: day first too, with slashes; any of the separators is taken
    QLocale::setDefault(QLocale(QLocale::English));
    text = QStringLiteral("5.3.");
    validator.fixup(text);
    EXPECT_EQ(QStringLiteral("05/03/2014"), text);
    EXPECT_EQ(QDate(2014, 3, 5), validator.dateOf(QStringLiteral("5/3/2014")));
    EXPECT_EQ(QDate(2014, 3, 5), validator.dateOf(QStringLiteral("5-3-14")));
    EXPECT_EQ(QDate(2014, 12, 31), validator.dateOf(QStringLiteral("31.12.2014")));
    EXPECT_FALSE(validator.dateOf(QStringLiteral("31.04.2014")).isValid());
}

TEST(DateValidator, RefusesWhatCanNeverBeADate)
{
    TDateValidator validator;
    int pos = 0;
    QString text;
    for (const char *acceptable : {"05.03.2014", "5.3.2014", "5/3/2014"}) {
        text = QLatin1String(acceptable);
        EXPECT_EQ(QValidator::Acceptable, validator.validate(text, pos)) << acceptable;
    }
    for (const char *intermediate : {"", "3", "31.", "31/", "31.04.2014", "1.1.20"}) {
        text = QLatin1String(intermediate);
        EXPECT_EQ(QValidator::Intermediate, validator.validate(text, pos)) << intermediate;
    }
    for (const char *invalid : {"32", "12.13", "12/13", "ab", "1.2.3.4", "00.1."}) {
        text = QLatin1String(invalid);
        EXPECT_EQ(QValidator::Invalid, validator.validate(text, pos)) << invalid;
    }
}

TEST(ListViewItem, NumbersSortAsNumbersAndTextAsText)
{
    QTreeWidget view;
    view.setColumnCount(1);
    for (const char *text : {"10", "9", "b", "100", "a"})
        (new QtWidgets::TListViewItem(&view))->setText(0, QLatin1String(text));
    view.sortItems(0, Qt::AscendingOrder);
    QStringList order;
    for (int i = 0; i < view.topLevelItemCount(); ++i)
        order << view.topLevelItem(i)->text(0);
    EXPECT_LT(order.indexOf("9"), order.indexOf("10"));
    EXPECT_LT(order.indexOf("10"), order.indexOf("100"));
    EXPECT_LT(order.indexOf("a"), order.indexOf("b"));
}
