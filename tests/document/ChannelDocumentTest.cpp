// The document's changes to the rows, what each leaves selected, the steps
// that undo and redo them, and when the rows count as unsaved.
#include "ChannelDocument.h"
#include "DatBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

namespace {

namespace ts = testing_support;
using Rows = std::vector<int>;
using Records = std::vector<CChannel>;

// For records made by UsedChannels: the row each was made for, read off its
// RX text; -1 for an empty one.
Rows Order(std::span<const CChannel> records) {
    Rows order;
    for (const CChannel& record : records) {
        std::string text = record.GetFreqText(true);
        std::erase(text, '.');
        order.push_back(text.empty() ? -1 : (std::stoi(text) - 14500000) / 2500);
    }
    return order;
}

// A document with a file of the model loaded whose first records are given,
// or are UsedChannels(kTGUV2, used); on the TG-6A of a radio for 400 MHz
// and above unless uhf is false.
struct Loaded {
    ts::TempDir dir;
    CChannelDocument doc;

    Loaded(RadioModel model, const Records& records, bool uhf = true) : doc(model) {
        ts::WriteBytes(dir / "radio.DAT", ts::MakeDat(model, records, uhf));
        EXPECT_TRUE(doc.Load(dir / "radio.DAT"));
    }
    explicit Loaded(int used = 200) : Loaded(kTGUV2, ts::UsedChannels(kTGUV2, used)) {}

