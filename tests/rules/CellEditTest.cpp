// One cell edited where it stands: the Row Editor's rules for one field,
// every other field kept.
#include "CellEdit.h"
#include "DatBuilder.h"

#include <gtest/gtest.h>

namespace {

namespace ts = testing_support;

// The record's texts in the columns of its radio, "|"-joined.
std::string Texts(const CChannel& record, RadioModel model) {
    std::string texts;
    for (const ColumnInfo* column : ColumnSet(model, true))
        if (column->text)
            texts += column->text(record) + "|";
    return texts;
}

// What an edit makes of a channel: the record's texts afterwards, or the
// message, the record then left as it was. A frequency is rounded to the
// row's own step; RX moves TX along only on a simplex channel; the checks
// and their order are the Row Editor's.
TEST(CellEdit, StoresOneFieldByTheRowEditorsRules) {
    const CChannel simplex = ts::UsedChannel(kTGUV2, 14550000, 14550000);
    CChannel duplex = ts::UsedChannel(kTGUV2, 43850000, 43350000);
    duplex.SetFrequencies(43850000, 43350000, 3, 4, kTGUV2); // step 12.5
    const CChannel uhf6a = ts::UsedChannel(kTG6A, 43850000, 43850000);
    const std::string rest = "OFF|OFF|5|OFF|High|OFF|Wide|VHF1|On|";
    const struct {
        const char* name;
        RadioModel model;
        CChannel record;
        Column column;
        const char* text;
        std::string outcome;
    } cases[] = {
        {"a name in capitals", kTGUV2, simplex, Column::Name, "ab-1",
         "AB-1  |145.50000|145.50000|" + rest},
        {"simplex RX moves TX", kTGUV2, simplex, Column::RxFreq, "145.6",
         "      |145.60000|145.60000|" + rest},
        {"RX rounded to 12.5 kHz", kTGUV2, duplex, Column::RxFreq, "438.5126",
         "      |438.52500|433.50000|OFF|OFF|12.5|OFF|High|OFF|Wide|UHF2|On|"},
        {"TX alone", kTGUV2, simplex, Column::TxFreq, "146.1",
         "      |145.50000|146.10000|" + rest},
        {"a tone by its text", kTGUV2, simplex, Column::TxTone, "88.5",
         "      |145.50000|145.50000|OFF|88.5|5|OFF|High|OFF|Wide|VHF1|On|"},
        {"an inverted code", kTGUV2, simplex, Column::RxTone, "D754I",
         "      |145.50000|145.50000|D754I|OFF|5|OFF|High|OFF|Wide|VHF1|On|"},
        {"a switch", kTGUV2, simplex, Column::Width, "Narrow",
         "      |145.50000|145.50000|OFF|OFF|5|OFF|High|OFF|Narrow|VHF1|On|"},
        {"a step the frequency fits", kTGUV2, simplex, Column::Step, "50",
         "      |145.50000|145.50000|OFF|OFF|50|OFF|High|OFF|Wide|VHF1|On|"},
        {"a step it does not", kTGUV2, duplex, Column::Step, "30",
         "Rx frequency and step do not match!"},
        {"out of every band", kTGUV2, simplex, Column::RxFreq, "300",
         "Invalid Rx frequency range!"},
        {"TX in another band", kTGUV2, duplex, Column::TxFreq, "145.5",
         "Frequencies should be in the same range!"},
        {"an empty TX", kTGUV2, simplex, Column::TxFreq, "", "Tx frequency is missing!"},
        {"a TG-6A unit's band", kTG6A, uhf6a, Column::RxFreq, "145.5", "Invalid frequency range!"},
        {"busy set on a TG-6A", kTG6A, uhf6a, Column::BusySet, "On",
         "438.50000|438.50000|OFF|OFF|5|OFF|High|OFF|Wide|On|"},
        {"no value of the column", kTGUV2, simplex, Column::Power, "Turbo",
         "\"Turbo\" is not one of this column's values."},
        {"Range follows RX", kTGUV2, simplex, Column::Range, "UHF1",
         "This column cannot be edited."},
        {"no Scan on a TG-6A", kTG6A, uhf6a, Column::Scan, "OFF", "This column cannot be edited."},
        {"a name the radio cannot show", kTGUV2, simplex, Column::Name, "A.B",
         "A name holds up to six of the letters A to Z, the digits and the characters space * + - "
         "/ _."},
        {"an empty row starts at its frequency", kTGUV2, ts::EmptyChannel(kTGUV2), Column::Name,
         "145.5", "      |145.50000|145.50000|" + rest},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CChannel record = c.record;
        const std::string message =
            EditCell(record, c.column, c.text, c.model, c.model == kTG6A ? 4 : 0);
        EXPECT_EQ(message.empty() ? Texts(record, c.model) : message, c.outcome);
        if (!message.empty()) {
            EXPECT_EQ(ts::BytesOf(record), ts::BytesOf(c.record));
        }
    }
}

// A new channel in an empty row is exactly what "New" and OK store there:
// every byte the editor does not write stays as the empty row held it.
TEST(CellEdit, AnEmptyRowBecomesTheChannelNewWouldMake) {
    CChannel empty = ts::EmptyChannel(kTG6A);
    empty.bytes[20] = 0x5A;
    CChannel byNew = empty, byCell = empty;
    FormValues form = DefaultForm(kTG6A);
    form[kRx].text = form[kTx].text = "438.50000";
    ApplyForm(byNew, form, kTG6A);
    EXPECT_EQ(EditCell(byCell, Column::RxFreq, "438.5", kTG6A, 4), "");
    EXPECT_EQ(ts::BytesOf(byCell), ts::BytesOf(byNew));
}

} // namespace
