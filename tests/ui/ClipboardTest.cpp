// Rows through the desktop's clipboard, with the real QClipboard of Qt's
// offscreen platform: what Copy publishes, and what Paste takes first.
#include "ChannelTransfer.h"
#include "UiHelpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

void SetClipboard(const QString& type, const QByteArray& bytes) {
    auto* data = new QMimeData;
    data->setData(type, bytes);
    QGuiApplication::clipboard()->setMimeData(data);
}

QByteArray Published(const char* type) {
    return QGuiApplication::clipboard()->mimeData()->data(QString::fromLatin1(type));
}

// Copy puts the rows there in three forms; Paste takes this window's own rows
// from the row clipboard, and a text another program put there first, once,
// in the order of its lines, saying which lines it could not take; content
// without channels leaves the row clipboard to Paste.
TEST(Clipboard, CopyPublishesAndPasteTakesNewRowsOnce) {
    MainWindowFixture f(kTGUV2, 10);
    f.Do(&CMainDlg::OnCopy, {1, 3});
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "ID\tName\tRX Freq\tTX Freq\n1\t\t145.02500\t145.02500\n3\t\t145.07500\t145.07500\n");
    EXPECT_TRUE(Published("text/csv").startsWith("Location,Name,Frequency,"));
    const TakenChannels own =
        TakeVelmoraChannels(Published("application/x-velmora-channels").toStdString(), kTGUV2, 0);
    EXPECT_TRUE(own.records == (std::vector<CChannel>{f.Record(1), f.Record(3)}));
    f.Do(&CMainDlg::OnPaste, {20});
    EXPECT_EQ(f.Order(20, 2), (std::vector<int>{1, 3}));

    QGuiApplication::clipboard()->setText("Frequency,Name\n146.5,AA\nbad,BB\n147.0,CC\n");
    for (const int row : {30, 40}) {
        f.Do(&CMainDlg::OnPaste, {row});
        EXPECT_EQ(f.Record(row).GetNameText() + f.Record(row + 1).GetFreqText(true),
                  "AA    147.00000");
    }
    EXPECT_EQ(f.prompts.messages,
              std::vector<QString>{"1 line of the clipboard could not be pasted."})
        << "taken once";
    EXPECT_EQ(f.prompts.details.back(), "Line 3: Frequency \"bad\" is not a number of MHz.");
    EXPECT_EQ(f.window->History().undoText(), "Paste");
    QGuiApplication::clipboard()->setText("hello");
    f.Do(&CMainDlg::OnPaste, {50});
    EXPECT_EQ(f.Record(50).GetNameText(), "AA    ");
}

// A paste refused, or of nothing Velmora can read, changes no row, no step,
// no flag and not the row clipboard; content that did not fit stays new.
TEST(Clipboard, ARefusedPasteChangesNothing) {
    MainWindowFixture f(kTG6A, UsedChannels(kTG6A, 3, 43800000));
    const auto unchanged = [&] {
        return f.window->History().count() == 0 && !f.window->IsModified() &&
               f.window->Clipboard().empty() && f.Record(5).IsEmpty();
    };
    const std::vector<ChannelRow> vhf = {{0, UsedChannel(kTGUV2, 14500000, 14500000)},
                                         {150, UsedChannel(kTGUV2, 14550000, 14550000)}};
    SetClipboard("application/x-velmora-channels",
                 QByteArray::fromStdString(VelmoraChannels(kTGUV2, vhf)));
    f.Do(&CMainDlg::OnPaste, {5});
    EXPECT_EQ(f.prompts.messages.back(), "2 channels of the clipboard could not be pasted.");
    EXPECT_TRUE(f.prompts.details.back().startsWith(
        "Channel 0: 145.00000 MHz is outside this TG-6A's band"));
    EXPECT_TRUE(unchanged());
    for (const QByteArray& nothing : {QByteArray("hello"), QByteArray("VLMC\x01\x00\x05\x00", 8)}) {
        SetClipboard(nothing.startsWith("VLMC") ? "application/x-velmora-channels" : "text/plain",
                     nothing);
        f.Do(&CMainDlg::OnPaste, {5});
        EXPECT_EQ(f.prompts.messages.back(), "The clipboard holds no channels Velmora can read.");
        EXPECT_TRUE(unchanged());
    }
    QGuiApplication::clipboard()->setText("Frequency\n438.5\n439.5\n");
    f.Do(&CMainDlg::OnPaste, {99});
    EXPECT_TRUE(unchanged()) << "two rows do not fit below row 99";
    f.Do(&CMainDlg::OnPaste, {5});
    EXPECT_EQ(f.Record(6).GetFreqText(true), "439.50000");
}

} // namespace
