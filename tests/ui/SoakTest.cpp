// Thousands of random commands against the real main window, checking after
// every one that the list, the working copy and the modified flag are sound.
// The run prints its seed; VELMORA_SOAK_SEED repeats it, VELMORA_SOAK_STEPS
// sets its length.
#include "ChannelListView.h"
#include "ImportDlg.h"
#include "SoakEditorSteps.h"
#include "UiHelpers.h"

#include <QCheckBox>
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

unsigned EnvNumber(const char* name, unsigned fallback) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toUInt();
}

class Soak {
public:
    explicit Soak(std::uint32_t seed) : m_random(seed) { WriteFiles(); }

    void Run(unsigned steps) {
        for (m_step = 0; m_step < steps; ++m_step) {
            if (m_step % 400 == 0)
                NewWindow();
            Step();
            QCoreApplication::sendPostedEvents();
            CheckInvariants();
            if (testing::Test::HasFatalFailure())
                return;
        }
        std::printf("soak: %d editors (%d accepted), %d saves, %d windows with a file\n", m_editors,
                    m_accepted, m_saves, m_loadedWindows);
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool Chance(int percent) { return Pick(100) < percent; }
    int Rows() const { return m_f->List().Channels().RowCount(); }

    void WriteFiles() {
        for (std::uint32_t i = 0; i < 3; ++i) {
            m_files.push_back(Write("uv2-" + std::to_string(i), RandomDat(kTGUV2, 100 + i, true)));
            m_files.push_back(Write("6a-" + std::to_string(i), RandomDat(kTG6A, 200 + i, true)));
        }
        // Files whose channels all pass the Row Editor's checks, so that edits get stored.
        for (RadioModel model : {kTGUV2, kTG6A}) {
            std::vector<CChannel> valid;
            for (int i = 0; i < ChannelCount(model); i += 1 + i % 3)
                valid.push_back(UsedChannel(model, 43800000 + i * 2500, 43800000 + i * 2500));
            m_files.push_back(
                Write(model == kTGUV2 ? "uv2-valid" : "6a-valid", MakeDat(model, valid)));
        }
        std::vector<CChannel> bad(3, UsedChannel(kTGUV2, 14500000, 14500000));
        bad[2].bytes[24] = 3; // a fourth power level
        m_files.push_back(Write("undecodable", MakeDat(kTGUV2, bad)));
        m_files.push_back(m_dir / "missing.DAT");
        m_files.push_back(Write("short", Bytes(4000, 1)));
    }

    fs::path Write(const std::string& name, const Bytes& bytes) {
        const fs::path path = m_dir / (name + ".DAT");
        WriteBytes(path, bytes);
        return path;
    }

    QString RandomFile() {
        return QString::fromStdString(
            m_files[static_cast<std::size_t>(Pick(static_cast<int>(m_files.size())))].string());
    }

    void NewWindow() {
        if (m_f && m_f->window->IsLoaded())
            ++m_loadedWindows;
        m_f = std::make_unique<MainWindowFixture>();
        m_f->ChooseModel(Chance(50) ? kTGUV2 : kTG6A);
        m_expectModified = false;
    }

    void RandomSelection() {
        const int rows = Rows();
        if (rows == 0)
            return;
        std::vector<int> chosen;
        switch (Pick(4)) {
        case 0:
            break;
        case 1:
            chosen.push_back(Pick(rows));
            break;
        case 2: {
            const int first = Pick(rows);
            const int last = std::min(rows - 1, first + Pick(30));
            for (int row = first; row <= last; ++row)
                chosen.push_back(row);
            break;
        }
        default:
            for (int n = Pick(12); n >= 0; --n)
                chosen.push_back(Pick(rows));
            std::sort(chosen.begin(), chosen.end());
            chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
        }
        SelectRows(m_f->List(), chosen,
                   chosen.empty()
                       ? -1
                       : chosen[static_cast<std::size_t>(Pick(static_cast<int>(chosen.size())))]);
    }

    bool HasSelection() const { return m_f->List().HasSelection(); }

    void Step() {
        CMainDlg& w = *m_f->window;
        const std::vector<bool> selected = m_f->List().SelectionFlags();
        const bool any = std::find(selected.begin(), selected.end(), true) != selected.end();
        switch (Pick(16)) {
        case 0:
            m_f->prompts.openNames.push_back(Chance(90) ? RandomFile() : QString());
            w.OnOpen();
            break;
        case 1:
            RandomSelection();
            break;
        case 2:
            w.OnUp();
            m_expectModified |= any && !selected.front();
            break;
        case 3:
            w.OnDown();
            m_expectModified |= any && !selected.back();
            break;
        case 4:
            w.OnUp15();
            m_expectModified |= any && !selected.front();
            break;
        case 5:
            w.OnDown15();
            m_expectModified |= any && !selected.back();
            break;
        case 6:
            w.OnDelete();
            m_expectModified |= any;
            break;
        case 7:
            w.OnCut();
            m_expectModified |= any;
            break;
        case 8:
            w.OnCopy();
            break;
        case 9:
            Paste(any);
            break;
        case 10:
            w.findChild<QCheckBox*>(QStringLiteral("showAllColumns"))->toggle();
            break;
        case 11: {
            const int before = m_f->prompts.modalDialogs;
            const bool accepted = RunRandomEditor(m_f->prompts, w, m_random);
            m_editors += m_f->prompts.modalDialogs - before;
            m_accepted += accepted ? 1 : 0;
            m_expectModified |= accepted;
        } break;
        case 12:
            Import();
            break;
        case 13:
            Save();
            break;
        default:
            RandomSelection();
        }
    }

    void Paste(bool any) {
        CMainDlg& w = *m_f->window;
        const int mark = m_f->List().SelectionMark();
        const std::size_t before = m_f->prompts.messages.size();
        w.OnPaste();
        const bool fits =
            any && mark >= 0 && static_cast<int>(w.Clipboard().size()) <= Rows() - mark;
        const bool refused = m_f->prompts.messages.size() > before;
        if (refused) {
            EXPECT_EQ(m_f->prompts.messages.back(), QStringLiteral("Invalid frequency!"));
        }
        m_expectModified |= fits && !refused;
    }

    void Import() {
        CMainDlg& w = *m_f->window;
        m_f->prompts.openNames.push_back(RandomFile());
        w.OnImport();
        CImportDlg* import = w.ImportDlg();
        if (!import)
            return;
        if (Chance(20)) {
            m_f->prompts.openNames.push_back(RandomFile());
            import->OnOpenForImport();
        }
        const int rows = import->List().Channels().RowCount();
        std::vector<int> chosen;
        for (int n = Pick(5); n > 0 && rows > 0; --n)
            chosen.push_back(Pick(rows));
        std::sort(chosen.begin(), chosen.end());
        chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
        SelectRows(import->List(), chosen);
        import->OnCopy();
        if (Chance(30))
            import->close();
    }

    void Save() {
        CMainDlg& w = *m_f->window;
        if (!w.IsLoaded())
            return;
        const fs::path path = m_dir / ("saved-" + std::to_string(m_step % 3) + ".DAT");
        m_f->prompts.saveNames.push_back(QString::fromStdString(path.string()));
        w.OnSave();
        ++m_saves;
        m_expectModified = false;
        const Bytes saved = ReadBytes(path);
        const CMemoryImage& image = w.DatFile()->GetImage();
        ASSERT_EQ(saved.size(), static_cast<std::size_t>(FileSize(w.Model())));
        EXPECT_EQ(std::memcmp(saved.data(), image.GetHeader(), kHeaderSize), 0);
        for (int row = 0; row < Rows(); ++row)
            EXPECT_EQ(std::memcmp(&saved[static_cast<std::size_t>(kHeaderSize + row * 44)],
                                  m_f->List().Channels().RecordAt(row)->bytes, 44),
                      0)
                << "row " << row;
        EXPECT_EQ(
            std::memcmp(&saved[saved.size() - static_cast<std::size_t>(image.GetTrailerSize())],
                        image.GetTrailer(), static_cast<std::size_t>(image.GetTrailerSize())),
            0);
    }

    void CheckInvariants() {
        SCOPED_TRACE("step " + std::to_string(m_step));
        CMainDlg& w = *m_f->window;
        const CChannelTableModel& rows = m_f->List().Channels();
        const int expected = w.IsLoaded() ? ChannelCount(w.Model()) : 0;
        ASSERT_EQ(rows.RowCount(), expected);
        std::vector<const CChannel*> records;
        for (int row = 0; row < expected; ++row) {
            ASSERT_EQ(rows.data(rows.index(row, 0)).toString(), QString::number(row));
            records.push_back(rows.RecordAt(row));
        }
        // Every slot of the working copy is shown by exactly one row.
        std::sort(records.begin(), records.end());
        for (std::size_t i = 1; i < records.size(); ++i)
            ASSERT_EQ(records[i], records[i - 1] + 1);
        ASSERT_EQ(w.IsModified(), m_expectModified);
    }

    std::mt19937 m_random;
    TempDir m_dir;
    std::vector<fs::path> m_files;
    std::unique_ptr<MainWindowFixture> m_f;
    bool m_expectModified = false;
    unsigned m_step = 0;
    int m_editors = 0;
    int m_accepted = 0;
    int m_saves = 0;
    int m_loadedWindows = 0;
};

} // namespace

TEST(Soak, RandomCommandsKeepTheWindowSound) {
    const std::uint32_t seed = EnvNumber("VELMORA_SOAK_SEED", std::random_device()());
    const unsigned steps = EnvNumber("VELMORA_SOAK_STEPS", 1500);
    std::printf("soak: seed %u, %u steps (VELMORA_SOAK_SEED=%u repeats this run)\n", seed, steps,
                seed);
    RecordProperty("seed", std::to_string(seed));
    Soak(seed).Run(steps);
}
