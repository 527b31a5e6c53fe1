// The web tests run sockets and the report engine on an event loop: an
// application object first, as in the program (the GUI one: reports paint
// their charts and PDF on the offscreen platform).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
