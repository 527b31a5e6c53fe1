#pragma once

#include "modalanswers.h"
#include "tdemoinstallation.h"
#include "testdir.h"
#include "toffconfig.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tsumbatch.h"
#include "tsumfilters.h"

#include <gtest/gtest.h>

#include <memory>

// A back office over a demo installation of one business day, with a
// configuration of its own.
class ViewsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("VELTRUM_CONFIG", dir.file(QStringLiteral("office.ini")).toLocal8Bit());
        TOffConfig::reload();
        root = dir.file(QStringLiteral("inst/"));
        PosLib::TDemoOptions options;
        options.days = 0;
        options.tables = 12;
        options.today = QDate(2015, 1, 8);
        PosLib::TDemoInstallation(options).write(root);
        workspace = std::make_unique<TOffWorkspace>(root);
        window = std::make_unique<TOffWindow>(workspace.get());
    }

    void TearDown() override
    {
        window.reset();
        workspace.reset();
        TOffConfig::reload();
    }

    PosLib::TSumFilters *filters() const
    {
        return static_cast<PosLib::TSumFilters *>(workspace->getData(QStringLiteral("sumfilters")));
    }
    PosLib::TSumBatches *batches() const
    {
        return static_cast<PosLib::TSumBatches *>(workspace->getData(QStringLiteral("sumbatches")));
    }
    // The list as it is on disk now.
    template<typename List>
    std::unique_ptr<List> stored() const
    {
        auto list = std::make_unique<List>();
        EXPECT_EQ(0, list->load(root.toLocal8Bit().constData()));
        return list;
    }

    TestDir dir;
    QString root;
    std::unique_ptr<TOffWorkspace> workspace;
    std::unique_ptr<TOffWindow> window;
};
