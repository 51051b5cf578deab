#include "ChannelListView.h"
#include "ChannelPages.h"
#include "CompareDlg.h"
#include "RowEditorDlg.h"
#include "Settings.h"
#include "SystemClipboard.h"
#include "UiHelpers.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMimeData>
#include <QTableView>
#include <QTest>
#include <QTranslator>
#include <QUndoStack>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <chrono>
#include <numeric>

#include <malloc.h>

using namespace testing_support;

namespace {

// A main window holding a decodable TG-UV2 file with every column shown.
struct LoadedWindow : MainWindowFixture {
    std::filesystem::path path;
    LoadedWindow() {
        window->findChild<QCheckBox*>(QStringLiteral("showAllColumns"))->setChecked(true);
        path = Open(RandomDat(kTGUV2, 3, true));
    }
};

void BM_OpenToFilledList(benchmark::State& state) {
    LoadedWindow f;
    for (auto _ : state) {
        f.prompts.openNames.push_back(QString::fromStdString(f.path.string()));
        f.window->OnOpen();
    }
}
BENCHMARK(BM_OpenToFilledList)->Unit(benchmark::kMicrosecond);

// The PDF of 200 channels in use with every column, drawn into memory.
void BM_Pdf200Channels(benchmark::State& state) {
    MainWindowFixture f(kTGUV2, 200);
    for (auto _ : state) {
        const CChannelPages pages(f.window->Document(), true, QStringLiteral("radio.DAT"),
                                  QStringLiteral("07/12/2026"));
        benchmark::DoNotOptimize(
            ChannelPdf(pages, PdfPaper(QLocale(QLocale::English, QLocale::UnitedKingdom)),
                       QStringLiteral("radio.DAT")));
    }
}
BENCHMARK(BM_Pdf200Channels)->Unit(benchmark::kMillisecond);

void BM_Up15Over100Rows(benchmark::State& state) {
    LoadedWindow f;
    std::vector<int> rows;
    for (int i = 50; i < 150; ++i)
        rows.push_back(i);
    for (auto _ : state) {
        state.PauseTiming();
        f.List().SelectRows(rows);
        state.ResumeTiming();
        f.window->OnUp15();
    }
}
BENCHMARK(BM_Up15Over100Rows)->Unit(benchmark::kMicrosecond);

void BM_Paste200Records(benchmark::State& state) {
    LoadedWindow f;
    std::vector<int> all;
    for (int i = 0; i < 200; ++i)
        all.push_back(i);
    f.List().SelectRows(all, 0);
    f.window->OnCopy();
    for (auto _ : state) {
        state.PauseTiming();
        f.List().SelectRows({0});
        state.ResumeTiming();
        f.window->OnPaste();
    }
}
BENCHMARK(BM_Paste200Records)->Unit(benchmark::kMicrosecond);

// A cell stored as the user stores it: the editor opened by typing, Enter,
// and the list drawn again; then the same over 200 selected channels with
// Ctrl+Enter. Each store changes the channels, so each is a step.
void StoreCells(benchmark::State& state, const std::vector<int>& rows, Column column,
                const QStringList& texts, Qt::KeyboardModifiers modifiers) {
    MainWindowFixture f(kTGUV2, 200);
    f.window->findChild<QCheckBox*>(QStringLiteral("showAllColumns"))->setChecked(true);
    CChannelListView& list = f.List();
    int section = 0;
    while (list.Channels().ColumnAt(section).id != column)
        ++section;
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        list.SelectRows(rows);
        list.selectionModel()->setCurrentIndex(list.Channels().index(rows.front(), section),
                                               QItemSelectionModel::NoUpdate);
        state.ResumeTiming();
        list.EditCurrentCell(texts[turn++ % texts.size()]);
        QTest::keyClick(list.indexWidget(list.currentIndex()), Qt::Key_Return, modifiers);
        list.viewport()->repaint();
    }
    state.counters["steps"] = f.window->History().count();
}

void BM_StoreOneCell(benchmark::State& state) {
    StoreCells(state, {5}, Column::RxFreq, {"145.5", "145.6"}, Qt::NoModifier);
}
BENCHMARK(BM_StoreOneCell)->Unit(benchmark::kMicrosecond);

