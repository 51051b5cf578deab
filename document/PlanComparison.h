#pragma once

#include "Channel.h"
#include "ChannelColumns.h"
#include "RadioModel.h"

#include <span>
#include <vector>

class CChannelDocument;

// How a row of one channel plan compares with the same row of another.
enum class RowDifference {
    kSame,       // every byte alike
    kOtherBytes, // alike in every column, but bytes that no column shows differ
    kChanged,    // in use in both, and some column differs
    kOnlyLeft,   // in use only in the first plan
    kOnlyRight,  // in use only in the second plan
};

struct RowComparison {
    RowDifference kind = RowDifference::kSame;
    // The columns whose texts differ, in the order the model shows them.
    std::vector<Column> columns;
};

// Two plans compared row by row, and the parts of their files that are not
// channels.
struct PlanComparison {
    std::vector<RowComparison> rows;
    bool headerDiffers = false;
    bool trailerDiffers = false;

    int Count(RowDifference kind) const;
    // Rows that differ in what a user sees: changed, or in use on one side only.
    int Differing() const;
};

// A record's texts as a comparison reads them: every column of the model,
// names without the spaces that pad them.
ColumnTexts ComparedTexts(const CChannel& record, RadioModel model);

// The rows of two plans of the model, row i against row i; a row that only
// one plan has counts as in use on that side only, if it is. notCompared:
// the columns the right plan's file does not hold, when its channels were
// converted from the other radio (ColumnsNotHeld); bytes no column shows
// are then not compared either.
PlanComparison ComparePlans(std::span<const CChannel> left, std::span<const CChannel> right,
                            RadioModel model, std::span<const Column> notCompared = {});
// Two loaded documents of one radio: their rows, and also their headers and
// trailers.
PlanComparison CompareDocuments(const CChannelDocument& left, const CChannelDocument& right);
