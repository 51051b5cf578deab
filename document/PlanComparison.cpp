#include "PlanComparison.h"

#include "ChannelDocument.h"
#include "Text.h"

#include <algorithm>
#include <cstring>

int PlanComparison::Count(RowDifference kind) const {
    return static_cast<int>(std::ranges::count(rows, kind, &RowComparison::kind));
}

int PlanComparison::Differing() const {
    return Count(RowDifference::kChanged) + Count(RowDifference::kOnlyLeft) +
           Count(RowDifference::kOnlyRight);
}

ColumnTexts ComparedTexts(const CChannel& record, RadioModel model) {
    ColumnTexts texts = TextsOf(record, model);
    // A name is stored padded with spaces; the user typed it without them.
    for (std::string& text : texts)
        text = std::string(Trim(text, TrimEnds::kEnd, " "));
    return texts;
}

namespace {

RowComparison CompareRows(const CChannel* left, const CChannel* right, RadioModel model,
                          std::span<const Column> notCompared) {
    const bool leftUsed = left && !left->IsEmpty(), rightUsed = right && !right->IsEmpty();
    if (leftUsed != rightUsed)
        return {leftUsed ? RowDifference::kOnlyLeft : RowDifference::kOnlyRight, {}};
    if (!left || !right || *left == *right)
        return {};
    // Channels made from another radio's texts have bytes of their own.
    RowComparison row{notCompared.empty() ? RowDifference::kOtherBytes : RowDifference::kSame, {}};
    const ColumnTexts before = ComparedTexts(*left, model), after = ComparedTexts(*right, model);
    for (const ColumnInfo* column : ColumnSet(model, true)) {
        const auto at = static_cast<std::size_t>(column->id);
        if (column->id != Column::Id && before[at] != after[at] &&
            std::ranges::find(notCompared, column->id) == notCompared.end())
            row.columns.push_back(column->id);
    }
    if (!row.columns.empty())
        row.kind = RowDifference::kChanged;
    return row;
}

} // namespace

PlanComparison ComparePlans(std::span<const CChannel> left, std::span<const CChannel> right,
                            RadioModel model, std::span<const Column> notCompared) {
    PlanComparison comparison;
    const std::size_t rows = std::max(left.size(), right.size());
    for (std::size_t row = 0; row < rows; ++row)
        comparison.rows.push_back(CompareRows(row < left.size() ? &left[row] : nullptr,
                                              row < right.size() ? &right[row] : nullptr, model,
                                              notCompared));
    return comparison;
}

PlanComparison CompareDocuments(const CChannelDocument& left, const CChannelDocument& right) {
    PlanComparison comparison = ComparePlans(left.Records(), right.Records(), left.Model());
    const CMemoryImage &a = left.Image(), &b = right.Image();
    comparison.headerDiffers = std::memcmp(a.GetHeader(), b.GetHeader(), kHeaderSize) != 0;
    comparison.trailerDiffers = a.GetTrailerSize() != b.GetTrailerSize() ||
                                std::memcmp(a.GetTrailer(), b.GetTrailer(),
                                            static_cast<std::size_t>(a.GetTrailerSize())) != 0;
    return comparison;
}
