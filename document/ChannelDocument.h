#pragma once

#include "Channel.h"
#include "ChannelColumns.h"
#include "ChannelCsv.h"
#include "DatFile.h"
#include "DocumentObserver.h"
#include "EditSession.h"
#include "ListStep.h"
#include "RadioModel.h"
#include "RowSelection.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Records copied or cut from a list, in row order, waiting to be pasted.
using RowClipboard = std::vector<CChannel>;

// What Sort puts the channels in order by.
enum class SortKey { kRxFreq, kTxFreq, kName };

// What a change of the list did: whether it became a step of the history
// (it moved a row or changed a record), the selection the list shows after
// it, and the row to scroll into view (-1 for none). A refused change says
// why and changes nothing.
struct ListChange {
    bool stepped = false;
    RowSelection selection;
    int scrollTo = -1;
    Message refusal;
};

// One open file of a radio, apart from any window: its image (header,
// trailer and every byte nobody interprets), its records in row order, the
// row clipboard, every change a user can make to the rows, and the history
// of those changes. A change is made at once and becomes a step of the
// history, which Undo takes back and Redo makes again. The document alone
// knows whether its rows differ from those last saved, and tells its
// observers (DocumentObserver.h) of every change.
class CChannelDocument {
public:
    // The steps the history keeps, dropping the oldest.
    static constexpr int kHistorySteps = 1000;

    explicit CChannelDocument(RadioModel model = kTGUV2);
    ~CChannelDocument();
    CChannelDocument(const CChannelDocument&) = delete;
    CChannelDocument& operator=(const CChannelDocument&) = delete;

    RadioModel Model() const { return m_nModel; }
    // The radio of the files to come; only until a file is loaded.
    void SetModel(RadioModel model);
    // The one band every channel must lie in: a TG-6A's unit band, as its
    // image says (see UnitBand); 0 for the TG-UV2.
    int UnitBand() const;

    // Rows exist once a file has loaded: one per channel of the radio.
    bool IsLoaded() const { return !m_rows.empty(); }
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const CChannel& Record(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }
    std::span<const CChannel> Records() const { return m_rows; }
    // The image of the file as loaded: header, trailer, the radio's band.
    const CMemoryImage& Image() const { return m_pFile->GetImage(); }

    // Whether the rows differ from those last saved: set by every change,
    // cleared by Save and by a Load, and found again by undoing or redoing to
    // the saved state. A change that left every record as it was (an empty
    // paste, the Row Editor's OK without an edit) counts until the next Undo
    // or Redo.
    bool IsModified() const;
    // Whether path names the file last loaded or saved and another program
    // has changed it since (its size, its time or its bytes). A file deleted
    // meanwhile has not changed: writing it again loses nothing.
    bool ChangedOnDisk(const std::filesystem::path& path) const;

    // Loads a DAT file of the model. Nothing changes unless it loads whole
    // and every record decodes in every column; false, with the problem,
    // otherwise.
    bool Load(const std::filesystem::path& path);
    // The same for the bytes of a file read elsewhere (standard input, say).
    bool LoadBytes(std::span<const std::uint8_t> bytes);
    // Reads a CSV list into rows of the model, with a blank image; read
    // receives what the reader made of the file, the lines it skipped among
    // them. False, changing nothing, when the file cannot be read at all, or
    // holds no channel and no line that could not give one.
    // At most keptSkipped of those lines are kept with their reasons.
    bool LoadCsv(const std::filesystem::path& path, int unitBand, CsvChannels& read,
                 std::size_t keptSkipped = kCsvKeptSkippedLines);
    // Loads a file of any kind a list of this radio can show: a CSV list
    // (LoadCsv), a DAT file of this radio (Load), or a DAT file of the other
    // radio, chosen by its size, whose channels are converted
    // (ConvertRadioRows) into the rows of a blank image of this radio. read
    // receives what was made of the entries (for a DAT file of this radio,
    // every row in use as an entry of its own, numbered by channel).
    bool LoadAny(const std::filesystem::path& path, int unitBand, CsvChannels& read,
                 std::size_t keptSkipped = kCsvKeptSkippedLines);
    // Lets go of the file: no rows until the next load. The clipboard stays.
    void Unload();
    // Writes the header, the rows in their order and the trailer. False, with
    // the problem, when it was not saved; the old file then keeps its bytes.
    bool Save(const std::filesystem::path& path);
    // The rows as a CSV list, and the same written to a file.
    std::string ToCsv() const;
    bool ExportCsv(const std::filesystem::path& path);
    // The path of the file last loaded, as it was given.
    const std::filesystem::path& Path() const { return m_path; }
    // Why the last Load, LoadCsv, Save or ExportCsv failed.
    const FileProblem& Problem() const { return m_problem; }
    Message ProblemText() const;

    // The row clipboard: filled by Copy and Cut, or with rows handed over
    // from another list; kept across loads.
    const RowClipboard& Clipboard() const { return m_clipboard; }
    void Copy(const RowSelection& selection);
    void TakeRows(RowClipboard rows);

