// The program's settings and recovery copies go to a temporary folder,
// never the user's.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Recovery copies too go to a folder of this run's own.
    QTemporaryDir settingsDir;
    qputenv("XDG_DATA_HOME", settingsDir.filePath("data").toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Veltra");
    QApplication::setApplicationName("Curvix");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
