// The document's changes to the rows: what Copy, Cut, Delete, the moves,
// Paste, the Row Editor's OK, Sort and the hand-overs from other lists do.
#include "ChannelDocument.h"

#include "CellEdit.h"
#include "ChannelColumns.h"
#include "Failure.h"
#include "Frequency.h"
#include "RadioConversion.h"
#include "Text.h"

#include <algorithm>
#include <numeric>

namespace {

std::vector<int> Unmoved(int count) {
    std::vector<int> sources(static_cast<std::size_t>(count));
    std::iota(sources.begin(), sources.end(), 0);
    return sources;
}

} // namespace

void CChannelDocument::Copy(const RowSelection& selection) {
    if (!selection.Any())
        return;
    RowClipboard copied;
    for (const int row : selection.Rows())
        copied.push_back(Record(row));
    SetClipboard(std::move(copied));
}

void CChannelDocument::TakeRows(RowClipboard rows) { SetClipboard(std::move(rows)); }

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

Message CChannelDocument::SideRefusal(const Message& whose, const CChannel& record) const {
    for (const bool rx : {true, false}) {
        if (Image().SameBandSide(record.GetFrequency(rx)))
            continue;
        const std::string text = record.GetFreqText(rx);
        const bool uhf = Image().SameBandSide(kBandSplit);
        //: %1 is "Channel 7" or "Pasted channel 1 of 3, for row 20,"; %2 is RX or TX.
        Message refusal(
            text.empty()
                ? (uhf ? VM_TR("Messages", "%1 has no %2 frequency, but this radio works only at "
                                           "400 MHz and above.")
                       : VM_TR("Messages", "%1 has no %2 frequency, but this radio works only "
                                           "below 400 MHz."))
                : (uhf ? VM_TR("Messages", "%1 has the %2 frequency %3 MHz, but this radio works "
                                           "only at 400 MHz and above.")
                       : VM_TR("Messages", "%1 has the %2 frequency %3 MHz, but this radio works "
                                           "only below 400 MHz.")));
        refusal.Arg(whose).Arg(rx ? "RX" : "TX");
        if (!text.empty())
            refusal.Arg(text);
        return refusal;
    }
    return {};
}

ListChange CChannelDocument::PutRows(std::span<const ChannelRow> rows,
                                     const RowSelection& selection) {
    ListChange change{{}, selection, -1, {}};
    std::vector<CChannel> after = m_rows;
    std::vector<int> put;
    for (const ChannelRow& row : rows) {
        if (row.record.IsEmpty())
            continue;
        const Message whose = Message(VM_TR("Messages", "Channel %1")).Arg(row.id);
        if (row.id < 0 || row.id >= RowCount()) {
            change.refusal = NoPlaceFor(row.id, m_nModel);
            return change;
        }
        change.refusal = SideRefusal(whose, row.record);
        if (!change.refusal.empty())
            return change;
        CheckDecodesInEveryColumn(row.record, m_nModel);
        after[static_cast<std::size_t>(row.id)] = row.record;
        put.push_back(row.id);
    }
    if (put.empty())
        return change;
    ListChange made = Commit(std::move(after), Unmoved(RowCount()),
                             RowSelection::Of(RowCount(), put, put.front()));
    made.scrollTo = put.front();
    return made;
}

// The block begins at the mark, whatever else is selected, and must fit
// between it and the last row. Records from another file are checked
// against this file's radio, and every one must decode before any is
// written, so a paste lands whole or not at all.
bool CChannelDocument::PasteFits(const RowSelection& selection) const {
    const int start = selection.mark;
    return selection.Any() && start >= 0 && start < RowCount() &&
           static_cast<int>(m_clipboard.size()) <= RowCount() - start;
}

std::vector<ChannelRow> CChannelDocument::RowsOf(const RowSelection& selection) const {
    std::vector<ChannelRow> rows;
    for (const int row : selection.Rows())
        if (row < RowCount())
            rows.push_back({row, Record(row)});
    return rows;
}

