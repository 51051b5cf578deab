#include "ChannelDocument.h"

#include "ChannelColumns.h"
#include "Failure.h"
#include "FrequencyRules.h"

#include <algorithm>
#include <cctype>

#include <numeric>

namespace {

// Larger than any list of channels a radio holds, written out in full.
constexpr std::uintmax_t kLargestCsvFile = 4 << 20;

std::vector<int> Unmoved(int count) {
    std::vector<int> sources(static_cast<std::size_t>(count));
    std::iota(sources.begin(), sources.end(), 0);
    return sources;
}

std::vector<const CChannel*> Pointers(std::span<const CChannel> rows) {
    std::vector<const CChannel*> pointers;
    pointers.reserve(rows.size());
    for (const CChannel& row : rows)
        pointers.push_back(&row);
    return pointers;
}

} // namespace

CChannelDocument::CChannelDocument(RadioModel model)
    : m_nModel(model), m_pFile(std::make_unique<CDatFile>(model)) {}

CChannelDocument::~CChannelDocument() = default;

void CChannelDocument::SetModel(RadioModel model) {
    if (IsLoaded() || model == m_nModel)
        return;
    m_nModel = model;
    m_pFile = std::make_unique<CDatFile>(model);
}

bool CChannelDocument::IsModified() const { return m_bTouched || m_nState != m_nSavedState; }

std::vector<std::uint8_t> CChannelDocument::FileBytes() const {
    return m_pFile->Bytes(Pointers(m_rows));
}

void CChannelDocument::StartHistory() {
    m_bTouched = false;
    m_nState = m_nSavedState = ++m_nLastState;
}

void CChannelDocument::Stamp(const std::filesystem::path& path, std::vector<std::uint8_t> bytes) {
    std::error_code ec;
    FileStamp stamp{std::filesystem::weakly_canonical(path, ec), {}, std::move(bytes)};
    stamp.time = std::filesystem::last_write_time(path, ec);
    if (ec)
        m_stamp.reset();
    else
        m_stamp = std::move(stamp);
}

bool CChannelDocument::ChangedOnDisk(const std::filesystem::path& path) const {
    std::error_code ec;
    if (!m_stamp || std::filesystem::weakly_canonical(path, ec) != m_stamp->path || ec ||
        !std::filesystem::exists(path, ec))
        return false;
    if (std::filesystem::last_write_time(path, ec) != m_stamp->time || ec)
        return true;
    // The same size and time can still hide new bytes: a program that keeps
    // the time, or two writes within the clock's resolution.
    FileProblem problem;
    const std::vector<std::uint8_t> now = ReadFileUpTo(path, m_stamp->bytes.size(), problem);
    return problem || now != m_stamp->bytes;
}

void CChannelDocument::Adopt(std::unique_ptr<CDatFile> file) {
    m_problem = {};
    const CChannel* records = file->GetImage().GetChannels();
    m_rows.assign(records, records + ChannelCount(m_nModel));
    m_pFile = std::move(file);
    StartHistory();
}

bool CChannelDocument::Load(const std::filesystem::path& path) {
    auto file = std::make_unique<CDatFile>(m_nModel);
    m_strCsvProblem.clear();
    try {
        const bool loaded = file->Load(path);
        m_problem = file->Problem();
        if (!loaded)
            return false;
        file->CheckDecodable();
    } catch (...) {
        m_problem = file->Problem();
        return false;
    }
    Adopt(std::move(file));
    m_path = path;
    Stamp(path, FileBytes());
    return true;
}

bool CChannelDocument::LoadBytes(std::span<const std::uint8_t> bytes) {
    auto file = std::make_unique<CDatFile>(m_nModel);
    m_strCsvProblem.clear();
    try {
        file->LoadBytes(bytes);
        file->CheckDecodable();
    } catch (...) {
        m_problem = file->Problem();
        return false;
    }
    Adopt(std::move(file));
    m_path.clear();
    m_stamp.reset();
    return true;
}

