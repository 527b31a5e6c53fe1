#pragma once

// A back-office window over a demo installation for the document tests:
// the document under test is registered in the workspace and shown, as the
// module does it.

#include "screenshot.h"
#include "smalldemo.h"
#include "testdir.h"
#include "toffdocument.h"
#include "tofftreeitem.h"
#include "toffwindow.h"
#include "toffworkspace.h"

#include <gtest/gtest.h>

#include <memory>

namespace viewstest {

using smalldemo::Today;

class DemoWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        smalldemo::write(dir.path());
        workspace = std::make_unique<TOffWorkspace>(dir.path());
        window = std::make_unique<TOffWindow>(workspace.get());
        window->resize(1000, 640);
    }

    void TearDown() override
    {
        window.reset();
        workspace.reset();
    }

    // Registers the document and shows it.
    template<class Doc>
    Doc *open()
    {
        auto *doc = new Doc(window.get());
        workspace->documents().insert(doc->key(), doc);
        auto *item = new TOffTreeItem(doc, window->treeRoot(), nullptr);
        item->setText(0, doc->caption());
        window->treeRoot()->setExpanded(true);
        window->selectItem(item);
        return doc;
    }

    TestDir dir;
    std::unique_ptr<TOffWorkspace> workspace;
    std::unique_ptr<TOffWindow> window;
};

} // namespace viewstest
