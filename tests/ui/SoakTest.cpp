// Thousands of random commands against the real main window, checking after
// every one that the list shows the document, that the history is sound, and
// that the modified flag never hides unsaved work: every step sets it, Save
// and a return to the saved step clear it, and while it is clear the rows are
// those last opened or saved.
// The run prints its seed; VELMORA_SOAK_SEED repeats it, VELMORA_SOAK_STEPS
// sets its length.
#include "UiHelpers.h"

#include <QCoreApplication>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <random>

using namespace testing_support;

namespace {

using Records = std::vector<CChannel>;

Records Snapshot(const CChannelListView& list) {
    Records records;
    for (int row = 0; row < list.Channels().RowCount(); ++row)
        records.push_back(*list.Channels().RecordAt(row));
    return records;
}

// What Undo and Redo restore: the records by row, the selection and the mark.
struct View {
    Records rows;
    std::vector<int> selected;
    int mark;
    bool operator==(const View&) const = default;
};

View ViewOf(const CChannelListView& list) {
    return {Snapshot(list), list.SelectedRows(), list.SelectionMark()};
}

class Soak {
public:
    explicit Soak(std::uint32_t seed) : m_random(seed) {
        std::vector<CChannel> bad = UsedChannels(kTGUV2, 3);
        bad[2].bytes[24] = 3; // a fourth power level
        // Random files, files whose channels pass the Row Editor's checks (so
        // that edits get stored), one that does not decode, one too short,
        // and one missing.
        for (const Bytes& file :
             {RandomDat(kTGUV2, 1, true), RandomDat(kTG6A, 2, true), MakeDat(kTGUV2, bad),
              MakeDat(kTGUV2, UsedChannels(kTGUV2, 100, 43800000)), Bytes(4000, 1),
              MakeDat(kTG6A, UsedChannels(kTG6A, 50, 43800000)), Bytes()}) {
            m_files.push_back(m_dir / (std::to_string(m_files.size()) + ".DAT"));
            if (!file.empty())
                WriteBytes(m_files.back(), file);
        }
    }

