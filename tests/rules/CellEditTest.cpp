// One cell edited where it stands: the Row Editor's rules for one field,
// every other field kept.
#include "CellEdit.h"
#include "DatBuilder.h"

#include <gtest/gtest.h>

namespace {

namespace ts = testing_support;

// The columns whose texts an edit changed, "Header=text" each.
std::string Changed(const CChannel& before, const CChannel& after, RadioModel model) {
    std::string changed;
    for (const ColumnInfo* column : ColumnSet(model, true))
        if (column->text && column->text(before) != column->text(after))
            changed += std::string(column->header) + "=" + column->text(after) + ";";
    return changed;
}

// What an edit changes in a channel, or the message, the record then left as
// it was. A frequency is rounded to the row's own step; RX moves TX along
// only on a simplex channel; the checks and their order are the Row Editor's.
TEST(CellEdit, StoresOneFieldByTheRowEditorsRules) {
    const CChannel simplex = ts::UsedChannel(kTGUV2, 14550000, 14550000);
    CChannel duplex = ts::UsedChannel(kTGUV2, 43850000, 43350000);
    duplex.SetFrequencies(43850000, 43350000, 3, 4, kTGUV2); // step 12.5
    const CChannel uhf6a = ts::UsedChannel(kTG6A, 43850000, 43850000);
    const struct {
        RadioModel model;
        CChannel record;
        Column column;
        const char* text;
        std::string outcome;
    } cases[] = {
        {kTGUV2, simplex, Column::Name, "ab-1", "Name=AB-1  ;"},
        {kTGUV2, simplex, Column::RxFreq, "145.6", "RX Freq=145.60000;TX Freq=145.60000;"},
        {kTGUV2, duplex, Column::RxFreq, "438.5126", "RX Freq=438.52500;"},
        {kTGUV2, simplex, Column::TxFreq, "146.1", "TX Freq=146.10000;"},
        {kTGUV2, simplex, Column::TxTone, "88.5", "QT/DQT Enc=88.5;"},
        {kTGUV2, simplex, Column::RxTone, "D754I", "QT/DQT Dec=D754I;"},
        {kTGUV2, simplex, Column::Width, "Narrow", "W/N=Narrow;"},
        {kTGUV2, simplex, Column::Step, "50", "Step=50;"},
        {kTGUV2, duplex, Column::Step, "30", "Rx frequency and step do not match!"},
        {kTGUV2, simplex, Column::RxFreq, "300", "Invalid Rx frequency range!"},
        {kTGUV2, simplex, Column::TxFreq, "", "Tx frequency is missing!"},
        {kTG6A, uhf6a, Column::RxFreq, "145.5", "Invalid frequency range!"},
        {kTG6A, uhf6a, Column::BusySet, "On", "Busy Set=On;"},
        {kTGUV2, simplex, Column::Power, "Turbo", "\"Turbo\" is not one of this column's values."},
        {kTGUV2, simplex, Column::Range, "UHF1", "This column cannot be edited."},
        {kTG6A, uhf6a, Column::Scan, "OFF", "This column cannot be edited."},
        {kTGUV2, simplex, Column::Name, "A.B",
         "A name holds up to six of the letters A to Z, the digits and the characters space * + - "
         "/ _."},
    };
    for (const auto& c : cases) {
        CChannel record = c.record;
        const std::string message =
            EditCell(record, c.column, c.text, c.model, c.model == kTG6A ? 4 : 0).English();
        EXPECT_EQ(message.empty() ? Changed(c.record, record, c.model) : message, c.outcome)
            << c.text;
        if (!message.empty()) {
            EXPECT_EQ(ts::BytesOf(record), ts::BytesOf(c.record));
        }
    }
}

// An empty row, whatever column is edited, becomes at the frequency typed
// exactly what "New" and OK store there: every byte the editor does not write
// stays as the empty row held it.
TEST(CellEdit, AnEmptyRowBecomesTheChannelNewWouldMake) {
    CChannel empty = ts::EmptyChannel(kTG6A);
    empty.bytes[20] = 0x5A;
    CChannel byNew = empty, byCell = empty;
    FormValues form = DefaultForm(kTG6A);
    form[kRx].text = form[kTx].text = "438.50000";
    ApplyForm(byNew, form, kTG6A);
    EXPECT_EQ(EditCell(byCell, Column::BusySet, "438.5", kTG6A, 4), "");
    EXPECT_EQ(ts::BytesOf(byCell), ts::BytesOf(byNew));
}

} // namespace
