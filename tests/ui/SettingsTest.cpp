// What Velmora remembers between runs: kept by one window, found by the
// next; nonsense read as nothing; the Recent Files menu.
#include "Settings.h"
#include "UiHelpers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A window that was closed leaves its radio, its columns, its size and its
// file for the next: the next opens as it was left, its Open dialog where
// the file was.
TEST(Settings, TheNextWindowOpensAsTheLastWasLeft) {
    CSettings::Get().Clear();
    TempDir dir;
    QSize size;
    {
        CScriptedPrompts prompts;
        CMainDlg window(prompts);
        window.show();
        Child<QComboBox>(window, "modeBox")->setCurrentIndex(kTG6A);
        Child<QCheckBox>(window, "showAllColumns")->setChecked(true);
        WriteBytes(dir / "six.DAT", MakeDat(kTG6A, UsedChannels(kTG6A, 2)));
        prompts.openNames = {QPath(dir / "six.DAT")};
        window.OnOpen();
        window.resize(window.width() + 40, window.height() + 30);
        size = window.size();
        window.close();
    }
    // The next run reads the file (where one recent file is a plain text),
    // not what this one kept in memory.
    const QString tests = CSettings::File(), copy = QPath(dir / "next.ini");
    CSettings::Get().Write();
    ASSERT_TRUE(QFile::copy(tests, copy));
    CSettings::UseFile(copy);
    CScriptedPrompts prompts;
    CMainDlg window(prompts);
    EXPECT_EQ(window.size(), size);
    EXPECT_EQ(Child<QComboBox>(window, "modeBox")->currentIndex(), int(kTG6A));
    EXPECT_TRUE(Child<QCheckBox>(window, "showAllColumns")->isChecked());
    EXPECT_EQ(window.List().Channels().columnCount(), 11);
    window.OnOpen();
    EXPECT_EQ(prompts.openStarts, std::vector<QString>{QPath(dir.Path())});
    EXPECT_EQ(MenuTexts(*window.RecentFilesMenu()).value(0),
              QStringLiteral("&1 six.DAT  (%1)").arg(QPath(dir.Path())));
    CSettings::UseFile(tests);
}

// Settings of the wrong kind, out of range or not settings at all are
// nothing: the window opens as the first time.
TEST(Settings, NonsenseIsIgnored) {
    const QByteArray cases[] = {
        "[window]\ngeometry=not a frame\n[list]\nshowAllColumns=banana\nradio=TG-9\n"
        "[folders]\ndat=/no/such/folder\n[files]\nrecent=@Invalid()\n[General]\nlanguage=xx\n",
        QByteArray("\x00\xff\xfe[[[=\n==\x01", 12),
        "[list]\nshowAllColumns=1\nradio=1\n",
    };
    const QTemporaryDir dir;
    const QString tests = CSettings::File(), file = dir.filePath(QStringLiteral("settings.ini"));
    for (const QByteArray& text : cases) {
        QFile settings(file);
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly) && settings.write(text) == text.size());
        settings.close();
        CSettings::UseFile(file);
        CScriptedPrompts prompts;
        CMainDlg window(prompts);
        EXPECT_EQ(Child<QComboBox>(window, "modeBox")->currentIndex(), int(kTGUV2));
        EXPECT_FALSE(Child<QCheckBox>(window, "showAllColumns")->isChecked());
        EXPECT_FALSE(window.RecentFilesMenu()->menuAction()->isEnabled());
        EXPECT_TRUE(CSettings::Get().DatFolder().isEmpty() &&
                    CSettings::Get().Language().isEmpty());
    }
    CSettings::UseFile(tests);
}

// The menu lists what was opened, newest first, each once, eight at most; a
// file that is gone is said so and taken off; Clear Recent Files empties it.
TEST(Settings, TheRecentFilesMenu) {
    MainWindowFixture f;
    for (const char* name : {"one.DAT", "two.DAT"})
        f.Open(MakeDat(kTGUV2, UsedChannels(kTGUV2, 1)), name);
    QMenu& menu = *f.window->RecentFilesMenu();
    EXPECT_EQ(MenuTexts(menu).mid(0, 2).join(QLatin1Char('|')).remove(QPath(f.dir.Path())),
              QStringLiteral("&1 two.DAT  ()|&2 one.DAT  ()"));
    menu.actions().at(1)->trigger();
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Velmora - one.DAT"));
    EXPECT_TRUE(MenuTexts(menu).front().startsWith("&1 one.DAT"));
    for (int i = 0; i < 9; ++i)
        f.Open(MakeDat(kTGUV2, UsedChannels(kTGUV2, 1)), std::to_string(i) + ".DAT");
    EXPECT_EQ(CSettings::Get().RecentFiles().size(), CSettings::kRecentFiles);
    f.Open(MakeDat(kTGUV2, UsedChannels(kTGUV2, 1)), "two.DAT");
    std::filesystem::remove(f.dir / "two.DAT");
    menu.actions().at(0)->trigger();
    EXPECT_EQ(f.prompts.messages.back(), QStringLiteral("Open operation failed."));
    EXPECT_EQ(MenuTexts(menu).size(), CSettings::kRecentFiles - 1 + 2) << "and Clear Recent Files";
    menu.actions().back()->trigger();
    EXPECT_FALSE(menu.menuAction()->isEnabled());
    EXPECT_TRUE(CSettings::Get().RecentFiles().isEmpty());
}

} // namespace