bool CChannelDocument::LoadCsv(const std::filesystem::path& path, int unitBand, CsvChannels& read,
                               std::size_t keptSkipped) {
    m_strCsvProblem.clear();
    const std::vector<std::uint8_t> bytes = ReadFileUpTo(path, kLargestCsvFile, m_problem);
    if (m_problem)
        return false;
    read =
        ChannelsFromCsv(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                        m_nModel, unitBand, keptSkipped);
    if (!read.error.empty()) {
        m_strCsvProblem = read.error;
        return false;
    }
    m_pFile = std::make_unique<CDatFile>(m_nModel);
    m_rows = read.records;
    m_rows.resize(static_cast<std::size_t>(ChannelCount(m_nModel)));
    m_path = path;
    StartHistory();
    Stamp(path, bytes);
    return true;
}

bool CChannelDocument::Save(const std::filesystem::path& path) {
    if (!IsLoaded())
        return false;
    m_strCsvProblem.clear();
    bool saved = false;
    try {
        saved = m_pFile->Save(path, Pointers(m_rows));
    } catch (...) {
    }
    m_problem = m_pFile->Problem();
    if (!saved)
        return false;
    m_bTouched = false;
    m_nSavedState = m_nState;
    Stamp(path, FileBytes());
    return true;
}

std::string CChannelDocument::ToCsv() const { return ChannelsToCsv(Pointers(m_rows), m_nModel); }

bool CChannelDocument::ExportCsv(const std::filesystem::path& path) {
    m_strCsvProblem.clear();
    const std::string csv = ToCsv();
    const std::vector<std::uint8_t> bytes(csv.begin(), csv.end());
    if (!WriteWholeFile(path, bytes, m_problem))
        return false;
    // Written over the file this document came from, it is what we last wrote.
    std::error_code ec;
    if (m_stamp && std::filesystem::weakly_canonical(path, ec) == m_stamp->path)
        Stamp(path, bytes);
    return true;
}

std::string CChannelDocument::ProblemText() const {
    return m_strCsvProblem.empty() ? DescribeProblem(m_problem, m_nModel) : m_strCsvProblem;
}

void CChannelDocument::Copy(const RowSelection& selection) {
    if (!selection.Any())
        return;
    RowClipboard copied;
    for (const int row : selection.Rows())
        copied.push_back(Record(row));
    m_clipboard = std::move(copied);
}

void CChannelDocument::TakeRows(RowClipboard rows) { m_clipboard = std::move(rows); }

ListChange CChannelDocument::Commit(std::vector<CChannel> after, const std::vector<int>& sources,
                                    RowSelection selection, bool countUnchanged) {
    ListChange change;
    change.selection = std::move(selection);
    CListStep step = CListStep::Between(m_rows, sources, after);
    if (step.IsEmpty()) {
        m_bTouched = m_bTouched || countUnchanged;
        return change;
    }
    m_rows = std::move(after);
    step.m_nStateBefore = m_nState;
    step.m_nStateAfter = m_nState = ++m_nLastState;
    m_bTouched = false;
    change.step = std::move(step);
    return change;
}

