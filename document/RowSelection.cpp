#include "RowSelection.h"

#include <algorithm>

bool RowSelection::Any() const { return std::find(rows.begin(), rows.end(), true) != rows.end(); }

std::vector<int> RowSelection::Rows() const {
    std::vector<int> selected;
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (rows[row])
            selected.push_back(static_cast<int>(row));
    return selected;
}

RowSelection RowSelection::Of(int count, const std::vector<int>& selected, int mark) {
    RowSelection selection{std::vector<bool>(static_cast<std::size_t>(std::max(count, 0))), mark};
    for (const int row : selected)
        if (row >= 0 && row < count)
            selection.rows[static_cast<std::size_t>(row)] = true;
    return selection;
}