void BM_StoreInto200Rows(benchmark::State& state) {
    std::vector<int> all(200);
    std::iota(all.begin(), all.end(), 0);
    StoreCells(state, all, Column::TxTone, {"88.5", "67.0"}, Qt::ControlModifier);
}
BENCHMARK(BM_StoreInto200Rows)->Unit(benchmark::kMicrosecond);

// Copy of 200 channels, published on the clipboard in all three forms; and
// taking 200 channels back from another program's clipboard: the private
// form of the same radio, and a spreadsheet's tab-separated text.
void BM_CopyPublishes200Rows(benchmark::State& state) {
    MainWindowFixture f(kTGUV2, 200);
    std::vector<int> all(200);
    std::iota(all.begin(), all.end(), 0);
    f.List().SelectRows(all, 0);
    for (auto _ : state)
        f.window->OnCopy();
}
BENCHMARK(BM_CopyPublishes200Rows)->Unit(benchmark::kMicrosecond);

void TakeBack(benchmark::State& state, const char* type) {
    MainWindowFixture f(kTGUV2, 200);
    std::vector<int> all(200);
    std::iota(all.begin(), all.end(), 0);
    f.List().SelectRows(all, 0);
    f.window->OnCopy();
    // Another program's: one byte nobody interprets differs from ours.
    QByteArray bytes = QGuiApplication::clipboard()->mimeData()->data(type);
    if (bytes.startsWith("VLMC"))
        bytes[8 + 2 + 19] = 0x5A;
    for (auto _ : state) {
        state.PauseTiming();
        auto* data = new QMimeData;
        data->setData(type, bytes);
        QGuiApplication::clipboard()->setMimeData(data);
        state.ResumeTiming();
        benchmark::DoNotOptimize(CSystemClipboard::Get().PeekNew(kTGUV2, 0));
    }
}

void BM_Take200RowsPrivate(benchmark::State& state) {
    TakeBack(state, "application/x-velmora-channels");
}
BENCHMARK(BM_Take200RowsPrivate)->Unit(benchmark::kMicrosecond);

void BM_Take200RowsText(benchmark::State& state) { TakeBack(state, "text/plain"); }
BENCHMARK(BM_Take200RowsText)->Unit(benchmark::kMicrosecond);

// The Compare window of a 200-channel file against another, opened and
// drawn; and the comparison shown again after one change of the open file.
void BM_CompareOpens(benchmark::State& state) {
    MainWindowFixture f(kTGUV2, 200);
    WriteBytes(f.dir / "other.DAT", MakeDat(kTGUV2, UsedChannels(kTGUV2, 150, 14600000)));
    const QString path = QPath(f.dir / "other.DAT");
    for (auto _ : state) {
        CCompareDlg compare(path, true, f.window->Document(), f.prompts, f.window.get());
        benchmark::DoNotOptimize(compare.grab());
    }
}
BENCHMARK(BM_CompareOpens)->Unit(benchmark::kMillisecond);

void BM_CompareAfterOneChange(benchmark::State& state) {
    MainWindowFixture f(kTGUV2, 200);
    WriteBytes(f.dir / "other.DAT", MakeDat(kTGUV2, UsedChannels(kTGUV2, 150, 14600000)));
    CCompareDlg compare(QPath(f.dir / "other.DAT"), true, f.window->Document(), f.prompts,
                        f.window.get());
    int turn = 0;
    for (auto _ : state) {
        f.List().SelectRows({7});
        f.List().selectionModel()->setCurrentIndex(f.List().Channels().index(7, 1),
                                                   QItemSelectionModel::NoUpdate);
        f.List().EditCurrentCell(turn++ % 2 ? "A" : "B");
        f.List().CommitEdit();
        compare.Left().viewport()->repaint();
        compare.Right().viewport()->repaint();
    }
}
BENCHMARK(BM_CompareAfterOneChange)->Unit(benchmark::kMicrosecond);