    void Run(unsigned steps) {
        for (m_step = 0; m_step < steps && !testing::Test::HasFatalFailure(); ++m_step) {
            if (m_step % 400 == 0) {
                m_f = std::make_unique<MainWindowFixture>();
                m_f->ChooseModel(Pick(2) ? kTGUV2 : kTG6A);
                m_clean.clear();
                m_steps.clear();
                m_opened.clear();
            }
            const View before = ViewOf(m_f->List());
            const int index = Window().History().index();
            m_event = kOther;
            Step();
            Account(before, index);
            QCoreApplication::sendPostedEvents();
            CheckInvariants();
        }
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <class T> const T& Any(const std::vector<T>& items) {
        return items[std::size_t(Pick(int(items.size())))];
    }
    CMainDlg& Window() { return *m_f->window; }

    // One row, a block of up to 31 rows or up to 13 scattered rows, or none.
    void RandomSelection(CChannelListView& list) {
        const int rows = std::max(list.Channels().RowCount(), 1), first = Pick(rows);
        const int kind = Pick(4), count = kind == 2   ? 1 + Pick(31)
                                          : kind == 3 ? 1 + Pick(13)
                                                      : kind;
        std::vector<int> chosen;
        for (int n = 0; n < count; ++n)
            chosen.push_back(kind == 2 ? std::min(rows - 1, first + n) : Pick(rows));
        list.SelectRows(chosen, chosen.empty() ? -1 : Any(chosen));
    }

    // A random command. What each command does to the rows is the
    // document's (tests/document); here it is enough that a Copy or a
    // hand-over from the Import window fills the clipboard, that Open and
    // Exit ask exactly while the flag is set, that a failed Open changes
    // nothing, and that "Show all columns" leaves no row selected.
    void Step() {
        CChannelListView& list = m_f->List();
        const bool any = list.HasSelection();
        const int mark = list.SelectionMark(), rows = list.Channels().RowCount();
        const Records before = Snapshot(list);
        const std::size_t clipboard = Window().Clipboard().size();
        const std::size_t messages = m_f->prompts.messages.size();
        const int what = Pick(23);
        if (what >= 19 && Window().IsLoaded()) {
            EditOrShiftRows(what);
            return;
        }
        if (what < 7) {
            using Command = void (CMainDlg::*)();
            const Command commands[] = {&CMainDlg::OnUp,     &CMainDlg::OnDown,   &CMainDlg::OnUp15,
                                        &CMainDlg::OnDown15, &CMainDlg::OnDelete, &CMainDlg::OnCut,
                                        &CMainDlg::OnPaste};
            m_stepName = std::array{
                "Up", "Down", "Up 15", "Down 15", "Delete", "Cut", "Paste"}[std::size_t(what)];
            const int index = Window().History().index();
            (Window().*commands[what])();
            const bool moved = what < 4 && Window().History().index() > index;
            m_event = moved ? kMoved : kOther;
            // Delete and Cut of any selection, and a paste that fits below
            // the mark and is not refused, count as changes even when no
            // record changed.
            const bool fits = any && mark >= 0 && int(clipboard) <= rows - mark;
            if ((what >= 4 && what < 6 && any) ||
                (what == 6 && fits && m_f->prompts.messages.size() == messages)) {
                EXPECT_TRUE(Window().IsModified()) << m_stepName;
            }
            return;
        }
        if (what == 7) {
            Window().OnCopy();
        } else if (what == 8) {
            // Open asks first while there are changes; No changes nothing.
            const std::filesystem::path path = Pick(10) ? Any(m_files) : std::filesystem::path();
            const std::vector<int> selected = list.SelectedRows();
            const std::size_t questions = m_f->prompts.questions.size();
            const bool agreed = Pick(2), modified = Window().IsModified();
            m_f->prompts.answers = {agreed};
            m_f->OpenPath(path);
            EXPECT_EQ(m_f->prompts.questions.size() - questions, modified ? 1u : 0u);
            if (m_f->prompts.messages.size() == messages && (agreed || !modified)) {
                if (!path.empty())
                    OpenedFile(ReadBytes(path));
                return;
            }
            EXPECT_EQ(list.SelectedRows(), selected);
        } else if (what == 9) {
            m_f->ShowAllColumns(!Child<QCheckBox>(Window(), "showAllColumns")->isChecked());
            EXPECT_FALSE(list.HasSelection());
        } else if (what == 10) {
            if (RunRandomEditor()) {
                EXPECT_TRUE(Window().IsModified()) << "an OK counts, even without an edit";
            }
            m_stepName = "Row Editor";
            return;
        } else if (what == 11 && Window().IsLoaded()) {
            CImportDlg& import = m_f->Import(Any(m_files));
            m_f->prompts.openNames = {QPath(Any(m_files))};
            if (Pick(5) == 0)
                import.OnOpenForImport();
            m_f->prompts.openNames.clear();
            RandomSelection(import.List());
            import.OnCopy();
            import.setVisible(Pick(2));
            QCoreApplication::sendPostedEvents();
            if (import.List().HasSelection()) {
                EXPECT_EQ(Window().Clipboard(), import.CopiedRows());
            }
        } else if (what == 12) {
            Save();
        } else if (what == 14 || what == 15) {
            UndoOrRedo(what == 14);
            return;
        } else if (what == 16 && Pick(8) == 0) {
            UndoAllAndRedoAll();
            return;
        } else if (what == 17 && Window().IsLoaded()) {
            // A sort by a random key and way; only one that changed the
            // order is a step, and a change.
            m_f->prompts.onModal = [this](QDialog& dialog) {
                auto* key = Child<QComboBox>(dialog, "sortByList");
                key->setCurrentIndex(Pick(key->count()));
                Child<QCheckBox>(dialog, "descendingBox")->setChecked(Pick(2));
                return Pick(4) ? int(QDialog::Accepted) : int(QDialog::Rejected);
            };
            const int index = Window().History().index();
            Window().OnSort();
            m_f->prompts.onModal = nullptr;
            m_stepName = "Sort";
            m_event = Window().History().index() > index ? kMoved : kOther;
            return;
        } else if (what == 13) {
            // Closing asks only while there are changes; No keeps the window.
            const std::size_t questions = m_f->prompts.questions.size();
            const bool modified = Window().IsModified();
            m_f->prompts.answers = {false};
            Window().close();
            EXPECT_EQ(m_f->prompts.questions.size() - questions, modified ? 1u : 0u);
            EXPECT_EQ(Window().isVisible(), modified);
            Window().show();
        } else {
            RandomSelection(list);
        }
        EXPECT_EQ(Snapshot(list), before);
    }

    // A cell edited where it stands (a random column, text and way to end
    // it), or Insert Row, or Delete and Close Up: a step exactly when it
    // changed something, named by it.
    void EditOrShiftRows(int what) {
        CChannelListView& list = m_f->List();
        const int index = Window().History().index();
        if (what >= 21) {
            m_stepName = what == 21 ? "Insert Row" : "Delete and Close Up";
            QTest::keyClick(&list, what == 21 ? Qt::Key_Insert : Qt::Key_Delete,
                            what == 21 ? Qt::NoModifier : Qt::ControlModifier);
        } else {
            const std::vector<const char*> texts = {"145.5", "438.5",  "146.1", "88.5", "D023N",
                                                    "OFF",   "Narrow", "ab-1",  "",     "300",
                                                    "12.5",  "Low",    "D754I"};
            const int column = Pick(list.Channels().columnCount());
            if (list.currentIndex().isValid())
                list.selectionModel()->setCurrentIndex(
                    list.Channels().index(list.currentIndex().row(), column),
                    QItemSelectionModel::NoUpdate);
            if (list.EditCurrentCell(QString::fromLatin1(Any(texts)))) {
                m_stepName = "Edit " + std::string(ColumnOf(list.CurrentColumn()).header);
                QWidget* editor = list.indexWidget(list.currentIndex());
                const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape};
                QTest::keyClick(editor, keys[Pick(3)],
                                Pick(3) ? Qt::NoModifier : Qt::ControlModifier);
                if (list.IsEditingCell())
                    QTest::keyClick(list.indexWidget(list.currentIndex()), Qt::Key_Escape);
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        m_event = Window().History().index() > index ? kMoved : kOther;
    }

    // The Row Editor opened by Edit, New or a double click: random values in
    // its enabled fields, Keep boxes, Next, Prev and New, then OK or Cancel,
    // which changes no record. True when OK went through.
    bool RunRandomEditor() {
        const std::vector<QString> texts = {"145",     "438.5", "446.00625", "174",
                                            "145.001", "",      "ab!"};
        const Records before = Snapshot(m_f->List());
        bool accepted = false;
        m_f->prompts.onModal = [&](QDialog& dialog) -> int {
            auto& editor = static_cast<CRowEditorDlg&>(dialog);
            for (int n = Pick(8); n > 0; --n) {
                std::vector<QWidget*> fields; // never empty: Cancel is always enabled
                for (QWidget* field : editor.findChildren<QWidget*>())
                    if (field->isEnabled() && field->focusPolicy() & Qt::TabFocus)
                        fields.push_back(field);
                QWidget* field = Any(fields);
                if (auto* list = qobject_cast<QComboBox*>(field)) {
                    list->setCurrentIndex(Pick(list->count()));
                } else if (auto* box = qobject_cast<QLineEdit*>(field)) {
                    box->setText(Any(texts));
                    editor.OnRxKillFocus();
                    editor.OnTxKillFocus();
                } else if (field->objectName() != "okButton" &&
                           field->objectName() != "cancelButton") {
                    static_cast<QAbstractButton*>(field)->click(); // a Keep box, Next, Prev or New
                }
            }
            if (Pick(3) == 0)
                return QDialog::Rejected;
            editor.accept();
            accepted = editor.result() == QDialog::Accepted;
            return editor.result();
        };
        const int how = Pick(3);
        if (how == 2)
            Window().OnListDoubleClick(m_f->List().model()->index(Pick(220), 0));
        else
            how ? Window().OnEdit() : Window().OnNew();
        m_f->prompts.onModal = nullptr;
        if (!accepted) {
            EXPECT_EQ(Snapshot(m_f->List()), before);
        }
        return accepted;
    }

    // A Save writes the header, the rows' records in row order and the
    // trailer. One in twenty meets a failure, a folder that is not there or
    // the disk filling up at a random byte: it says so and why, and the file
    // it would have replaced keeps every byte.
    void Save() {
        if (!Window().IsLoaded())
            return;
        const std::filesystem::path target = m_dir / "saved.DAT";
        const int failure = Pick(20) == 0 ? 1 + Pick(2) : 0;
        m_f->prompts.saveNames = {QPath(failure == 1 ? m_dir / "gone/x.DAT" : target)};
        const Bytes old = std::filesystem::exists(target) ? ReadBytes(target) : Bytes();
        if (failure == 2)
            UnderFileSizeLimit(Pick(FileSize(Window().Model())), [&] { Window().OnSave(); });
        else
            Window().OnSave();
        if (failure) {
            EXPECT_EQ(m_f->prompts.messages.back(), "Save operation failed.");
            EXPECT_TRUE(m_f->prompts.reasons.back().startsWith(
                failure == 1 ? "The folder" : "The file would be larger"));
            EXPECT_EQ(old.empty() ? Bytes() : ReadBytes(target), old);
            return;
        }
        const Bytes saved = ReadBytes(m_dir / "saved.DAT");
        Saved();
        EXPECT_EQ(saved, ShownBytes());
    }

    // The bytes a Save would write now: header, the rows as the list shows
    // them, trailer.
    Bytes ShownBytes() const {
        const CMemoryImage& image = m_f->window->Document().Image();
        Bytes bytes(image.GetHeader(), image.GetHeader() + kHeaderSize);
        for (const CChannel& record : Snapshot(m_f->List()))
            bytes.insert(bytes.end(), record.bytes, record.bytes + CChannel::kSize);
        bytes.insert(bytes.end(), image.GetTrailer(), image.GetTrailer() + image.GetTrailerSize());
        return bytes;
    }

    void Saved() {
        EXPECT_FALSE(Window().IsModified()) << "saved";
        m_clean = ShownBytes();
        m_savedIndex = Window().History().index();
    }
    Bytes SavedBytes(const char* name) {
        m_f->prompts.saveNames = {QPath(m_dir / name)};
        Window().OnSave();
        Saved();
        return ReadBytes(m_dir / name);
    }

    // A new file, a new history, nothing unsaved.
    void OpenedFile(const Bytes& bytes) {
        m_event = kOpened;
        m_opened = m_clean = bytes;
        m_steps.clear();
        m_savedIndex = 0;
        EXPECT_FALSE(Window().IsModified()) << "opened";
    }

    // After a command: one step, named by it, exactly when it moved rows or
    // changed a record; it holds the views from before and after it.
    void Account(const View& before, int index) {
        const QUndoStack& history = Window().History();
        if (m_event == kOpened) {
            EXPECT_EQ(history.count(), 0);
        }
        if (m_event == kOpened || m_event == kHistory)
            return;
        const bool changed = m_event == kMoved || Snapshot(m_f->List()) != before.rows;
        ASSERT_EQ(history.index(), index + int(changed)) << m_stepName;
        if (!changed)
            return;
        EXPECT_EQ(history.undoText().toStdString(), m_stepName);
        EXPECT_TRUE(Window().IsModified()) << m_stepName;
        m_steps.resize(std::size_t(index));
        // A stored cell has moved on to the next row or cell; Redo shows the
        // row where the edit was made.
        View after = ViewOf(m_f->List());
        if (m_stepName.starts_with("Edit "))
            after = {after.rows, before.selected, before.mark};
        m_steps.push_back({before, after});
        if (m_savedIndex > index)
            m_savedIndex = -1;
    }

    // Undo restores the view from before the step, Redo the one after it,
    // by the menu item or by its keys; the flag is set exactly away from the
    // last Save.
    void UndoOrRedo(bool undo) {
        m_event = kHistory;
        const QUndoStack& history = Window().History();
        const int index = history.index();
        const bool can = undo ? history.canUndo() : history.canRedo();
        const int how = Pick(3);
        if (how == 0)
            Window().Command(undo ? MainCommand::kUndo : MainCommand::kRedo)->trigger();
        else
            QTest::keyClick(&m_f->List(), undo || how == 1 ? Qt::Key_Z : Qt::Key_Y,
                            undo || how == 2 ? Qt::ControlModifier
                                             : Qt::ControlModifier | Qt::ShiftModifier);
        ASSERT_EQ(history.index(), index + (can ? (undo ? -1 : 1) : 0));
        if (!can)
            return;
        const auto& [before, after] = m_steps.at(std::size_t(undo ? index - 1 : index));
        EXPECT_EQ(ViewOf(m_f->List()), undo ? before : after);
        if (history.index() == m_savedIndex) {
            EXPECT_FALSE(Window().IsModified()) << "back where it was saved";
        }
    }

    // Undone to its start, the history saves the file that was opened; redone
    // to its end, what it saved there before.
    void UndoAllAndRedoAll() {
        m_event = kHistory;
        if (m_opened.empty() || !Window().IsLoaded())
            return;
        const auto all = [this](bool undo) {
            while ((undo ? Window().History().canUndo() : Window().History().canRedo()) &&
                   !testing::Test::HasFatalFailure())
                UndoOrRedo(undo);
        };
        all(false);
        const Bytes latest = SavedBytes("latest.DAT");
        all(true);
        EXPECT_EQ(SavedBytes("undone.DAT"), m_opened);
        all(false);
        EXPECT_EQ(SavedBytes("redone.DAT"), latest);
    }

    // IDs 0..N-1, every row showing the texts of the document's record in
    // it; while the flag is clear, the rows are those last opened or saved.
    void CheckInvariants() {
        SCOPED_TRACE("step " + std::to_string(m_step));
        const CChannelTableModel& rows = m_f->List().Channels();
        ASSERT_EQ(rows.RowCount(), Window().IsLoaded() ? ChannelCount(Window().Model()) : 0);
        for (int row = 0; row < rows.RowCount(); ++row) {
            const ColumnTexts texts = TextsOf(*rows.RecordAt(row), Window().Model());
            for (int column = 0; column < rows.columnCount(); ++column) {
                const Column id = rows.ColumnAt(column).id;
                ASSERT_EQ(rows.index(row, column).data().toString().toStdString(),
                          id == Column::Id ? std::to_string(row) : texts[std::size_t(id)]);
            }
        }
        if (!Window().IsModified() && !m_clean.empty()) {
            ASSERT_EQ(ShownBytes(), m_clean) << "unsaved work not flagged";
        }
        ASSERT_EQ(Window().History().count(), int(m_steps.size()));
    }

    std::mt19937 m_random;
    TempDir m_dir;
    std::vector<std::filesystem::path> m_files;
    std::unique_ptr<MainWindowFixture> m_f;
    // The bytes of the file last opened or saved.
    Bytes m_clean;
    unsigned m_step = 0;
    // What the last command did to the history, as the model sees it.
    enum { kOther, kMoved, kOpened, kHistory } m_event = kOther;
    std::string m_stepName;
    // The history of the open file: the views before and after each step,
    // and the index of the last Save (-1 when it can no longer be reached).
    std::vector<std::pair<View, View>> m_steps;
    int m_savedIndex = 0;
    Bytes m_opened;
};

} // namespace

TEST(Soak, RandomCommandsKeepTheWindowSound) {
    const QByteArray seedText = qgetenv("VELMORA_SOAK_SEED");
    const std::uint32_t seed = seedText.isEmpty() ? std::random_device()() : seedText.toUInt();
    const unsigned steps = qEnvironmentVariableIsSet("VELMORA_SOAK_STEPS")
                               ? qgetenv("VELMORA_SOAK_STEPS").toUInt()
                               : 1500;
    std::printf("soak: seed %u, %u steps (VELMORA_SOAK_SEED=%u repeats it)\n", seed, steps, seed);
    Soak(seed).Run(steps ? steps : 1500);
}
