// The engine's C interface, called as a loader calls it.
#include "veltrumpe.h"

#include "testdir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

PEParameterFieldInfo fieldInfo()
{
    PEParameterFieldInfo info {};
    info.structSize = sizeof(info);
    return info;
}

QString output(short job, int part)
{
    const int size = PEGetOutput(job, part, nullptr, 0);
    if (size < 1)
        return QStringLiteral("<none>");
    QByteArray bytes(size, 'x');
    EXPECT_EQ(size, PEGetOutput(job, part, bytes.data(), size));
    return QString::fromUtf8(bytes.constData());
}

class Engine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(PEOpenEngine());
        dir.write(QStringLiteral("r.vrt"), "<!-- @pageheader -->{user} {page}<!-- @end -->"
                                           "<p>{user}|{weather}|{sum pays.amount:money}</p>"
                                           "<!-- @parameter weather sunny -->");
        dir.write(QStringLiteral("pays.txt"), "id,amount\r\n1,1250\r\n2,50\r\n");
        job = PEOpenPrintJob(dir.file(QStringLiteral("r.vrt")).toUtf8().constData());
        ASSERT_GT(job, 0);
    }
    void TearDown() override { PEClosePrintJob(job); }

    TestDir dir;
    short job = 0;
};

} // namespace

TEST_F(Engine, FieldsAreReadAndSetByNumber)
{
    ASSERT_EQ(2u, PEGetNParameterFields(job));
    PEParameterFieldInfo info = fieldInfo();
    ASSERT_TRUE(PEGetNthParameterField(job, 1, &info));
    EXPECT_STREQ("weather", info.name);
    EXPECT_STREQ("sunny", info.defaultValue);
    EXPECT_EQ(0, info.currentValueSet);

    ASSERT_TRUE(PEGetNthParameterField(job, 0, &info));
    EXPECT_STREQ("user", info.name);
    std::strcpy(info.currentValue, "Anna & Co");
    ASSERT_TRUE(PESetNthParameterField(job, 0, &info));
    ASSERT_TRUE(PEGetNthParameterField(job, 0, &info));
    EXPECT_EQ(1, info.currentValueSet);
    EXPECT_STREQ("Anna & Co", info.currentValue);

    // another field's name, a number out of range, a record of the wrong size
    std::strcpy(info.name, "weather");
    EXPECT_FALSE(PESetNthParameterField(job, 0, &info));
    EXPECT_FALSE(PEGetNthParameterField(job, 2, &info));
    EXPECT_FALSE(PEGetNthParameterField(job, -1, &info));
    info.structSize = 10;
    EXPECT_FALSE(PEGetNthParameterField(job, 0, &info));

    ASSERT_TRUE(PEStartPrintJob(job));
    EXPECT_EQ(QStringLiteral("<p>Anna &amp; Co|sunny|13.00</p>"), output(job, PE_BODY));
    EXPECT_EQ(QStringLiteral("Anna &amp; Co {page}"), output(job, PE_PAGE_HEADER));
    EXPECT_EQ(QString(), output(job, PE_PAGE_FOOTER));
}

TEST_F(Engine, LongValuesAreCutAtACharacterBoundary)
{
    PEParameterFieldInfo info = fieldInfo();
    ASSERT_TRUE(PEGetNthParameterField(job, 0, &info));
    // 1022 bytes of "a", then a two-byte "è": it does not fit beside the NUL
    const QByteArray text = QByteArray(PE_PF_VALUE_LEN - 2, 'a') + "\xC3\xA8";
    std::memcpy(info.currentValue, text.constData(), PE_PF_VALUE_LEN - 1);
    info.currentValue[PE_PF_VALUE_LEN - 1] = '\0';
    ASSERT_TRUE(PESetNthParameterField(job, 0, &info));
    ASSERT_TRUE(PEGetNthParameterField(job, 0, &info));
    EXPECT_EQ(size_t(PE_PF_VALUE_LEN - 2), std::strlen(info.currentValue));
}

TEST_F(Engine, OutputOnlyAfterStartAndSmallBuffersAreCut)
{
    EXPECT_EQ(-1, PEGetOutput(job, PE_BODY, nullptr, 0));
    ASSERT_TRUE(PEStartPrintJob(job));
    EXPECT_EQ(-1, PEGetOutput(job, 7, nullptr, 0));
    char small[5];
    const int needed = PEGetOutput(job, PE_BODY, small, sizeof(small));
    EXPECT_GT(needed, 5);
    EXPECT_STREQ("<p>|", small);
}

TEST_F(Engine, UnknownJobsAndUnreadableDesigns)
{
    EXPECT_EQ(PE_NO_FIELDS, PEGetNParameterFields(short(job + 100)));
    EXPECT_FALSE(PEStartPrintJob(short(job + 100)));
    EXPECT_FALSE(PEClosePrintJob(short(job + 100)));

    EXPECT_EQ(0, PEOpenPrintJob(dir.file(QStringLiteral("missing.vrt")).toUtf8().constData()));
    char text[512];
    PEGetErrorText(0, text, sizeof(text));
    EXPECT_NE(nullptr, std::strstr(text, "missing.vrt"));

    dir.write(QStringLiteral("bad.vrt"), "<!-- @section pays -->");
    EXPECT_EQ(0, PEOpenPrintJob(dir.file(QStringLiteral("bad.vrt")).toUtf8().constData()));
    PEGetErrorText(0, text, sizeof(text));
    EXPECT_NE(nullptr, std::strstr(text, "not closed"));
}

TEST_F(Engine, ListsComeFromTheDataDirectory)
{
    TestDir data;
    data.write(QStringLiteral("pays.txt"), "id;amount\r\n1;7\r\n");
    ASSERT_TRUE(PESetDataDirectory(job, data.path().toUtf8().constData()));
    ASSERT_TRUE(PEStartPrintJob(job));
    EXPECT_EQ(QStringLiteral("<p>|sunny|0.07</p>"), output(job, PE_BODY));
}