void BM_RowEditorOn200Rows(benchmark::State& state) {
    LoadedWindow f;
    std::vector<int> all;
    for (int i = 0; i < 200; ++i)
        all.push_back(i);
    f.List().SelectRows(all, 0);
    for (auto _ : state) {
        CRowEditorDlg editor(f.window->Document(), 0, 199, f.List().SelectionFlags(), false,
                             f.prompts, f.window.get());
        benchmark::DoNotOptimize(editor.isVisible());
    }
}
BENCHMARK(BM_RowEditorOn200Rows)->Unit(benchmark::kMicrosecond);

// A window whose history holds one step that emptied all 200 rows.
struct WindowWithA200RowStep : LoadedWindow {
    WindowWithA200RowStep() {
        std::vector<int> all;
        for (int i = 0; i < 200; ++i)
            all.push_back(i);
        Do(&CMainDlg::OnDelete, all);
    }
};

void BM_UndoOf200RowStep(benchmark::State& state) {
    WindowWithA200RowStep f;
    for (auto _ : state) {
        f.window->History().undo();
        state.PauseTiming();
        f.window->History().redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoOf200RowStep)->Unit(benchmark::kMicrosecond);

void BM_RedoOf200RowStep(benchmark::State& state) {
    WindowWithA200RowStep f;
    for (auto _ : state) {
        state.PauseTiming();
        f.window->History().undo();
        state.ResumeTiming();
        f.window->History().redo();
    }
}
BENCHMARK(BM_RedoOf200RowStep)->Unit(benchmark::kMicrosecond);

// The memory a full history takes: 1,000 steps that each change all 200 rows
// (a paste of 200 records, then Delete of them, and so on), in "MB".
void BM_HistoryOf1000Steps(benchmark::State& state) {
    for (auto _ : state) {
        LoadedWindow f;
        std::vector<int> all;
        for (int i = 0; i < 200; ++i)
            all.push_back(i);
        f.List().SelectRows(all, 0);
        f.window->OnCopy();
        const std::size_t before = mallinfo2().uordblks;
        for (int step = 0; step < 1000; ++step)
            f.Do(step % 2 ? &CMainDlg::OnPaste : &CMainDlg::OnDelete, all, 0);
        state.counters["MB"] = double(mallinfo2().uordblks - before) / 1e6;
        state.counters["steps"] = f.window->History().count();
    }
}
BENCHMARK(BM_HistoryOf1000Steps)->Iterations(1)->Unit(benchmark::kMillisecond);

// Construction to first paint of the main window, against a bare dialog with
// an empty table of the same size, timed in the same loop; "ratio" is the
// main window's time over the bare dialog's. With argument 1 the window
// speaks German, its translations (Qt's and Velmora's) loaded anew each time
// as at a start. The window is the one of a first start: what the benchmarks
// before left in the settings (all columns shown) would draw more.
void BM_MainWindowFirstPaint(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    CSettings::Get().Clear();
    CScriptedPrompts prompts;
    const QSize size = CMainDlg(prompts).size();
    const bool german = state.range(0) == 1;
    Clock::duration mainTotal{}, bareTotal{};
    for (auto _ : state) {
        const auto start = Clock::now();
        {
            QTranslator qt, velmora;
            if (german) {
                if (!qt.load(QStringLiteral("qtbase_de"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
                    !velmora.load(QStringLiteral("velmora_de"), QStringLiteral(VELMORA_QM_DIR)))
                    state.SkipWithError("no German translation");
                QCoreApplication::installTranslator(&qt);
                QCoreApplication::installTranslator(&velmora);
            }
            CMainDlg window(prompts);
            benchmark::DoNotOptimize(window.grab());
        }
        const auto middle = Clock::now();
        {
            QDialog dialog;
            auto* layout = new QVBoxLayout(&dialog);
            layout->addWidget(new QTableView(&dialog));
            dialog.resize(size);
            benchmark::DoNotOptimize(dialog.grab());
        }
        const auto end = Clock::now();
        mainTotal += middle - start;
        bareTotal += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(middle - start).count());
    }
    state.counters["bare_us"] =
        benchmark::Counter(std::chrono::duration<double, std::micro>(bareTotal).count(),
                           benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = std::chrono::duration<double>(mainTotal).count() /
                              std::chrono::duration<double>(bareTotal).count();
}
BENCHMARK(BM_MainWindowFirstPaint)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
