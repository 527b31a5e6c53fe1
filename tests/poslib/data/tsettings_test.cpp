#include "tsettings.h"

#include "testdir.h"

#include <gtest/gtest.h>

using Basics::TValue;
using PosLib::TSettings;

TEST(Settings, MissingFileLeavesDefaults)
{
    TestDir dir;
    TSettings settings;
    EXPECT_EQ(7, settings.load(dir.path().toLocal8Bit().constData()));
    EXPECT_EQ(nullptr, settings.installation());
    EXPECT_EQ(0, settings.officeId());
    EXPECT_TRUE(settings.installationName().isEmpty());
    EXPECT_TRUE(settings.addAddress().isEmpty());
}

TEST(Settings, InstallationRecordRoundTrip)
{
    TestDir dir;
    const QByteArray base = dir.path().toLocal8Bit();
    {
        TSettings settings;
        auto *record = new TValue; // no "id": the installation record
        record->setString("installationname", "Corner Bistro");
        record->setString("street", "Main Street 1");
        record->setString("city", "Graz");
        record->setString("taxnumber", "ATU123");
        record->setString("phonenumber", "0316 1");
        record->setString("faxnumber", "0316 2");
        record->setString("infotext", "Thank you");
        record->setString("email", "info@example.org");
        record->setString("webaddress", "example.org");
        record->setString("addaddress", "Courtyard");
        settings.insert(record);
        auto *other = new TValue;
        other->setId(1);
        other->setInt("officeid", 9);
        settings.insert(other);
        settings.save(base.constData());
    }
    EXPECT_TRUE(dir.exists("usr/data/settings.dat"));

    TSettings settings;
    ASSERT_EQ(0, settings.load(base.constData()));
    ASSERT_NE(nullptr, settings.installation());
    // Only record 0 counts, and it has no "officeid".
    EXPECT_EQ(1, settings.officeId());
    EXPECT_EQ(QStringLiteral("Corner Bistro"), settings.installationName());
    EXPECT_EQ(QStringLiteral("Main Street 1"), settings.street());
    EXPECT_EQ(QStringLiteral("Graz"), settings.city());
    EXPECT_EQ(QStringLiteral("ATU123"), settings.taxNumber());
    EXPECT_EQ(QStringLiteral("0316 1"), settings.phoneNumber());
    EXPECT_EQ(QStringLiteral("0316 2"), settings.faxNumber());
    EXPECT_EQ(QStringLiteral("Thank you"), settings.infoText());
    EXPECT_EQ(QStringLiteral("info@example.org"), settings.email());
    EXPECT_EQ(QStringLiteral("example.org"), settings.webAddress());
    EXPECT_EQ(QStringLiteral("Courtyard"), settings.addAddress());

    settings.installation()->setInt("officeid", 4);
    EXPECT_EQ(4, settings.officeId());
}

TEST(Settings, ListNames)
{
    TSettings settings;
    EXPECT_EQ(QStringLiteral("settings"), settings.listName());
    EXPECT_EQ(QStringLiteral("settings.dat"), settings.fileName());
    EXPECT_EQ(QStringLiteral("setting"), settings.elementName());
    EXPECT_TRUE(settings.autoDelete());
}
