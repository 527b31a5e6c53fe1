#pragma once

// The filter and batch dialogs' tests: a back-office window over the small
// demo installation, with a configuration of their own.

#include "modaldriver.h"
#include "toffconfig.h"
#include "tsumbatch.h"
#include "tsumfilters.h"
#include "viewstest.h"

#include <memory>

class ViewsTest : public viewstest::DemoWindow
{
protected:
    void SetUp() override
    {
        qputenv("VELTRUM_CONFIG", dir.file(QStringLiteral("office.ini")).toLocal8Bit());
        TOffConfig::reload();
        DemoWindow::SetUp();
        root = dir.path();
    }

    void TearDown() override
    {
        DemoWindow::TearDown();
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
        EXPECT_EQ(Basics::TValueList::Loaded, list->load(root.toLocal8Bit().constData()));
        return list;
    }

    QString root;
};
