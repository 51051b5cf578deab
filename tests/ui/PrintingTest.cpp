// The channel list on paper, read back from the PDF by poppler's tools.
#include "ProgramInfo.h"
#include "UiHelpers.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0)
        << tool.toStdString() << " failed; scripts/setup installs it (poppler-utils)";
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// Each page starts with the headings (after the title line on the first) and
// ends with its number; between them come every row in use, each cell as the
// list shows it, in row order. The title names the file, its radio and the
// channels in use; 200 channels with every column fit on five pages.
TEST(Printing, ThePdfHoldsEveryChannelInUseInRowOrder) {
    const fs::path examples = VELMORA_EXAMPLES_DIR;
    const std::tuple<RadioModel, fs::path, bool, int> cases[] = {
        {kTGUV2, examples / "TG-UV2-example.DAT", true, 2},
        {kTG6A, examples / "TG-6A-example.DAT", false, 2},
        {kTGUV2, {}, true, 5}};
    for (const auto& [model, path, showAll, mostPages] : cases) {
        MainWindowFixture f(model, 200);
        if (!path.empty())
            f.OpenPath(path);
        f.ShowAllColumns(showAll);
        f.prompts.saveNames = {QPath(f.dir / "list")};
        MenuAction(*f.window, "Export PDF...")->trigger();
        const QString pdf = QPath(f.dir / "list.pdf");
        const QString name = QString::fromStdString(f.window->Document().Path().filename());
        QStringList expected;
        for (int row = 0; row < f.List().Channels().RowCount(); ++row)
            if (!f.Record(row).IsEmpty())
                expected << RowTexts(f.List(), row).join(' ').simplified();
        const QStringList pages =
            Poppler("pdftotext", {"-layout", pdf, "-"}).split('\f', Qt::SkipEmptyParts);
        EXPECT_LE(pages.size(), mostPages);
        EXPECT_TRUE(
            Poppler("pdfinfo", {pdf})
                .contains(QRegularExpression(
                    QStringLiteral("Title: +%1\nCreator: +Velmora %2\n[\\s\\S]*Pages: +%3\n")
                        .arg(name, kProgramVersion)
                        .arg(pages.size()))));
        const QString title = QStringLiteral("%1 \u2014 %2 \u2014 %3 channels ")
                                  .arg(name, model == kTGUV2 ? "TG-UV2" : "TG-6A")
                                  .arg(expected.size());
        QStringList rows;
        for (int page = 0; page < pages.size(); ++page) {
            QStringList lines;
            for (const QString& line : pages[page].split('\n'))
                if (!line.simplified().isEmpty())
                    lines << line.simplified();
            const int first = page == 0 ? 1 : 0;
            ASSERT_GE(lines.size(), first + 2);
            EXPECT_TRUE(page > 0 || lines.front().startsWith(title)) << lines.front().toStdString();
            EXPECT_EQ(lines[first], RowTexts(f.List(), -1).join(' '));
            EXPECT_EQ(lines.back(),
                      QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages.size()));
            rows << lines.mid(first + 1, lines.size() - first - 2);
        }
        EXPECT_EQ(rows, expected);
    }
}

// Print and Print Preview run their dialogs through the prompts; a PDF that
// cannot be written says why and leaves the old file as it was.
TEST(Printing, NoDialogBlocksAndAFailedExportKeepsTheOldFile) {
    MainWindowFixture f(kTGUV2, 100);
    MenuAction(*f.window, "Print...")->trigger();
    MenuAction(*f.window, "Print Preview...")->trigger();
    EXPECT_EQ(f.prompts.modalDialogs, 2);
    WriteBytes(f.dir / "old.pdf", Bytes{'o', 'l', 'd'});
    f.prompts.saveNames = {QPath(f.dir / "old.pdf")};
    UnderFileSizeLimit(2000, [&] { MenuAction(*f.window, "Export PDF...")->trigger(); });
    EXPECT_EQ(f.prompts.messages, std::vector<QString>{"Export operation failed."});
    EXPECT_FALSE(f.prompts.reasons.back().isEmpty());
    EXPECT_EQ(ReadBytes(f.dir / "old.pdf"), (Bytes{'o', 'l', 'd'}));
}