// Row 0 (or the last row) among the selected rows ends the move before that
// step, so a block stops whole at the end of the list.
ListChange CChannelDocument::Move(const RowSelection& selection, int direction, int times) {
    ListChange change{{}, selection, -1, {}};
    const int count = RowCount();
    std::vector<bool> selected = selection.rows;
    selected.resize(static_cast<std::size_t>(count));
    if (count == 0 || !selection.Any())
        return change;
    std::vector<CChannel> rows = m_rows;
    std::vector<int> sources = Unmoved(count);
    const int end = direction < 0 ? 0 : count - 1;
    bool moved = false;
    for (int time = 0; time < times && !selected[static_cast<std::size_t>(end)]; ++time) {
        int nearest = -1, farthest = -1;
        for (int i = end - direction; i >= 0 && i < count; i -= direction) {
            const auto at = static_cast<std::size_t>(i),
                       to = static_cast<std::size_t>(i + direction);
            if (!selected[at])
                continue;
            std::swap(rows[at], rows[to]);
            std::swap(sources[at], sources[to]);
            selected[at] = selected[to];
            selected[to] = true;
            if (nearest == -1)
                nearest = i + direction;
            farthest = i + direction;
        }
        // The mark goes to the highest moved row; the list shows the first
        // row moved up or the lowest row moved down.
        change.selection.mark = direction < 0 ? nearest : farthest;
        change.scrollTo = nearest;
        moved = true;
    }
    if (!moved)
        return change;
    change.selection.rows = selected;
    // Rows of equal records that changed places still make a step: the
    // order is theirs, not their bytes'.
    ListChange made = Commit(std::move(rows), sources, change.selection);
    made.scrollTo = change.scrollTo;
    return made;
}

ListChange CChannelDocument::Empty(const RowSelection& selection, bool cut) {
    if (!selection.Any())
        return {{}, selection, -1, {}};
    if (cut)
        Copy(selection);
    std::vector<CChannel> rows = m_rows;
    for (const int row : selection.Rows())
        rows.at(static_cast<std::size_t>(row)).Clear(m_nModel);
    // The emptied rows are no longer selected; the mark stays.
    return Commit(std::move(rows), Unmoved(RowCount()),
                  {std::vector<bool>(m_rows.size()), selection.mark});
}

ListChange CChannelDocument::Delete(const RowSelection& selection) {
    return Empty(selection, false);
}

ListChange CChannelDocument::Cut(const RowSelection& selection) { return Empty(selection, true); }

std::string CChannelDocument::PasteRefusal(std::size_t index, int start, bool rx,
                                           const std::string& text) const {
    const std::string side = rx ? "RX" : "TX";
    const std::string frequency =
        text.empty() ? "no " + side + " frequency" : "the " + side + " frequency " + text + " MHz";
    const bool uhf = Image().SameBandSide("400.00000");
    return "Pasted channel " + std::to_string(index + 1) + " of " +
           std::to_string(m_clipboard.size()) + ", for row " +
           std::to_string(start + static_cast<int>(index)) + ", has " + frequency +
           ", but this radio works only " + (uhf ? "at 400 MHz and above" : "below 400 MHz") + ".";
}

// The block begins at the mark, whatever else is selected, and must fit
// between it and the last row. Records from another file are checked
// against this file's radio, and every one must decode before any is
// written, so a paste lands whole or not at all.
ListChange CChannelDocument::Paste(const RowSelection& selection) {
    ListChange change{{}, selection, -1, {}};
    const int start = selection.mark;
    const int count = static_cast<int>(m_clipboard.size());
    if (!selection.Any() || start < 0 || start >= RowCount() || count > RowCount() - start)
        return change;
    for (std::size_t j = 0; j < m_clipboard.size(); ++j)
        for (const bool rx : {true, false})
            if (const std::string text = m_clipboard[j].GetFreqText(rx);
                !Image().SameBandSide(text)) {
                change.refusal = PasteRefusal(j, start, rx, text);
                return change;
            }
    for (const CChannel& record : m_clipboard)
        CheckDecodesInEveryColumn(record, m_nModel);
    std::vector<CChannel> rows = m_rows;
    std::vector<int> pasted;
    for (int j = 0; j < count; ++j) {
        rows[static_cast<std::size_t>(start + j)] = m_clipboard[static_cast<std::size_t>(j)];
        pasted.push_back(start + j);
    }
    return Commit(std::move(rows), Unmoved(RowCount()),
                  RowSelection::Of(RowCount(), pasted, start));
}

CEditSession CChannelDocument::Edit(int firstRow, int lastRow, bool newMode,
                                    const std::vector<bool>& selected) const {
    return CEditSession(m_nModel, firstRow, lastRow, newMode, m_rows, selected, Image());
}

