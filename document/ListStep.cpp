#include "ListStep.h"

#include "RadioModel.h"

#include <algorithm>

static_assert(kMaxChannels <= 256, "rows are kept as bytes");

CListStep CListStep::Between(std::span<const CChannel> before, std::span<const int> sources,
                             std::span<const CChannel> after) {
    CListStep step;
    const int count = static_cast<int>(after.size());
    int first = count, last = -1;
    for (int row = 0; row < count; ++row)
        if (sources[static_cast<std::size_t>(row)] != row) {
            first = std::min(first, row);
            last = row;
        }
    step.m_first = last < 0 ? 0 : first;
    for (int row = first; row <= last; ++row)
        step.m_order.push_back(static_cast<std::uint8_t>(sources[std::size_t(row)] - first));
    // A record is compared with what it held before, wherever it moved.
    for (int row = 0; row < count; ++row) {
        const CChannel& old = before[static_cast<std::size_t>(sources[std::size_t(row)])];
        if (!(after[static_cast<std::size_t>(row)] == old)) {
            step.m_changed.push_back(static_cast<std::uint8_t>(row));
            step.m_other.push_back(old);
        }
    }
    step.m_order.shrink_to_fit();
    step.m_changed.shrink_to_fit();
    step.m_other.shrink_to_fit();
    return step;
}

int CListStep::FirstRow() const {
    if (IsEmpty())
        return -1;
    int first = m_order.empty() ? m_changed.front() : m_first;
    if (!m_changed.empty())
        first = std::min<int>(first, m_changed.front());
    return first;
}

int CListStep::LastRow() const {
    if (IsEmpty())
        return -1;
    int last = m_order.empty() ? m_changed.back() : m_first + static_cast<int>(m_order.size()) - 1;
    if (!m_changed.empty())
        last = std::max<int>(last, m_changed.back());
    return last;
}

std::size_t CListStep::Size() const {
    return sizeof(*this) + m_order.capacity() + m_changed.capacity() +
           m_other.capacity() * sizeof(CChannel);
}

void CListStep::Redo(std::vector<CChannel>& rows) {
    std::vector<CChannel> moved;
    moved.reserve(m_order.size());
    for (const std::uint8_t from : m_order)
        moved.push_back(rows[static_cast<std::size_t>(m_first + from)]);
    std::copy(moved.begin(), moved.end(), rows.begin() + m_first);
    SwapRecords(rows);
}

void CListStep::Undo(std::vector<CChannel>& rows) {
    SwapRecords(rows);
    std::vector<CChannel> moved(m_order.size());
    for (std::size_t i = 0; i < m_order.size(); ++i)
        moved[m_order[i]] = rows[static_cast<std::size_t>(m_first) + i];
    std::copy(moved.begin(), moved.end(), rows.begin() + m_first);
}

void CListStep::SwapRecords(std::vector<CChannel>& rows) {
    for (std::size_t i = 0; i < m_changed.size(); ++i)
        std::swap(rows[m_changed[i]], m_other[i]);
}
