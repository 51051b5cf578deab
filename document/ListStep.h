#pragma once

#include "Channel.h"

#include <cstdint>
#include <span>
#include <vector>

// What one change did to the rows of a list, and no more: the new order of
// the rows it moved and, for each record it changed, the version of it that
// the list does not hold now. Undo and Redo swap that version with the
// list's, so a step keeps one copy of each changed record whichever way it
// was last applied, and a thousand steps of 200 records stay small. Rows are
// kept as bytes, which holds the row numbers of the largest list.
class CListStep {
public:
    // The step from before to after, where row i of after holds what row
    // sources[i] of before held, changed or not; sources holds each row once.
    // Empty when no row moved and no record changed.
    static CListStep Between(std::span<const CChannel> before, std::span<const int> sources,
                             std::span<const CChannel> after);

    bool IsEmpty() const { return m_order.empty() && m_changed.empty(); }
    // The rows the step moved or changed lie between these two; -1 when empty.
    int FirstRow() const;
    int LastRow() const;
    // Bytes the step keeps, for the history's memory.
    std::size_t Size() const;

    // rows stand as before the step (Redo) or as after it (Undo).
    void Redo(std::vector<CChannel>& rows);
    void Undo(std::vector<CChannel>& rows);

private:
    void SwapRecords(std::vector<CChannel>& rows);

    // Rows m_first.. show after the step the records that rows
    // m_first + m_order[i] showed before it.
    int m_first = 0;
    std::vector<std::uint8_t> m_order;
    // Rows (counted after the move) whose records changed, and the version
    // of each that the list does not show now.
    std::vector<std::uint8_t> m_changed;
    std::vector<CChannel> m_other;
};