    Rows Order(int first, int count) const { return ::Order(doc.Records().subspan(first, count)); }
    Records All() const { return {doc.Records().begin(), doc.Records().end()}; }
    RowSelection Select(const Rows& rows, int mark) const {
        return RowSelection::Of(doc.RowCount(), rows, mark);
    }
    // Undo gives back the rows from before the change and the flag, Redo
    // the rows after it.
    void ExpectUndoAndRedo(const Records& before, ListChange& change) {
        ASSERT_TRUE(change.stepped && doc.IsModified());
        const Records after = All();
        doc.Undo();
        EXPECT_TRUE(All() == before && !doc.IsModified());
        doc.Redo();
        EXPECT_EQ(All(), after);
    }
};

// Every selected row moves, the rows it passes fill the gaps, the selection
// moves with them and the mark goes to the highest moved row; a selection
// that touches the end it moves to moves nothing, and a block moved by 15
// stops whole at the top.
TEST(ChannelDocument, MovesTheSelection) {
    const struct {
        const char* name;
        Rows selected;
        int direction, times, first;
        Rows order, selectedAfter;
        int markAfter, scrollTo;
    } cases[] = {
        {"scattered up", {3, 4, 7}, -1, 1, 2, {3, 4, 2, 5, 7, 6}, {2, 3, 6}, 2, 2},
        {"scattered down", {3, 4, 7}, 1, 1, 3, {5, 3, 4, 6, 8, 7}, {4, 5, 8}, 4, 8},
        {"row 0 up", {0, 5}, -1, 1, 0, {0, 1, 2, 3, 4, 5}, {0, 5}, 5, -1},
        {"last row down", {150, 199}, 1, 15, 198, {198, 199}, {150, 199}, 5, -1},
        {"block up 15 stops at the top", {10, 11, 12}, -1, 15, 0, {10, 11, 12, 0}, {0, 1, 2}, 0, 0},
        {"down 15", {100}, 1, 15, 114, {115, 100, 116}, {115}, 115, 115},
        {"nothing selected", {}, -1, 1, 0, {0, 1}, {}, 5, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded f;
        const Records before = f.All();
        ListChange change = f.doc.Move(f.Select(c.selected, 5), c.direction, c.times);
        EXPECT_EQ(f.Order(c.first, int(c.order.size())), c.order);
        EXPECT_EQ(change.selection, f.Select(c.selectedAfter, c.markAfter));
        EXPECT_EQ(change.scrollTo, c.scrollTo);
        if (c.scrollTo >= 0)
            f.ExpectUndoAndRedo(before, change);
        else
            EXPECT_FALSE(change.stepped || f.doc.IsModified());
    }
}

// Delete and Cut empty the selected rows and unselect them, the mark
// staying; Cut and Copy fill the clipboard with the selected records in row
// order, without gaps. Nothing selected, nothing happens.
TEST(ChannelDocument, DeleteCutAndCopy) {
    using Command = ListChange (*)(CChannelDocument&, const RowSelection&);
    const Command remove = [](CChannelDocument& d, const RowSelection& s) { return d.Delete(s); };
    const Command cut = [](CChannelDocument& d, const RowSelection& s) { return d.Cut(s); };
    const Command copy = [](CChannelDocument& d, const RowSelection& s) {
        return (d.Copy(s), ListChange{{}, s, -1, {}});
    };
    const std::tuple<const char*, Command, Rows, Rows, Rows> cases[] = {
        {"delete", remove, {1, 4}, {0, -1, 2, 3, -1}, {}},
        {"cut", cut, {0, 2, 4}, {-1, 1, -1, 3, -1}, {0, 2, 4}},
        {"copy", copy, {0, 2, 4}, {0, 1, 2, 3, 4}, {0, 2, 4}},
        {"nothing selected", remove, {}, {0, 1, 2, 3, 4}, {}},
    };
    for (const auto& [name, command, selected, order, clipboard] : cases) {
        SCOPED_TRACE(name);
        Loaded f(5);
        const Records before = f.All();
        ListChange change = command(f.doc, f.Select(selected, 2));
        EXPECT_EQ(f.Order(0, 5), order);
        EXPECT_EQ(Order(f.doc.Clipboard()), clipboard);
        if (change.stepped) {
            EXPECT_EQ(change.selection, f.Select({}, 2));
            f.ExpectUndoAndRedo(before, change);
        }
        EXPECT_EQ(f.doc.IsModified(), change.stepped);
    }
}

// The clipboard goes to the mark and down, whatever else is selected, and
// is selected there; a block that does not fit below the mark, or a
// selection without a mark, writes nothing; an empty clipboard writes
// nothing but counts as a change.
TEST(ChannelDocument, PastesAtTheMark) {
    const std::tuple<const char*, Rows, Rows, int, bool> cases[] = {
        {"at the mark", {2, 5, 8}, {20, 30}, 20, true},
        {"below the last row", {2, 5, 8}, {198}, 198, false},
        {"no mark", {2}, {100}, -1, false},
        {"empty clipboard", {}, {20}, 20, true},
    };
    for (const auto& [name, copied, selected, mark, modified] : cases) {
        SCOPED_TRACE(name);
        Loaded f;
        f.doc.Copy(f.Select(copied, -1));
        const ListChange change = f.doc.Paste(f.Select(selected, mark));
        EXPECT_EQ(f.doc.IsModified(), modified);
        if (change.stepped) {
            EXPECT_EQ(f.Order(mark, 3), copied);
            EXPECT_EQ(change.selection, f.Select({mark, mark + 1, mark + 2}, mark));
        }
    }
}

// Enter's edit stores into the row at the mark; Ctrl+Enter's into every
// selected channel in use, each by its own rules, as one step; one refusal
// stores nothing and names the first channel refused.
TEST(ChannelDocument, EditsOneColumnOfOneOrManyRows) {
    const auto tones = [](const Loaded& f) {
        std::string texts;
        for (int row = 0; row < 7; ++row)
            texts += f.doc.Record(row).GetToneText(false) + ",";
        return texts;
    };
    Loaded f(5);
    const Records before = f.All();
    ListChange change = f.doc.EditColumn(f.Select({0, 2, 4, 6}, 2), Column::TxTone, "88.5", true);
    EXPECT_EQ(tones(f), "88.5,OFF,88.5,OFF,88.5,,,");
    f.ExpectUndoAndRedo(before, change);
    const Records edited = f.All();
    change = f.doc.EditColumn(f.Select({0, 1, 2}, 0), Column::Step, "50", true);
    EXPECT_EQ(change.refusal, "Channel 1: Rx frequency and step do not match!");
    EXPECT_TRUE(f.All() == edited && !change.stepped);
}

// Insert Row opens an empty row at the mark, pushing the rows below down,
// unless the last row holds a channel; Delete and Close Up empties the
// selected rows and moves them to the end. Each is one step.
TEST(ChannelDocument, InsertsAndClosesUpRows) {
    const std::tuple<const char*, int, Rows, int, Rows, Rows, std::string> cases[] = {
        {"insert", 5, {2}, 2, {0, 1, -1, 2, 3, 4}, {2}, ""},
        {"insert at the top", 5, {}, 0, {-1, 0, 1, 2, 3, 4}, {0}, ""},
        {"insert with the last row in use",
         200,
         {7},
         7,
         {0, 1, 2},
         {7},
         "The last row holds a channel; delete it first."},
        {"close up", 5, {1, 3}, 3, {0, 2, 4, -1, -1, -1}, {}, ""},
        {"close up at the end", 200, {0, 199}, 0, {1, 2}, {}, ""},
    };
    for (const auto& [name, used, selected, mark, order, selectedAfter, refusal] : cases) {
        SCOPED_TRACE(name);
        Loaded f(used);
        const Records before = f.All();
        const bool insert = std::string(name).starts_with("insert");
        ListChange change = insert ? f.doc.InsertRow(f.Select(selected, mark))
                                   : f.doc.DeleteAndCloseUp(f.Select(selected, mark));
        EXPECT_EQ(f.Order(0, int(order.size())), order);
        EXPECT_EQ(change.refusal, refusal);
        if (!refusal.empty())
            continue;
        EXPECT_EQ(change.selection, f.Select(selectedAfter, mark));
        f.ExpectUndoAndRedo(before, change);
    }
    Loaded f(200);
    f.doc.DeleteAndCloseUp(f.Select({0, 199}, 0));
    EXPECT_TRUE(f.doc.Record(198).IsEmpty() && f.doc.Record(199).IsEmpty());
}

// A TG-6A takes only records whose RX and TX are both on its radio's side of
// 400 MHz, an empty one never; a refused paste changes nothing and says which
// record and frequency it refused. A record that does not decode stops the
// paste before any is written.
TEST(ChannelDocument, PasteChecksRecordsAgainstThisFilesRadio) {
    const std::string uhfOnly = ", but this radio works only at 400 MHz and above.";
    const std::tuple<bool, int, int, std::string> cases[] = {
        {true, 14550000, 14550000, "has the RX frequency 145.50000 MHz" + uhfOnly},
        {true, 0, 0, "has no RX frequency" + uhfOnly},
        {true, 43850000, 43850000, ""},
        {true, 43850000, 14550000, "has the TX frequency 145.50000 MHz" + uhfOnly},
        {false, 14550000, 14550000, ""},
        {false, 14550000, 43850000,
         "has the TX frequency 438.50000 MHz, but this radio works only below 400 MHz."}};
    for (const auto& [uhf, rx, tx, refusal] : cases) {
        SCOPED_TRACE(std::to_string(rx) + ">" + std::to_string(tx) + " uhf " + std::to_string(uhf));
        const CChannel record = rx ? ts::UsedChannel(kTG6A, rx, tx) : ts::EmptyChannel(kTG6A);
        Loaded f(kTG6A, {}, uhf);
        f.doc.TakeRows({record});
        EXPECT_EQ(f.doc.Paste(f.Select({1}, 1)).refusal,
                  refusal.empty() ? "" : "Pasted channel 1 of 1, for row 1, " + refusal);
        EXPECT_EQ(f.doc.Record(1), refusal.empty() ? record : ts::EmptyChannel(kTG6A));
    }
    Loaded f;
    CChannel bad = ts::UsedChannel(kTGUV2, 14500000, 14500000);
    bad.bytes[24] = 3; // a fourth power level
    f.doc.TakeRows({ts::UsedChannel(kTGUV2, 14500000, 14500000), bad});
    EXPECT_TRUE(ts::RaisesFailure([&] { f.doc.Paste(f.Select({7}, 7)); }));
    EXPECT_EQ(f.Order(7, 1), Rows{7});
}

// Saving makes the rows the saved ones; undoing or redoing back to them
// leaves nothing unsaved, but not once a new change has replaced the steps
// that led there. A change that left every record as it was counts until
// the next undo or redo. A Load starts afresh, keeping only the clipboard; a
// Load that fails changes nothing and says why, as does a list that holds no
// channel. A step keeps only what
// changed.
TEST(ChannelDocument, KnowsWhetherTheRowsDifferFromThoseSaved) {
    Loaded f;
    f.doc.Delete(f.Select({1, 80}, 1));
    EXPECT_LT(f.doc.HistorySize(), 10 * sizeof(CChannel)) << "not the 200 records";
    ASSERT_TRUE(f.doc.Save(f.dir / "saved.DAT"));
    const bool flags[] = {(f.doc.Undo(), f.doc.IsModified()), (f.doc.Redo(), f.doc.IsModified()),
                          (f.doc.Undo(), f.doc.Delete(f.Select({2}, 2)).stepped),
                          f.doc.IsModified(), f.doc.CanRedo()};
    EXPECT_EQ(std::vector<bool>(std::begin(flags), std::end(flags)),
              (std::vector<bool>{true, false, true, true, false}));

    Loaded g;
    g.doc.Move(g.Select({4}, 4), -1, 1);
    g.doc.Copy(g.Select({}, -1));
    EXPECT_FALSE(g.doc.Paste(g.Select({3}, 3)).stepped);
    EXPECT_TRUE(g.doc.IsModified());
    g.doc.Undo();
    EXPECT_FALSE(g.doc.IsModified());
    g.doc.Redo();
    g.doc.Copy(g.Select({0}, 0));
    EXPECT_FALSE(g.doc.Load(g.dir / "missing.DAT"));
    EXPECT_EQ(g.doc.ProblemText(),
              "The file \"" + (g.dir / "missing.DAT").string() + "\" does not exist.");
    EXPECT_TRUE(g.Order(3, 1) == Rows{4} && g.doc.IsModified());
    const std::string header = "Location,Frequency\n,\n";
    ts::WriteBytes(g.dir / "none.csv", ts::Bytes(header.begin(), header.end()));
    CsvChannels none;
    EXPECT_FALSE(g.doc.LoadCsv(g.dir / "none.csv", 0, none));
    EXPECT_EQ(g.doc.ProblemText(), "none.csv holds no channels.");
    ASSERT_TRUE(g.doc.Load(g.dir / "radio.DAT"));
    EXPECT_TRUE(g.Order(3, 1) == Rows{3} && !g.doc.IsModified() && g.doc.Clipboard().size() == 1);
}

// Every change is told to the observers once it is made: the rows it touched,
// the flag when it flips, the clipboard when it is refilled, every row after
// a load. An observer may stop observing while it is told, and a document
// that goes away first leaves its observers observing nothing.
TEST(ChannelDocument, TellsItsObserversWhatChanged) {
    struct Recorder : CDocumentObserver {
        std::string heard;
        bool leaveOnClipboard = false;
        void OnRowsChanged(int first, int last) override {
            heard += "rows " + std::to_string(first) + "-" + std::to_string(last) + ",";
        }
        void OnRowsReloaded() override { heard += "reloaded,"; }
        void OnModifiedChanged(bool modified) override { heard += modified ? "+," : "-,"; }
        void OnClipboardChanged() override {
            heard += "clipboard,";
            if (leaveOnClipboard)
                Observe(nullptr);
        }
    };
    const std::pair<std::function<void(Loaded&)>, std::string> cases[] = {
        {[](Loaded& f) {
             f.doc.Move(f.Select({4, 6}, 4), -1, 1);
         },
         "rows 3-6,+,"},
        {[](Loaded& f) { (f.doc.Delete(f.Select({9}, 9)), f.doc.Undo(), f.doc.Redo()); },
         "rows 9-9,+,rows 9-9,-,rows 9-9,+,"},
        {[](Loaded& f) { f.doc.Cut(f.Select({2}, 2)); }, "clipboard,rows 2-2,+,"},
        {[](Loaded& f) { f.doc.Paste(f.Select({2}, 2)); }, "+,"},
        {[](Loaded& f) { (f.doc.Delete(f.Select({0}, 0)), f.doc.Save(f.dir / "s.DAT")); },
         "rows 0-0,+,-,"},
        {[](Loaded& f) { (f.doc.Delete(f.Select({0}, 0)), f.doc.Load(f.dir / "radio.DAT")); },
         "rows 0-0,+,reloaded,-,"},
    };
    for (const auto& [step, heard] : cases) {
        Loaded f(10);
        Recorder recorder;
        recorder.Observe(&f.doc);
        step(f);
        EXPECT_EQ(recorder.heard, heard);
    }
    Loaded f(10);
    Recorder leaving, staying;
    leaving.leaveOnClipboard = true;
    leaving.Observe(&f.doc);
    staying.Observe(&f.doc);
    f.doc.Cut(f.Select({1}, 1));
    EXPECT_EQ(leaving.heard + "|" + staying.heard, "clipboard,|clipboard,rows 1-1,+,");
}

// The history keeps the newest thousand steps; a saved state that fell out
// of it can never be reached again, and a full history of changes to every
// row stays under 10 MB.
TEST(ChannelDocument, KeepsTheNewestThousandSteps) {
    Loaded f;
    std::vector<int> all(200);
    std::iota(all.begin(), all.end(), 0);
    f.doc.Copy(f.Select(all, 0));
    for (int step = 0; step <= CChannelDocument::kHistorySteps; ++step)
        step % 2 ? f.doc.Paste(f.Select(all, 0)) : f.doc.Delete(f.Select(all, 0));
    EXPECT_LT(f.doc.HistorySize(), 10u << 20);
    int undone = 0;
    while (f.doc.Undo())
        ++undone;
    EXPECT_EQ(undone, CChannelDocument::kHistorySteps);
    EXPECT_EQ(f.Order(0, 2), (Rows{-1, -1})) << "the first Delete is not undone";
    EXPECT_TRUE(f.doc.IsModified());
}

// The channels in use come first in the key's order, empty rows last, equal ones in their order; a
// scattered selection sorts among its own places and stays selected there; a sort that changes
// nothing is no change at all.
TEST(ChannelDocument, SortsChannelsInUseFirst) {
    // Rows 0..5: 145.05 "B", empty, 145.025 "AB", 145.0 "A", empty, 145.025
    // "C"; an empty row is found as row 1.
    Records records = ts::UsedChannels(kTGUV2, 6);
    for (const auto& [row, rx, name] : {std::tuple{0, 14505000, "B     "},
                                        {2, 14502500, "AB    "},
                                        {3, 14500000, "A     "},
                                        {5, 14502500, "C     "}}) {
        records[std::size_t(row)].SetFrequencies(rx, rx, 0, 2, kTGUV2);
        records[std::size_t(row)].SetNameText(name);
    }
    records[1] = records[4] = ts::EmptyChannel(kTGUV2);
    const std::tuple<const char*, SortKey, bool, Rows, Rows> cases[] = {
        {"by RX, ties keep their order", SortKey::kRxFreq, false, {}, {3, 2, 5, 0, 1, 1}},
        {"descending, empties still last", SortKey::kRxFreq, true, {}, {0, 2, 5, 3, 1, 1}},
        {"by name", SortKey::kName, false, {}, {3, 2, 0, 5, 1, 1}},
        {"a scattered selection", SortKey::kName, false, {0, 3, 4}, {3, 1, 2, 0, 1, 5}},
    };
    for (const auto& [name, key, descending, selected, order] : cases) {
        SCOPED_TRACE(name);
        Loaded f(kTGUV2, records);
        Rows slots;
        const ListChange change = f.doc.Sort(f.Select(selected, -1), key, descending);
        for (int row = 0; row < 6; ++row)
            slots.push_back(int(std::find(records.begin(), records.end(), f.doc.Record(row)) -
                                records.begin()));
        EXPECT_EQ(slots, order);
        EXPECT_EQ(change.selection.Rows(), selected);
        Loaded g(kTGUV2, f.All());
        EXPECT_FALSE(g.doc.Sort(g.Select(selected, -1), key, descending).stepped ||
                     g.doc.IsModified());
    }
}

// Find looks from the row after the mark (before it, backwards) around the
// list, the mark's own row last: a name holding the text whatever its case,
// or a frequency text beginning with it.
TEST(ChannelDocument, FindsFromTheMarkAroundTheList) {
    Records records = ts::UsedChannels(kTGUV2, 4);
    records[1].SetNameText("RPT AB");
    records[3].SetNameText("XAB   ");
    Loaded f(kTGUV2, records);
    const std::tuple<std::string, int, int, int> cases[] = {
        {"ab", -1, 1, 1},    {"ab", 1, 1, 3},     {"ab", 3, 1, 1},   {"Ab", 1, -1, 3},
        {"145.00", 2, 1, 0}, {"145.0", 0, -1, 3}, {"146", 0, 1, -1}, {"ab", 1, 0, 1},
    };
    for (const auto& [text, mark, direction, found] : cases)
        EXPECT_EQ(f.doc.FindRow(text, mark, direction == 0 ? 1 : direction),
                  direction == 0 ? 3 : found)
            << text << " from " << mark;
}

// The file last loaded or saved counts as changed by another program when
// its time or its bytes are not those the document read or wrote; any other
// file, or one deleted meanwhile, does not.
TEST(ChannelDocument, NoticesTheFileChangedByAnotherProgram) {
    namespace fs = std::filesystem;
    const std::tuple<const char*, std::function<void(Loaded&, const fs::path&)>, bool> cases[] = {
        {"untouched", [](Loaded&, const fs::path&) {}, false},
        {"a new time",
         [](Loaded&, const fs::path& p) {
             fs::last_write_time(p, fs::last_write_time(p) + std::chrono::seconds(1));
         },
         true},
        {"other bytes, same size and time",
         [](Loaded&, const fs::path& p) {
             const auto time = fs::last_write_time(p);
             ts::WriteBytes(p, ts::MakeDat(kTGUV2, ts::UsedChannels(kTGUV2, 3)));
             fs::last_write_time(p, time);
         },
         true},
        {"one byte more",
         [](Loaded&, const fs::path& p) {
             const auto time = fs::last_write_time(p);
             ts::Bytes bytes = ts::ReadBytes(p);
             bytes.push_back(0);
             ts::WriteBytes(p, bytes);
             fs::last_write_time(p, time);
         },
         true},
        {"deleted", [](Loaded&, const fs::path& p) { fs::remove(p); }, false},
        {"saved by us",
         [](Loaded& f, const fs::path& p) {
             f.doc.Delete(f.Select({0}, 0));
             f.doc.Save(p);
         },
         false},
    };
    for (const auto& [name, change, changed] : cases) {
        SCOPED_TRACE(name);
        Loaded f(2);
        ts::WriteBytes(f.dir / "other.DAT", ts::MakeDat(kTGUV2));
        change(f, f.dir / "radio.DAT");
        EXPECT_EQ(f.doc.ChangedOnDisk(f.dir / "." / "radio.DAT"), changed);
        EXPECT_FALSE(f.doc.ChangedOnDisk(f.dir / "other.DAT"));
    }
}

} // namespace
