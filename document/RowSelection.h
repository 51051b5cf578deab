#pragma once

#include <vector>

// The rows a user has selected in a list, and the selection mark: the row
// that anchors the selection and where a paste begins, -1 for none. The
// windows keep it; the document's changes take it and give back the one the
// list shows after them.
struct RowSelection {
    std::vector<bool> rows; // by row
    int mark = -1;

    bool Any() const;
    // The selected rows, top to bottom.
    std::vector<int> Rows() const;
    // Exactly these rows selected in a list of count rows, the mark on mark.
    static RowSelection Of(int count, const std::vector<int>& selected, int mark);

    bool operator==(const RowSelection&) const = default;
};
