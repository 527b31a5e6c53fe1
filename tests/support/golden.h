#pragma once

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// Reference texts under tests/data/golden/, written by hand or checked
// line by line when they were made.
//
// Compares `actual` with the reference file `name` (relative to
// tests/data/golden/). On a mismatch the failure message is a unified diff
// from the reference to the actual text. With $VELTRUM_UPDATE_GOLDEN set
// the reference is rewritten from `actual` instead; review the diff of the
// files before committing them.
::testing::AssertionResult matchesGolden(const QString &name, const QString &actual);
// The lines joined by "\n", with a final "\n".
::testing::AssertionResult matchesGolden(const QString &name, const QStringList &lines);

#define EXPECT_GOLDEN(name, actual) EXPECT_TRUE(matchesGolden(name, actual))

// A unified diff ("---", "+++", "@@ -a,b +c,d @@" hunks with three lines of
// context) from `expected` to `actual`; empty when they are equal.
QString unifiedDiff(const QStringList &expected, const QStringList &actual,
                    const QString &expectedName, const QString &actualName);
