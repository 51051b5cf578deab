// The Row Editor's work without its widgets: what the form shows for the rows
// it edits, and what OK, Next and Prev store.
#include "EditSession.h"
#include "DatBuilder.h"

#include <gtest/gtest.h>

#include <map>

namespace {

namespace ts = testing_support;
using ts::UsedChannel;
using Records = std::vector<CChannel>;
using Rows = std::vector<int>;

// A session editing the given rows (the lowest to the highest; only those
// given are selected) of a file whose first records are given; a TG-6A file
// is of a radio for 400 MHz and above.
CEditSession Session(RadioModel model, Records records, const Rows& rows, bool newMode = false) {
    static const CImageTGUV2 uv2(200);
    static CImageTG6A g6a(100);
    g6a.GetTrailer()[1] = 43;
    records.resize(std::size_t(ChannelCount(model)), ts::EmptyChannel(model));
    std::vector<bool> selected(records.size());
    for (int row : rows)
        selected[std::size_t(row)] = true;
    return CEditSession(model, rows.front(), rows.back(), newMode, std::move(records),
                        std::move(selected),
                        model == kTGUV2 ? static_cast<const CMemoryImage&>(uv2) : g6a);
}

// A form with the given settings kept and the given texts typed.
FormValues Form(RadioModel model, const std::vector<Setting>& kept,
                std::initializer_list<std::pair<Setting, const char*>> typed = {}) {
    FormValues form = DefaultForm(model);
    for (Setting setting : kept)
        form[setting].keep = true;
    for (const auto& [setting, text] : typed)
        form[setting].text = text;
    return form;
}

// The rows in use merge into their common values ("*": they differ); a record
// without TX gives way to the next one's TX, but not the other way round;
// names compare with their spaces. Empty rows give the blank form, or the
// defaults in New mode.
TEST(EditSession, LoadShowsWhatTheEditedRowsShare) {
    Records records(7, UsedChannel(kTGUV2, 14500000, 14560000));
    records[1].SetFrequencies(14500000, 0, 0, 2, kTGUV2);
    records[2].SetPowerText("Low");
    records[3].SetNameText("AB    ");
    records[4].SetNameText("AB    ");
    records[5].SetNameText("CD    ");
    const struct {
        Rows rows;
        std::map<Setting, std::string> shown;
    } cases[] = {
        {{0, 7}, {{kTx, "145.60000"}, {kReverse, "1"}, {kTxTone, "0"}, {kScanAdd, "0"}}},
        {{1, 2}, {{kTx, "145.60000"}, {kPower, "*"}}},
        {{0, 1}, {{kTx, "*"}, {kRx, "145.00000"}}},
        {{3, 4}, {{kName, "AB"}}},
        {{4, 5}, {{kName, "*"}}},
    };
    for (const auto& c : cases) {
        CEditSession s = Session(kTGUV2, records, c.rows);
        ASSERT_EQ(s.Load(), CEditSession::Form::kValues);
        for (const auto& [setting, text] : c.shown) {
            const CEditSession::Shown shown = s.ShownValue(setting);
            EXPECT_EQ(shown.differing           ? "*"
                      : IsTypedSetting(setting) ? shown.text
                                                : std::to_string(shown.position),
                      text)
                << testing::PrintToString(c.rows) << " setting " << setting;
        }
    }
    const std::tuple<Rows, bool, CEditSession::Form> empties[] = {
        {{7}, false, CEditSession::Form::kBlank},
        {{7}, true, CEditSession::Form::kDefaults},
        {{6, 7}, true, CEditSession::Form::kValues}};
    for (const auto& [rows, newMode, form] : empties)
        EXPECT_EQ(Session(kTG6A, records, rows, newMode).Load(), form) << newMode;
}

// A setting whose Keep box is ticked keeps each row's own value; every other
// takes the form's. Frequencies are stored anew (offset, direction, band)
// unless RX, TX and Step are all kept; the name is padded to six.
TEST(EditSession, ApplyFormWritesWhatIsNotKept) {
    CChannel row = UsedChannel(kTGUV2, 14500000, 14560000);
    row.SetPowerText("Low");
    row.SetNameText("OLD   ");
    row.bytes[22] = 3;
    row.bytes[13] = 7; // a direction that only a fresh SetFrequencies corrects
    const std::pair<std::vector<Setting>, std::string> cases[] = {
        {{kRx, kTx, kStep, kName, kPower}, "145.00000 145.60000 12.5 7 OLD    Low"},
        {{kTx, kStep, kName, kPower}, "146.00000 145.60000 12.5 2 OLD    Low"},
        {{kRx, kStep, kName, kPower}, "145.00000 146.00000 12.5 1 OLD    Low"},
        {{kRx, kTx, kName, kPower}, "145.00000 145.60000 5 1 OLD    Low"},
        {{kRx, kTx, kStep}, "145.00000 145.60000 12.5 7 AB     Mid"},
    };
    for (const auto& [kept, expected] : cases) {
        FormValues form = Form(kTGUV2, kept, {{kRx, "146"}, {kTx, "146"}, {kName, "AB"}});
        form[kPower].text = "Mid";
        CChannel record = row;
        ApplyForm(record, form, kTGUV2);
        EXPECT_EQ(record.GetFreqText(true) + " " + record.GetFreqText(false) + " " +
                      record.GetStepText() + " " + std::to_string(record.bytes[13]) + " " +
                      record.GetNameText() + " " + record.GetPowerText(),
                  expected);
    }
}

// OK checks every selected row with the values it would get before writing
// any; rows in the range that are not selected are neither checked nor
// written. A new RX recomputes each row's offset from its own TX.
TEST(EditSession, AcceptChecksEveryRowBeforeWritingAny) {
    Records records = {
        UsedChannel(kTGUV2, 14500000, 14560000), UsedChannel(kTGUV2, 14500000, 14440000),
        UsedChannel(kTGUV2, 14500000, 43500000), UsedChannel(kTGUV2, 14500300, 14500300),
        UsedChannel(kTGUV2, 14500000, 14500000)};
    records[0].bytes[22] = 3; // the 12.5 kHz step
    const std::string unchanged = "145.00000 145.00000 145.00000 145.00300 145.00000 ";
    const std::tuple<Rows, bool, std::string, std::string> cases[] = {
        {{0, 1, 2}, true, "Frequencies should be in the same range!", unchanged},
        {{0, 3}, false, "Rx frequency and step do not match!", unchanged},
        {{1, 2}, false, "Frequencies should be in the same range!", unchanged},
        {{0, 1}, true, "", "145.20000 145.20000 145.00000 145.00300 145.00000 "},
        {{1, 4}, true, "", "145.00000 145.20000 145.00000 145.00300 145.20000 "},
    };
    for (const auto& [rows, newRx, error, rxAfter] : cases) {
        CEditSession s = Session(kTGUV2, records, rows);
        s.Load();
        FormValues form = Form(kTGUV2, {kRx, kTx, kStep, kName}, {{kRx, "145.2"}});
        form[kRx].keep = !newRx;
        EXPECT_EQ(s.Accept(form), error) << testing::PrintToString(rows);
        std::string rx;
        for (int row = 0; row < 5; ++row)
            rx += s.Records().at(row).GetFreqText(true) + " ";
        EXPECT_EQ(rx, rxAfter);
    }
}

// Next and Prev store the form in the current row first; a row in use may be
// left only when it is valid (a TG-6A for 400 MHz and above refuses 145 MHz),
// and the first and the last row not at all.
TEST(EditSession, NavigationStoresTheRowAndMovesOnlyFromAValidOne) {
    const std::tuple<int, int, const char*, std::string, int> cases[] = {
        {5, 1, "435.5", "", 6},
        {5, 1, "", "Rx frequency is missing!", 5},
        {5, 1, "145", "Invalid frequency range!", 5},
        {0, -1, "435.5", "", 0},
        {99, 1, "435.5", "", 99}};
    for (const auto& [row, step, rx, error, after] : cases) {
        CEditSession s = Session(kTG6A, ts::UsedChannels(kTG6A, 8, 43500000), {row});
        s.Load();
        const CEditSession::Move move = s.Navigate(step, Form(kTG6A, {}, {{kRx, rx}, {kTx, rx}}));
        SCOPED_TRACE("row " + std::to_string(row) + " " + rx);
        EXPECT_EQ(move.error, error);
        EXPECT_EQ(move.moved, after != row);
        EXPECT_EQ(s.CurrentRow(), after);
        EXPECT_EQ(s.Records().at(row).GetFreqText(true),
                  *rx ? (rx[0] == '1' ? "145.00000" : "435.50000") : "");
    }
}

} // namespace
