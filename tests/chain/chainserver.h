#pragma once

#include "tchaindb.h"
#include "tchainurl.h"

#include <QString>

#include <gtest/gtest.h>

// A database of its own on the test server that VELTRUM_TEST_DB names
// (scripts/test.sh starts one), dropped after the test. Without the
// variable the test is skipped.
class ChainServerTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The test's database.
    ChainLib::TChainUrl url() const { return m_url; }
    QString urlText() const { return m_url.text(); }
    // A URL of a server that is not there.
    static QString deadUrlText();

    // Every row of the chain's tables with its row version: equal digests
    // mean nothing was written in between.
    QString digest();
    // One number of a query.
    qint64 number(const QString &statement);

    ChainLib::TChainDb db;

private:
    ChainLib::TChainUrl m_admin;
    ChainLib::TChainUrl m_url;
};