ListChange CChannelDocument::Paste(const RowSelection& selection) {
    ListChange change{{}, selection, -1, {}};
    const int start = selection.mark;
    const int count = static_cast<int>(m_clipboard.size());
    if (!PasteFits(selection))
        return change;
    for (std::size_t j = 0; j < m_clipboard.size(); ++j) {
        change.refusal =
            SideRefusal(Message(VM_TR("Messages", "Pasted channel %1 of %2, for row %3,"))
                            .Arg(static_cast<int>(j) + 1)
                            .Arg(count)
                            .Arg(start + static_cast<int>(j)),
                        m_clipboard[j]);
        if (!change.refusal.empty())
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

ListChange CChannelDocument::EditColumn(const RowSelection& selection, Column column,
                                        const std::string& text, bool allSelected) {
    std::vector<int> rows;
    if (!allSelected && selection.mark >= 0 && selection.mark < RowCount())
        rows.push_back(selection.mark);
    for (const int row : allSelected ? selection.Rows() : std::vector<int>())
        if (!Record(row).IsEmpty())
            rows.push_back(row);
    std::vector<CChannel> records = m_rows;
    for (const int row : rows)
        if (Message refusal = EditCell(records[static_cast<std::size_t>(row)], column, text,
                                       m_nModel, UnitBand());
            !refusal.empty()) {
            ListChange refused{{}, selection, -1, refusal};
            if (allSelected)
                refused.refusal =
                    Message(VM_TR("Messages", "Channel %1: %2")).Arg(row).Arg(refusal);
            return refused;
        }
    if (rows.empty())
        return {{}, selection, -1, {}};
    return Commit(std::move(records), Unmoved(RowCount()), selection);
}

ListChange CChannelDocument::InsertRow(const RowSelection& selection) {
    const int mark = selection.mark, last = RowCount() - 1;
    if (mark < 0 || mark > last)
        return {{}, selection, -1, {}};
    if (!Record(last).IsEmpty())
        return {
            {}, selection, -1, VM_TR("Messages", "The last row holds a channel; delete it first.")};
    // The empty last row, whatever bytes it carries, moves up to the mark.
    std::vector<int> sources = Unmoved(RowCount());
    std::rotate(sources.begin() + mark, sources.end() - 1, sources.end());
    std::vector<CChannel> rows;
    for (const int source : sources)
        rows.push_back(Record(source));
    ListChange change =
        Commit(std::move(rows), sources, RowSelection::Of(RowCount(), {mark}, mark), false);
    change.scrollTo = mark;
    return change;
}

ListChange CChannelDocument::DeleteAndCloseUp(const RowSelection& selection) {
    if (!selection.Any())
        return {{}, selection, -1, {}};
    std::vector<bool> selected = selection.rows;
    selected.resize(m_rows.size());
    std::vector<int> sources;
    for (int row = 0; row < RowCount(); ++row)
        if (!selected[static_cast<std::size_t>(row)])
            sources.push_back(row);
    const std::size_t kept = sources.size();
    for (int row = 0; row < RowCount(); ++row)
        if (selected[static_cast<std::size_t>(row)])
            sources.push_back(row);
    std::vector<CChannel> rows;
    for (const int source : sources)
        rows.push_back(Record(source));
    for (std::size_t row = kept; row < rows.size(); ++row)
        rows[row].Clear(m_nModel);
    return Commit(std::move(rows), sources, {std::vector<bool>(m_rows.size()), selection.mark});
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
            entry.name = AsciiLower(record.GetNameText());
        else if (!entry.empty)
            entry.frequency = record.GetFrequency(key == SortKey::kRxFreq);
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
    if (change.stepped)
        change.scrollTo = after.mark;
    return change;
}

int CChannelDocument::FindRow(const std::string& text, int start, int direction) const {
    const int count = RowCount();
    if (count == 0 || text.empty())
        return -1;
    const std::string wanted = AsciiLower(text);
    const auto matches = [&](const CChannel& record) {
        if (record.IsEmpty())
            return false;
        if (m_nModel == kTGUV2 &&
            AsciiLower(record.GetNameText()).find(wanted) != std::string::npos)
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
