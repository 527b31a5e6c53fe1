// The run-time loader against the engine of this build.
#include "tprintengine.h"

#include "tcrystalparameters.h"
#include "testdir.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Crystal;

namespace {

const QString EngineDir = QStringLiteral(VELTRUM_ENGINE_DIR);

} // namespace

TEST(PrintEngine, AConfiguredFolderWithOrWithoutItsSeparator)
{
    EXPECT_EQ(QStringLiteral("/opt/pe/") + TPrintEngine::engineFileName(),
              TPrintEngine::enginePath(QStringLiteral("/opt/pe")));
    EXPECT_EQ(QStringLiteral("/opt/pe/") + TPrintEngine::engineFileName(),
              TPrintEngine::enginePath(QStringLiteral("/opt/pe/")));
    EXPECT_EQ(QStringLiteral("C:\\pe\\") + TPrintEngine::engineFileName(),
              TPrintEngine::enginePath(QStringLiteral("C:\\pe\\")));
    EXPECT_EQ(QString(), TPrintEngine::enginePath(QString()));

    // as a registry keeps folders: no separator at the end
    ASSERT_FALSE(EngineDir.endsWith(QLatin1Char('/')));
    TPrintEngine engine(EngineDir, QStringLiteral("no-such-engine"));
    ASSERT_TRUE(engine.load());
    EXPECT_EQ(QFileInfo(QStringLiteral(VELTRUM_ENGINE_FILE)).canonicalFilePath(),
              QFileInfo(engine.loadedFile()).canonicalFilePath());
}

TEST(PrintEngine, ThePlainNameWhenTheFolderLacksTheEngine)
{
    TestDir empty;
    // the plain name goes to the system's look-up; an absolute one stands in
    TPrintEngine engine(empty.path(), QStringLiteral(VELTRUM_ENGINE_FILE));
    EXPECT_TRUE(engine.load());
    EXPECT_EQ(1, engine.attempts());
}

TEST(PrintEngine, AFailureIsRememberedAndEveryCallFailsQuietly)
{
    TestDir empty;
    TPrintEngine engine(empty.path(), QStringLiteral("no-such-engine"));
    EXPECT_FALSE(engine.load());
    EXPECT_TRUE(engine.hasFailed());
    EXPECT_EQ(PE_NO_FIELDS, engine.PEGetNParameterFields(1));
    PEParameterFieldInfo info {};
    info.structSize = sizeof(info);
    EXPECT_FALSE(engine.PEGetNthParameterField(1, 0, &info));
    EXPECT_FALSE(engine.PESetNthParameterField(1, 0, &info));
    EXPECT_EQ(0, engine.PEOpenPrintJob(QStringLiteral("x.vrt")));
    EXPECT_TRUE(engine.PEGetOutput(1, PE_BODY).isNull());
    EXPECT_EQ(0, fillParameters(engine, 1, TParameterValues()));
    EXPECT_FALSE(engine.load());
    EXPECT_EQ(1, engine.attempts()) << "loading is not tried again";
}

TEST(PrintEngine, JobsThroughTheLoader)
{
    TestDir dir;
    dir.write(QStringLiteral("r.vrt"), "<p>{user}: {sum pays.amount:money}</p>");
    dir.write(QStringLiteral("pays.txt"), "id,amount\r\n1,990\r\n");
    TPrintEngine engine(EngineDir);
    const short job = engine.PEOpenPrintJob(dir.file(QStringLiteral("r.vrt")));
    ASSERT_GT(job, 0);
    EXPECT_EQ(1u, engine.PEGetNParameterFields(job));
    EXPECT_TRUE(engine.PEStartPrintJob(job));
    EXPECT_EQ(QStringLiteral("<p>: 9.90</p>"), engine.PEGetOutput(job, PE_BODY));
    EXPECT_TRUE(engine.PEClosePrintJob(job));
    EXPECT_EQ(0, engine.PEOpenPrintJob(dir.file(QStringLiteral("none.vrt"))));
    EXPECT_TRUE(engine.PEGetErrorText(0).contains(QStringLiteral("none.vrt")));
}
