// The main() of the widget tests: they run without a display, with a
// configuration file of their own, so that the user's back-office settings
// are never touched.
#include "toffapplication.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("VELTRUM_CONFIG", config.filePath(QStringLiteral("veltrum-office.ini")).toLocal8Bit());
    TOffApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
