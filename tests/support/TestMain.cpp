// Runs the UI tests headless: Qt's offscreen platform, one QApplication,
// and settings of their own, never the user's.
#include "Settings.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QTemporaryDir settings;
    CSettings::UseFile(settings.filePath(QStringLiteral("settings.ini")));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