ListChange CChannelDocument::WriteBack(const CEditSession& session, const RowSelection& selection) {
    std::vector<CChannel> rows = session.Records();
    if (rows.size() != m_rows.size())
        RaiseFailure();
    return Commit(std::move(rows), Unmoved(RowCount()), selection);
}

ListChange CChannelDocument::TakeCsvChannels(const CsvChannels& read, bool keep) {
    std::vector<CChannel> rows = m_rows;
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (row < read.lines.size() && read.lines[row] != 0 && row < read.records.size())
            rows[row] = read.records[row];
        else if (!keep)
            rows[row].Clear(m_nModel);
    return Commit(std::move(rows), Unmoved(RowCount()), {std::vector<bool>(m_rows.size()), -1});
}

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

ListChange CChannelDocument::Sort(const RowSelection& selection, SortKey key, bool descending) {
    const int count = RowCount();
    std::vector<int> places = selection.Rows();
    const bool all = places.size() < 2;
    if (all)
        places = Unmoved(count);
    // What each place's channel sorts by, taken once.
    struct Entry {
        int row;
        bool empty;
        int frequency;
        std::string name;
    };
    std::vector<Entry> entries;
    for (const int row : places) {
        const CChannel& record = Record(row);
        Entry entry{row, record.IsEmpty(), 0, {}};
        if (!entry.empty && key == SortKey::kName)
            entry.name = Lower(record.GetNameText());
        else if (!entry.empty)
            entry.frequency = ParseFrequency(record.GetFreqText(key == SortKey::kRxFreq));
        entries.push_back(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (a.empty || b.empty)
            return !a.empty && b.empty;
        const bool less = key == SortKey::kName ? a.name < b.name : a.frequency < b.frequency;
        const bool greater = key == SortKey::kName ? b.name < a.name : b.frequency < a.frequency;
        return descending ? greater : less;
    });
    std::vector<CChannel> rows = m_rows;
    std::vector<int> sources = Unmoved(count);
    for (std::size_t i = 0; i < places.size(); ++i) {
        rows[static_cast<std::size_t>(places[i])] = Record(entries[i].row);
        sources[static_cast<std::size_t>(places[i])] = entries[i].row;
    }
    RowSelection after = selection;
    if (all) {
        // The one selected channel, if any, is selected where it landed.
        std::vector<int> landed;
        for (std::size_t i = 0; i < places.size(); ++i)
            if (selection.Any() && entries[i].row == selection.Rows().front())
                landed.push_back(places[i]);
        after = RowSelection::Of(count, landed, landed.empty() ? selection.mark : landed.front());
    }
    ListChange change = Commit(std::move(rows), sources, after, false);
    if (change.step)
        change.scrollTo = after.mark;
    return change;
}

int CChannelDocument::FindRow(const std::string& text, int start, int direction) const {
    const int count = RowCount();
    if (count == 0 || text.empty())
        return -1;
    const std::string wanted = Lower(text);
    const auto matches = [&](const CChannel& record) {
        if (record.IsEmpty())
            return false;
        if (m_nModel == kTGUV2 && Lower(record.GetNameText()).find(wanted) != std::string::npos)
            return true;
        return record.GetFreqText(true).starts_with(text) ||
               record.GetFreqText(false).starts_with(text);
    };
    if (start < 0 || start >= count)
        start = direction > 0 ? count - 1 : 0;
    for (int step = 1; step <= count; ++step) {
        const int row = ((start + direction * step) % count + count) % count;
        if (matches(Record(row)))
            return row;
    }
    return -1;
}

void CChannelDocument::Undo(CListStep& step) {
    step.Undo(m_rows);
    m_nState = step.m_nStateBefore;
    m_bTouched = false;
}

void CChannelDocument::Redo(CListStep& step) {
    step.Redo(m_rows);
    m_nState = step.m_nStateAfter;
    m_bTouched = false;
}
