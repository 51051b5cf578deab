#include "ListHistory.h"

#include "Channel.h"
#include "ChannelListView.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <memory>

#include <cstdint>
#include <vector>

static_assert(kMaxChannels <= 256, "rows are kept as bytes");

namespace {

using Rows = std::vector<std::uint8_t>;

struct Selection {
    std::vector<bool> rows;
    int mark = -1;
};

// What a step needs to know of the list at its start.
struct ListState {
    std::vector<CChannel*> records; // by row
    std::vector<CChannel> contents; // by row
    Selection selection;
};

ListState Capture(CChannelListView& list) {
    ListState state;
    const CChannelTableModel& rows = list.Channels();
    for (int row = 0; row < rows.RowCount(); ++row) {
        state.records.push_back(rows.RecordAt(row));
        state.contents.push_back(*rows.RecordAt(row));
    }
    state.selection = {list.SelectionFlags(), list.SelectionMark()};
    return state;
}

void Select(CChannelListView& list, const Selection& selection) {
    list.SetSelectionFlags(selection.rows);
    list.SetSelectionMark(selection.mark);
    if (selection.mark >= 0)
        list.scrollTo(list.Channels().index(selection.mark, 0));
}

class CListStep final : public QUndoCommand {
public:
    CListStep(const QString& name, CChannelListView& list) : QUndoCommand(name), m_list(list) {}

    // Rows first.. show after the step the records that rows first + order[i]
    // showed before it.
    int m_first = 0;
    Rows m_order;
    // Rows (counted after any move) whose records changed, and the version
    // of each that the list does not show now.
    Rows m_changed;
    std::vector<CChannel> m_other;
    Selection m_before;
    Selection m_after;

    void undo() override {
        SwapContents();
        std::vector<int> sources(m_order.size());
        for (std::size_t i = 0; i < m_order.size(); ++i)
            sources[m_order[i]] = m_first + static_cast<int>(i);
        m_list.Channels().ArrangeRows(m_first, sources);
        Select(m_list, m_before);
    }

    void redo() override {
        // Pushed once the command has already done its work.
        if (m_bDone) {
            m_bDone = false;
            return;
        }
        std::vector<int> sources;
        for (const std::uint8_t from : m_order)
            sources.push_back(m_first + from);
        m_list.Channels().ArrangeRows(m_first, sources);
        SwapContents();
        Select(m_list, m_after);
    }

private:
    void SwapContents() {
        for (std::size_t i = 0; i < m_changed.size(); ++i) {
            std::swap(*m_list.Channels().RecordAt(m_changed[i]), m_other[i]);
            m_list.Channels().RefreshRow(m_changed[i]);
        }
    }

    CChannelListView& m_list;
    bool m_bDone = true;
};

// The step from before to the list as it is now, or null when nothing moved
// and no record changed.
std::unique_ptr<CListStep> StepSince(const QString& name, CChannelListView& list,
                                     const ListState& before) {
    auto step = std::make_unique<CListStep>(name, list);
    const CChannelTableModel& rows = list.Channels();
    const int count = rows.RowCount();
    if (count != static_cast<int>(before.records.size()))
        return nullptr;
    int first = count, last = -1;
    for (int row = 0; row < count; ++row)
        if (rows.RecordAt(row) != before.records[std::size_t(row)]) {
            first = std::min(first, row);
            last = row;
        }
    step->m_first = first;
    for (int row = first; row <= last; ++row) {
        const auto from = std::find(before.records.begin() + first,
                                    before.records.begin() + last + 1, rows.RecordAt(row));
        step->m_order.push_back(static_cast<std::uint8_t>(from - before.records.begin() - first));
    }
    // A record is compared with what it held before, wherever it moved.
    for (int row = 0; row < count; ++row) {
        const std::uint8_t was = row >= first && row <= last
                                     ? std::uint8_t(first + step->m_order[std::size_t(row - first)])
                                     : std::uint8_t(row);
        const CChannel& old = before.contents[was];
        if (!(*rows.RecordAt(row) == old)) {
            step->m_changed.push_back(static_cast<std::uint8_t>(row));
            step->m_other.push_back(old);
        }
    }
    if (step->m_order.empty() && step->m_changed.empty())
        return nullptr;
    // A thousand steps stay in memory: each keeps no more than it needs.
    step->m_order.shrink_to_fit();
    step->m_changed.shrink_to_fit();
    step->m_other.shrink_to_fit();
    step->m_before = before.selection;
    step->m_after = {list.SelectionFlags(), list.SelectionMark()};
    return step;
}

} // namespace

void RecordListStep(QUndoStack& stack, CChannelListView& list, const QString& name,
                    const std::function<void()>& work) {
    const ListState before = Capture(list);
    const auto commit = [&] {
        if (std::unique_ptr<CListStep> step = StepSince(name, list, before))
            stack.push(step.release());
    };
    try {
        work();
    } catch (...) {
        commit();
        throw;
    }
    commit();
}
