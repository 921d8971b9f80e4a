// Widget tests drive the real forms on Qt's offscreen platform.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The tests read English texts whatever the machine's language; the test
    // of the translations asks for German itself.
    qputenv("LANGUAGE", "en");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing a test registers or records may reach the real desktop, even a
    // test that sets no folders of its own.
    QTemporaryDir desktop;
    if (!desktop.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", desktop.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", desktop.filePath(QStringLiteral("config")).toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