    // Moves every selected row up (direction -1) or down (1) by one, times
    // times, stopping early when a selected row reaches the end of the list.
    ListChange Move(const RowSelection& selection, int direction, int times);
    // Empties the selected rows; Cut first copies them to the clipboard.
    ListChange Delete(const RowSelection& selection);
    ListChange Cut(const RowSelection& selection);
    // Writes the clipboard from the mark down, if it fits and this radio
    // takes every record; selects what it wrote.
    ListChange Paste(const RowSelection& selection);
    // Writes channels of another list into the rows their IDs name ("Copy to
    // Open File"), empty ones left out, with Paste's checks: each must have a
    // row on this radio, lie on a TG-6A's side of 400 MHz and decode; one
    // refused refuses them all. Selects the rows written.
    ListChange PutRows(std::span<const ChannelRow> rows, const RowSelection& selection);
    // Whether the clipboard fits between the mark and the last row.
    bool PasteFits(const RowSelection& selection) const;
    // The selected rows' records with their IDs, as Copy takes them.
    std::vector<ChannelRow> RowsOf(const RowSelection& selection) const;
    // A Row Editor session on the rows, and what its OK stored.
    CEditSession Edit(int firstRow, int lastRow, bool newMode,
                      const std::vector<bool>& selected) const;
    ListChange WriteBack(const CEditSession& session, const RowSelection& selection);
    // Stores a text in one column (EditCell's rules): of the row at the mark,
    // or, with allSelected, of every selected channel in use (empty rows are
    // left alone). When any row would be refused nothing is stored, and the
    // refusal is the Row Editor's message, after "Channel N: " for the first
    // row refused where all selected rows were edited.
    ListChange EditColumn(const RowSelection& selection, Column column, const std::string& text,
                          bool allSelected);
    // Shifts the rows from the mark down by one: the last row, which must
    // not hold a channel, comes to the mark as an empty row, selected.
    ListChange InsertRow(const RowSelection& selection);
    // Empties the selected rows and moves them to the end of the list, the
    // rows below each closing up; the mark stays, nothing stays selected.
    ListChange DeleteAndCloseUp(const RowSelection& selection);
    // Sorts the selected rows among their own places, or every row when no
    // more than one is selected: the channels in use first, in the key's
    // order (names as the Name column shows them, whatever their case), then
    // the empty rows, equal ones keeping their order. The channels stay
    // selected where they land. A sort that moves nothing is no change.
    ListChange Sort(const RowSelection& selection, SortKey key, bool descending);

    // The next row, after start (direction 1) or before it (-1), wrapping
    // around the list and ending with start itself, whose channel's name
    // holds the text whatever its case (a TG-UV2 has names) or whose RX or
    // TX frequency text begins with it; -1 when none does. A start of -1
    // searches from the first row, or from the last one backwards.
    int FindRow(const std::string& text, int start, int direction) const;

    // Puts the channels a CSV list gave (as ChannelsFromCsv reads them) into
    // the rows their lines name. Every other row is emptied as Delete
    // empties it, or, with keep, keeps its channel.
    ListChange TakeCsvChannels(const CsvChannels& read, bool keep);

    // The history: the newest kHistorySteps changes that moved a row or
    // changed a record, each taken back by Undo and made again by Redo. A
    // new change drops the steps that were undone; a load starts anew.
    bool CanUndo() const { return m_nDone > 0; }
    bool CanRedo() const { return m_nDone < m_steps.size(); }
    // False, changing nothing, when there is nothing to undo or redo.
    bool Undo();
    bool Redo();
    // Bytes the history keeps.
    std::size_t HistorySize() const;

    // Observers are told of the changes (see CDocumentObserver::Observe).
    void AddObserver(CDocumentObserver& observer) const;
    void RemoveObserver(CDocumentObserver& observer) const;

private:
    // Makes the rows those of after, where row i came from row sources[i];
    // the step of it.
    // A change that left every record as it was counts as one, unless it is
    // only an order that was already so (countUnchanged false).
    ListChange Commit(std::vector<CChannel> after, const std::vector<int>& sources,
                      RowSelection selection, bool countUnchanged = true);
    ListChange Empty(const RowSelection& selection, bool cut);
    std::vector<std::uint8_t> FileBytes() const;
    // Makes the file's records the rows.
    void Adopt(std::unique_ptr<CDatFile> file);
    // Starts a new history on rows that are now the saved ones, and tells
    // the observers that every row is new.
    void StartHistory();
    void Notify(const std::function<void(CDocumentObserver&)>& tell) const;
    void NotifyRows(const CListStep& step) const;
    void NotifyModified(bool wasModified) const;
    void SetClipboard(RowClipboard rows);
    // Notes the file as this document last read or wrote it.
    void Stamp(const std::filesystem::path& path, std::vector<std::uint8_t> bytes);
    // Why this radio cannot take the record ("… has the RX frequency …, but
    // this radio works only …"), after whose; empty when it can.
    Message SideRefusal(const Message& whose, const CChannel& record) const;

    RadioModel m_nModel;
    std::unique_ptr<CDatFile> m_pFile;
    std::filesystem::path m_path;
    std::vector<CChannel> m_rows;
    RowClipboard m_clipboard;
    FileProblem m_problem;
    Message m_csvProblem;

    // The history's steps, oldest first; the first m_nDone of them are done.
    // The rows are as saved after m_nSaved steps; never again when that is
    // no longer in the history (kNeverSaved).
    static constexpr std::size_t kNeverSaved = static_cast<std::size_t>(-1);
    std::deque<CListStep> m_steps;
    std::size_t m_nDone = 0;
    std::size_t m_nSaved = 0;
    // A change that left every record as it was still counts as one until
    // the rows are undone or redone to another state.
    bool m_bTouched = false;

    mutable std::vector<CDocumentObserver*> m_observers;

    // The file as it was when this document last read or wrote it.
    struct FileStamp {
        std::filesystem::path path; // canonical
        std::filesystem::file_time_type time;
        std::vector<std::uint8_t> bytes;
    };
    std::optional<FileStamp> m_stamp;
};
