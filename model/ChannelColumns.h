#pragma once

#include "Channel.h"
#include "RadioModel.h"

#include <array>
#include <string>
#include <vector>

// The columns a channel list can show. Both radio models and both windows
// take their columns from the one table in ChannelColumns.cpp.
enum class Column {
    Id,
    Name,
    RxFreq,
    TxFreq,
    RxTone,
    TxTone,
    Step,
    Reverse,
    Power,
    Scramble,
    Width,
    Range,
    Scan,
    BusySet,
};
inline constexpr int kColumnKinds = static_cast<int>(Column::BusySet) + 1;

// How a cell of the column is edited where it stands: not at all, in a box
// with the Name box's rules or the frequency box's, or by choosing one of a
// list's items (for On/OFF, Space also toggles it).
enum class CellEditor { kNone, kName, kFrequency, kList, kOnOff };

struct ColumnInfo {
    Column id;
    const char* header;
    int width; // pixels at a 6-pixel horizontal base unit
    bool leftAligned;
    bool inShortSet;
    bool forTGUV2;
    bool forTG6A;
    // The record's text for this column; null for the ID column, which the list fills.
    std::string (*text)(const CChannel&);
    // The widest text the column can hold, so that no cell is ever clipped.
    const char* widest;
    CellEditor editor;
};

// The entry of the column table for a column.
const ColumnInfo& ColumnOf(Column id);

// The columns shown for a model: the short set, or every column of the model.
std::vector<const ColumnInfo*> ColumnSet(RadioModel model, bool showAll);

// The texts of every column of the model for one record, shown or not, by
// Column; the ID column's is empty. Raises the failure signal when the record
// holds a byte that one of them cannot show.
using ColumnTexts = std::array<std::string, kColumnKinds>;
ColumnTexts TextsOf(const CChannel& record, RadioModel model);

// Raises the failure signal unless every column of the model can show the
// record: what a record must pass before a list may hold it.
inline void CheckDecodesInEveryColumn(const CChannel& record, RadioModel model) {
    TextsOf(record, model);
}

// The first column of the model that cannot show the record, or null.
const ColumnInfo* UndecodableColumn(const CChannel& record, RadioModel model);
