#pragma once

// The reports document in a shown host window over a demo installation of
// a week, for the reports document's tests. Header-only.

#include "tcombobox.h"
#include "tdemoinstallation.h"
#include "testdir.h"
#include "toffconfig.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tpaidtablesdoc.h"
#include "tsumbatch.h"
#include "tvariabledoc.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

namespace reportsdoc {

using namespace PosLib;

inline const QDate Today(2026, 12, 5);

inline void writeDemo(const QString &root, int days = 7, int tables = 16)
{
    TDemoOptions options;
    options.days = days;
    options.tables = tables;
    options.today = Today;
    TDemoInstallation(options).write(root);
}

class ReportsDoc : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        QLocale::setDefault(QLocale(QLocale::English));
        demo = new TestDir;
        writeDemo(demo->path());
        // a batch of the test's own, next to the demo's
        TSumBatches batches;
        ASSERT_EQ(0, batches.load(demo->path().toLocal8Bit().constData()));
        auto *batch = new TSumBatch;
        batch->setId(7);
        batch->setName(QStringLiteral("Evening check"));
        batch->setReports({QStringLiteral("7"), QStringLiteral("4")});
        batches.insert(batch);
        batches.save(demo->path().toLocal8Bit().constData());
    }
    static void TearDownTestSuite()
    {
        delete demo;
        demo = nullptr;
    }

    void SetUp() override
    {
        qputenv("VELTRUM_CONFIG", config.file(QStringLiteral("office.ini")).toLocal8Bit());
        TOffConfig::reload();
    }
    void TearDown() override
    {
        window.reset();
        workspace.reset();
        TOffConfig::reload();
    }

    // Opens the document in a shown, active host window.
    template<typename Doc = TPaidTablesDoc>
    Doc *open(const QString &root = demo->path())
    {
        workspace = std::make_unique<TOffWorkspace>(root);
        window = std::make_unique<TOffWindow>(workspace.get());
        Doc *doc = makeDoc<Doc>();
        workspace->documents().insert(doc->key(), doc);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->showDocument(doc);
        return doc;
    }
    template<typename Doc>
    Doc *makeDoc()
    {
        if constexpr (std::is_same_v<Doc, TVariableDoc>)
            return new TVariableDoc(nullptr, window.get());
        else
            return new Doc(window.get());
    }

    // Chooses a kind and presses F5.
    QString runWithF5(TPaidTablesDoc *doc, int kind)
    {
        EXPECT_TRUE(doc->reportSelector()->setCurrentId(kind)) << kind;
        QSignalSpy finished(doc, &TPaidTablesDoc::runFinished);
        // back to the window, as the window manager does when a dialog goes
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F5);
        // a shortcut clicks its button a moment later, as the user sees it
        EXPECT_TRUE(finished.count() > 0 || finished.wait(10000));
        return doc->viewText();
    }

    static inline TestDir *demo = nullptr;
    TestDir config;
    std::unique_ptr<TOffWorkspace> workspace;
    std::unique_ptr<TOffWindow> window;
};

} // namespace reportsdoc
