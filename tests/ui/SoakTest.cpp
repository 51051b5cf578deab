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
    explicit Soak(std::uint32_t seed) : m_random(seed) {
        for (std::uint32_t i = 0; i < 3; ++i) {
            Write("uv2-" + std::to_string(i), RandomDat(kTGUV2, 100 + i, true));
            Write("6a-" + std::to_string(i), RandomDat(kTG6A, 200 + i, true));
        }
        // Files whose channels all pass the Row Editor's checks, so that edits get stored.
        for (RadioModel model : {kTGUV2, kTG6A})
            Write(model == kTGUV2 ? "uv2-valid" : "6a-valid",
                  MakeDat(model, UsedChannels(model, ChannelCount(model) / 2, 43800000, 2500)));
        std::vector<CChannel> bad = UsedChannels(kTGUV2, 3);
        bad[2].bytes[24] = 3; // a fourth power level
        Write("undecodable", MakeDat(kTGUV2, bad));
        Write("short", Bytes(4000, 1));
        m_files.push_back(m_dir / "missing.DAT");
    }

    void Run(unsigned steps) {
        for (m_step = 0; m_step < steps && !testing::Test::HasFatalFailure(); ++m_step) {
            if (m_step % 400 == 0) {
                m_f = std::make_unique<MainWindowFixture>();
                m_f->ChooseModel(Chance(50) ? kTGUV2 : kTG6A);
                m_expectModified = false;
            }
            Step();
            QCoreApplication::sendPostedEvents();
            CheckInvariants();
        }
        std::printf("soak: %d editors (%d accepted), %d saves\n", m_editors, m_accepted, m_saves);
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool Chance(int percent) { return Pick(100) < percent; }
    int Rows() const { return m_f->List().Channels().RowCount(); }

    void Write(const std::string& name, const Bytes& bytes) {
        m_files.push_back(m_dir / (name + ".DAT"));
        WriteBytes(m_files.back(), bytes);
    }
    QString RandomFile() {
        return QPath(m_files[static_cast<std::size_t>(Pick(static_cast<int>(m_files.size())))]);
    }

    // None, one, a block of up to 31 or up to 13 scattered rows, the mark on one of them.
    std::vector<int> RandomRows(int rows) {
        std::vector<int> chosen;
        const int kind = rows > 0 ? Pick(4) : 0;
        const int first = kind == 2 ? Pick(rows) : 0;
        for (int n = kind == 1   ? 1
                     : kind == 2 ? 1 + Pick(31)
                     : kind == 3 ? 1 + Pick(13)
                                 : 0;
             n > 0; --n)
            chosen.push_back(kind == 2 ? std::min(rows - 1, first + n - 1) : Pick(rows));
        std::sort(chosen.begin(), chosen.end());
        chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
        return chosen;
    }
    void RandomSelection(CChannelListView& list) {
        const std::vector<int> rows = RandomRows(list.Channels().RowCount());
        SelectRows(list, rows,
                   rows.empty() ? -1 : rows[static_cast<std::size_t>(Pick(int(rows.size())))]);
    }

    void Step() {
        CMainDlg& w = *m_f->window;
        const std::vector<bool> selected = m_f->List().SelectionFlags();
        const bool any = std::find(selected.begin(), selected.end(), true) != selected.end();
        switch (const int what = Pick(16)) {
        case 0:
            m_f->prompts.openNames.push_back(Chance(90) ? RandomFile() : QString());
            w.OnOpen();
            break;
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
        case 7: {
            // Moves change something unless the selection is at their end;
            // Delete and Cut whenever anything is selected.
            using Command = void (CMainDlg::*)();
            const Command commands[] = {&CMainDlg::OnUp,     &CMainDlg::OnDown,   &CMainDlg::OnUp15,
                                        &CMainDlg::OnDown15, &CMainDlg::OnDelete, &CMainDlg::OnCut};
            const int i = what - 2;
            (w.*commands[i])();
            m_expectModified |= i >= 4 ? any : any && !(i % 2 ? selected.back() : selected.front());
        } break;
        case 8:
            w.OnCopy();
            break;
        case 9:
            Paste(any);
            break;
        case 10:
            w.findChild<QCheckBox*>("showAllColumns")->toggle();
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
            RandomSelection(m_f->List());
        }
    }

    // A paste that fits writes unless the TG-6A's band check refuses it.
    void Paste(bool any) {
        CMainDlg& w = *m_f->window;
        const int mark = m_f->List().SelectionMark();
        const std::size_t before = m_f->prompts.messages.size();
        w.OnPaste();
        const bool fits =
            any && mark >= 0 && static_cast<int>(w.Clipboard().size()) <= Rows() - mark;
        const bool refused = m_f->prompts.messages.size() > before;
        if (refused) {
            EXPECT_EQ(m_f->prompts.messages.back(), "Invalid frequency!");
        }
        m_expectModified |= fits && !refused;
    }

    void Import() {
        m_f->prompts.openNames.push_back(RandomFile());
        m_f->window->OnImport();
        CImportDlg* import = m_f->window->ImportDlg();
        if (!import)
            return;
        if (Chance(20)) {
            m_f->prompts.openNames.push_back(RandomFile());
            import->OnOpenForImport();
        }
        RandomSelection(import->List());
        import->OnCopy();
        if (Chance(30))
            import->close();
    }

    // A Save writes the header, the rows' records in row order and the trailer.
    void Save() {
        CMainDlg& w = *m_f->window;
        if (!w.IsLoaded())
            return;
        const Bytes saved = m_f->Save("saved-" + std::to_string(m_step % 3) + ".DAT");
        ++m_saves;
        m_expectModified = false;
        const CMemoryImage& image = w.DatFile()->GetImage();
        Bytes expected(image.GetHeader(), image.GetHeader() + kHeaderSize);
        for (int row = 0; row < Rows(); ++row) {
            const Bytes record = BytesOf(*m_f->List().Channels().RecordAt(row));
            expected.insert(expected.end(), record.begin(), record.end());
        }
        expected.insert(expected.end(), image.GetTrailer(),
                        image.GetTrailer() + image.GetTrailerSize());
        EXPECT_EQ(saved, expected);
    }

    // IDs 0..N-1, every slot of the working copy shown by exactly one row,
    // and the flag as the commands' rules say.
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
