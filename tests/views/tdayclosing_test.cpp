#include "tdayclosing.h"

#include "modaldriver.h"
#include "tclosingpanel.h"
#include "tclosingpreview.h"
#include "tclosingrecord.h"
#include "tdayfigurespanel.h"
#include "tinstallation.h"
#include "toffapplication.h"
#include "tturnoverdlg.h"
#include "viewstest.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTableWidget>

using namespace PosLib;
using viewstest::Today;

namespace {

class DayClosing : public viewstest::DemoWindow
{
protected:
    void SetUp() override
    {
        DemoWindow::SetUp();
        QLocale::setDefault(QLocale(QLocale::English));
    }

    // The closing as the window starts it, at 23:30 of `day`.
    TDayClosing closing(const QDate &day = Today)
    {
        TDayClosing c(window.get(), workspace.get(), nullptr);
        c.setNow(QDateTime(day, QTime(23, 30)));
        return c;
    }

    TClosingRecord record(long z) const
    {
        QFile file(statistDayDir(Today, dir.path()) + TClosingRecord::fileName(z));
        TClosingRecord r;
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(TClosingRecord::fromBytes(file.readAll(), &r, nullptr));
        return r;
    }

    // The expected amount of the count row of `item`.
    static QString expected(TTurnOverDlg *dialog, const QString &item)
    {
        QTableWidget *table = dialog->panel()->countTable();
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 0)->text() == item)
                return table->item(row, 1)->text();
        }
        return QString();
    }
};

} // namespace

// The demo's paid bills wait from Today: two days later the dialog
// proposes Today, not the clock's day.
TEST_F(DayClosing, ProposesTheDayWhoseClosingWasForgotten)
{
    ModalDriver driver;
    QDate proposed;
    driver.then([&](QDialog *dialog) {
        proposed = static_cast<TTurnOverDlg *>(dialog)->date();
        dialog->reject();
    });
    TDayClosing late = closing(Today.addDays(2));
    EXPECT_FALSE(late.run());
    EXPECT_EQ(Today, proposed);
    EXPECT_TRUE(driver.boxes.isEmpty());
}

// Before OK the dialog shows what the closing would do: the open tables
// with waiter and amount, the Z counter, the takings; nothing is written.
TEST_F(DayClosing, ShowsThePreviewOfTheDemoDayBeforeOk)
{
    const QStringList before = QDir(dir.file(QStringLiteral("var/archives"))).entryList();
    TTurnOverDlg dialog(workspace->getData(QStringLiteral("waiters")), Today, window.get());
    dialog.setInstallation(dir.path(), workspace->lists(), QStringLiteral("7 Manager"),
                           QDateTime(Today, QTime(23, 30)));
    const QString text = dialog.panel()->previewText()->toPlainText();
    const TClosingPreview *preview = dialog.preview();
    ASSERT_NE(nullptr, preview);
    EXPECT_TRUE(text.contains(QStringLiteral("Z counter %1 would be used").arg(preview->z())))
            << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("table 45/"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("All amount")));
    EXPECT_TRUE(text.contains(QStringLiteral("OK asks before closing"))) << text.toStdString();
    EXPECT_FALSE(expected(&dialog, QStringLiteral("Cash")).isEmpty());
    EXPECT_FALSE(expected(&dialog, QStringLiteral("EC card")).isEmpty());
    screenshot(&dialog, "closing-preview.png");
    EXPECT_EQ(before, QDir(dir.file(QStringLiteral("var/archives"))).entryList());
    EXPECT_FALSE(QFileInfo::exists(statistDayDir(Today, dir.path())));
}

// A count 12,00 short: OK asks for a comment; with it the day closes, the
// result names the difference and the record holds the count.
TEST_F(DayClosing, ACountWithADifferenceNeedsItsComment)
{
    TDayFiguresPanel panel(workspace.get());
    ASSERT_GT(panel.figures().allAmount, 0);
    ModalDriver driver;
    driver.then([&](QDialog *dialog) {
        auto *closing = static_cast<TTurnOverDlg *>(dialog);
        const TCashCount expectedCount = closing->preview()->count({});
        const qint64 cash = expectedCount.lines.at(0).expected;
        ASSERT_TRUE(closing->panel()->setCounted(QStringLiteral("Cash"),
                                                 QString::number((cash - 1200) / 100.0, 'f', 2)));
        closing->panel()->floatEdit()->setText(QStringLiteral("0"));
        EXPECT_TRUE(closing->panel()->totalLabel()->text().contains(QStringLiteral("-12,00")))
                << closing->panel()->totalLabel()->text().toStdString();
        screenshot(closing, "closing-count.png");
        closing->accept(); // refused: no comment
        closing->panel()->commentEdit()->setText(QStringLiteral("till roll change paid"));
        closing->accept(); // asks about the open tables
    });
    driver.answer(QMessageBox::Ok); // the comment is needed
    driver.answer(QMessageBox::Yes); // open tables
    driver.answer(QMessageBox::Ok); // the result
    TDayClosing c = closing();
    ASSERT_TRUE(c.run());
    ASSERT_EQ(3, driver.boxes.size()) << driver.boxes.join('\n').toStdString();
    EXPECT_TRUE(driver.boxes[0].startsWith(QStringLiteral("Cash count: The count differs")));
    ASSERT_EQ(TTurnoverOutcome::Done, c.outcome().status);
    EXPECT_TRUE(c.resultText().contains(QStringLiteral("Cash count: difference -12,00")))
            << c.resultText().toStdString();

    const TClosingRecord r = record(c.outcome().zCounter);
    EXPECT_EQ(-1200, r.cashCount.difference());
    EXPECT_EQ(QStringLiteral("till roll change paid"), r.cashCount.comment);

    // the panel read the day again at once
    EXPECT_EQ(0, panel.figures().allAmount);
    EXPECT_EQ(Today, panel.figures().lastClosing);
}

// The result names the day in the window's language and date format,
// Z, bills and takings; a waiter's closing says whose tables closed.
TEST_F(DayClosing, TheResultInEnglishAndGerman)
{
    TTurnoverRequest request;
    request.root = dir.path();
    request.date = Today;
    TTurnoverOutcome outcome;
    outcome.zCounter = 12;
    outcome.dayZ = 3;
    outcome.moved = 13;
    outcome.recorded = true;
    outcome.billTotal = 41250;
    outcome.takings = 40000;
    const QString english = closingResultText(request, outcome, nullptr);
    EXPECT_EQ(QStringLiteral("The day Saturday, December 5, 2026 is closed.\n\n"
                             "Z counter 12, the day's Z number 3\nBills: 13\n"
                             "Bill total: 412.50\nAll amount: 400.00"),
              english);

    TOffApplication::instance()->setLanguage(QStringLiteral("de"));
    Basics::TValue waiter;
    waiter.setId(3);
    waiter.setName(QStringLiteral("Clara"));
    request.waiter = &waiter;
    const QString german = closingResultText(request, outcome, nullptr);
    TOffApplication::instance()->setLanguage(QStringLiteral("en"));
    EXPECT_TRUE(german.startsWith(QStringLiteral("Die Tische von Kellner 3 Clara vom Samstag, 5. "
                                                 "Dezember 2026 sind abgeschlossen")))
            << german.toStdString();
    EXPECT_TRUE(german.contains(QStringLiteral("Gesamtbetrag: 400.00"))) << german.toStdString();
}
