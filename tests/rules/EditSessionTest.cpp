// The Row Editor's work without its widgets: what the form shows for the rows
// it edits, and what OK, Next and Prev store.
#include "EditSession.h"
#include "DatBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

namespace ts = testing_support;
using ts::BytesOf;
using ts::UsedChannel;
using Records = std::vector<CChannel>;
using Rows = std::vector<int>;

// A session over records[0..n) of a file for the model, editing the given
// rows (the lowest to the highest; only those given are selected).
struct Session {
    CImageTGUV2 uv2{200};
    CImageTG6A g6a{100};
    CEditSession session;

    Session(RadioModel model, const Records& records, const Rows& rows, bool newMode = false,
            bool uhfRadio = true)
        : session(model, rows.front(), rows.back(), newMode, Padded(model, records),
                  Selected(model, rows), Image(model, uhfRadio)) {}

    const CMemoryImage& Image(RadioModel model, bool uhf) {
        g6a.GetTrailer()[1] = uhf ? 43 : 14;
        return model == kTGUV2 ? static_cast<const CMemoryImage&>(uv2) : g6a;
    }
    static Records Padded(RadioModel model, Records records) {
        records.resize(static_cast<std::size_t>(ChannelCount(model)), ts::EmptyChannel(model));
        return records;
    }
    static std::vector<bool> Selected(RadioModel model, const Rows& rows) {
        std::vector<bool> selected(static_cast<std::size_t>(ChannelCount(model)));
        for (int row : rows)
            selected[static_cast<std::size_t>(row)] = true;
        return selected;
    }
    const CChannel& Record(int row) const {
        return session.Records()[static_cast<std::size_t>(row)];
    }
};

CChannel With(CChannel record, const std::function<void(CChannel&)>& change) {
    change(record);
    return record;
}

// What the form shows for a setting: "*" when the rows differ, else the box
// text or the list position.
std::string Shown(const CEditSession& session, Setting setting) {
    const CEditSession::Shown shown = session.ShownValue(setting);
    if (shown.differing)
        return "*";
    return IsTypedSetting(setting) ? shown.text : std::to_string(shown.position);
}

// The rows in use merge into their common values: a setting that differs
// shows nothing; a record without TX gives way to the next one's TX, but not
// the other way round; names compare with their spaces.
TEST(EditSession, LoadShowsWhatTheEditedRowsShare) {
    const CChannel plain = UsedChannel(kTGUV2, 14500000, 14560000);
    const Records records = {
        plain,
        With(plain, [](CChannel& c) { c.SetFrequencies(14500000, 0, 0, 2, kTGUV2); }),
        With(plain, [](CChannel& c) { c.SetPowerText("Low"); }),
        With(plain, [](CChannel& c) { c.SetNameText("AB    "); }),
        With(plain, [](CChannel& c) { c.SetNameText("AB    "); }),
        With(plain, [](CChannel& c) { c.SetNameText("CD    "); }),
        With(plain, [](CChannel& c) { c.SetFrequencies(43912500, 43412500, 9, 4, kTGUV2); }),
        ts::EmptyChannel(kTGUV2),
    };
    const struct {
        Rows rows;
        std::map<Setting, std::string> shown;
    } cases[] = {
        {{6}, {{kRx, "439.12500"}, {kTx, "434.12500"}, {kStep, "9"}, {kName, ""}, {kPower, "0"}}},
        {{0, 7}, {{kTx, "145.60000"}, {kPower, "0"}, {kReverse, "1"}, {kTxTone, "0"}}},
        {{1, 2}, {{kTx, "145.60000"}, {kPower, "*"}, {kScanAdd, "0"}}},
        {{0, 1}, {{kTx, "*"}, {kRx, "145.00000"}}},
        {{3, 4}, {{kName, "AB"}}},
        {{4, 5}, {{kName, "*"}, {kRx, "145.00000"}}},
        {{0, 3}, {{kName, "*"}}},
    };
    for (const auto& c : cases) {
        Session s(kTGUV2, records, c.rows);
        ASSERT_EQ(s.session.Load(), CEditSession::Form::kValues);
        for (const auto& [setting, text] : c.shown)
            EXPECT_EQ(Shown(s.session, setting), text)
                << "rows " << testing::PrintToString(c.rows) << " setting " << setting;
    }
}

// Rows without a channel show the blank form, or the defaults in New mode;
// only the selected rows of the range count.
TEST(EditSession, EmptyRowsGiveTheBlankFormOrTheDefaults) {
    const Records records = {ts::EmptyChannel(kTG6A), UsedChannel(kTG6A, 43500000, 43500000)};
    const struct {
        Rows rows;
        bool newMode;
        CEditSession::Form form;
    } cases[] = {{{0}, false, CEditSession::Form::kBlank},
                 {{0}, true, CEditSession::Form::kDefaults},
                 {{0, 2}, true, CEditSession::Form::kDefaults},
                 {{0, 1}, true, CEditSession::Form::kValues},
                 {{5}, false, CEditSession::Form::kBlank}};
    for (const auto& c : cases) {
        Session s(kTG6A, records, c.rows, c.newMode);
        EXPECT_EQ(s.session.Load(), c.form) << testing::PrintToString(c.rows) << c.newMode;
    }
}

// The defaults with a frequency typed store a new channel; the settings a
// model lacks are neither offered nor written.
TEST(EditSession, TheDefaultFormStoresANewChannelOfTheModel) {
    for (const RadioModel model : {kTGUV2, kTG6A}) {
        EXPECT_EQ(HasSetting(model, kName), model == kTGUV2);
        EXPECT_EQ(HasSetting(model, kScanAdd), model == kTGUV2);
        EXPECT_EQ(HasSetting(model, kBusySet), model == kTG6A);
        FormValues form = DefaultForm(model);
        form[kRx].text = form[kTx].text = "145.00000";
        CChannel record = ts::EmptyChannel(model);
        ApplyForm(record, form, model);
        CChannel expected = UsedChannel(model, 14500000, 14500000);
        if (model == kTGUV2)
            expected.SetBusySetText("On"); // the cleared record's byte, never written
        EXPECT_EQ(BytesOf(record), BytesOf(expected)) << model;
        form[kRx].text.clear();
        CChannel empty = ts::EmptyChannel(model);
        ApplyForm(empty, form, model);
        EXPECT_EQ(BytesOf(empty), BytesOf(ts::EmptyChannel(model))) << "a blank RX stores nothing";
    }
}

// Each setting whose Keep box is ticked keeps each row's own value; every
// other one takes the form's. Frequencies are stored anew (offset, direction,
// band) unless RX, TX and Step are all kept; the name is padded to six.
TEST(EditSession, ApplyFormWritesWhatIsNotKept) {
    const CChannel row = With(UsedChannel(kTGUV2, 14500000, 14560000), [](CChannel& c) {
        c.SetFrequencies(14500000, 14560000, 3, 2, kTGUV2);
        c.SetPowerText("Low");
        c.SetNameText("OLD   ");
        c.bytes[13] = 7; // a direction that only a fresh SetFrequencies corrects
    });
    const auto form = [](const std::function<void(FormValues&)>& change) {
        FormValues values = DefaultForm(kTGUV2);
        values[kRx].text = "146.00000";
        values[kTx].text = "146.00000";
        values[kName].text = "AB";
        values[kPower] = {"Mid", 1};
        for (Setting kept : {kRx, kTx, kStep, kName, kPower})
            values[kept].keep = true;
        change(values);
        return values;
    };
    const struct {
        const char* what;
        FormValues values;
        std::string expected; // RX TX step direction name power
    } cases[] = {
        {"all kept", form([](FormValues&) {}), "145.00000 145.60000 12.5 7 OLD    Low"},
        {"new RX", form([](FormValues& f) { f[kRx].keep = false; }),
         "146.00000 145.60000 12.5 2 OLD    Low"},
        {"new TX", form([](FormValues& f) { f[kTx].keep = false; }),
         "145.00000 146.00000 12.5 1 OLD    Low"},
        {"new step", form([](FormValues& f) { f[kStep].keep = false; }),
         "145.00000 145.60000 5 1 OLD    Low"},
        {"name and power", form([](FormValues& f) { f[kName].keep = f[kPower].keep = false; }),
         "145.00000 145.60000 12.5 7 AB     Mid"},
    };
    for (const auto& c : cases) {
        CChannel record = row;
        ApplyForm(record, c.values, kTGUV2);
        EXPECT_EQ(record.GetFreqText(true) + " " + record.GetFreqText(false) + " " +
                      record.GetStepText() + " " + std::to_string(record.bytes[13]) + " " +
                      record.GetNameText() + " " + record.GetPowerText(),
                  c.expected)
            << c.what;
    }
}

// OK checks every selected row with the values it would get before writing
// any; rows in the range that are not selected are neither checked nor
// written.
TEST(EditSession, AcceptChecksEveryRowBeforeWritingAny) {
    const Records records = {
        With(UsedChannel(kTGUV2, 14500000, 14560000),
             [](CChannel& c) { c.SetFrequencies(14500000, 14560000, 3, 2, kTGUV2); }),
        UsedChannel(kTGUV2, 14500000, 14440000), UsedChannel(kTGUV2, 14500000, 43500000),
        UsedChannel(kTGUV2, 14500300, 14500300), UsedChannel(kTGUV2, 14500000, 14500000)};
    const std::string unchanged = "145.00000 145.00000 145.00000 145.00300 145.00000";
    const struct {
        Rows rows;
        const char* rx; // null: RX kept
        std::string error;
        std::string rxAfter;
    } cases[] = {
        {{0, 1, 2}, "145.2", "Frequencies should be in the same range!", unchanged},
        {{0, 3}, nullptr, "Rx frequency and step do not match!", unchanged},
        {{1, 2}, nullptr, "Frequencies should be in the same range!", unchanged},
        {{0, 1}, "145.2", "", "145.20000 145.20000 145.00000 145.00300 145.00000"},
        {{1, 4}, "145.2", "", "145.00000 145.20000 145.00000 145.00300 145.20000"},
    };
    for (const auto& c : cases) {
        Session s(kTGUV2, records, c.rows);
        s.session.Load();
        FormValues form = DefaultForm(kTGUV2);
        for (Setting kept : {kRx, kTx, kStep, kName})
            form[kept].keep = true;
        if (c.rx)
            form[kRx] = {c.rx, -1, false};
        SCOPED_TRACE(testing::PrintToString(c.rows));
        EXPECT_EQ(s.session.Accept(form), c.error);
        std::string rxAfter;
        for (int row = 0; row < 5; ++row)
            rxAfter += (row ? " " : "") + s.Record(row).GetFreqText(true);
        EXPECT_EQ(rxAfter, c.rxAfter);
        EXPECT_EQ(s.Record(0).GetFreqText(false), "145.60000") << "TX kept";
    }
    // Offset and direction follow the new RX: 400 kHz up, and 800 kHz down.
    Session s(kTGUV2, records, {0, 1});
    s.session.Load();
    FormValues form = DefaultForm(kTGUV2);
    form[kTx].keep = form[kStep].keep = form[kName].keep = true;
    form[kRx].text = "145.2";
    ASSERT_EQ(s.session.Accept(form), "");
    EXPECT_EQ(BytesOf(s.Record(0)), BytesOf(With(records[0], [](CChannel& c) {
                  c.SetFrequencies(14520000, 14560000, 3, 2, kTGUV2);
              })));
    EXPECT_EQ(std::vector<int>(s.Record(1).bytes + 9, s.Record(1).bytes + 14),
              (std::vector<int>{0, 80, 0, 0, 2}));
}

// Next and Prev store the form in the current row first; a row in use may be
// left only when it is valid, and the first and the last row not at all.
TEST(EditSession, NavigationStoresTheRowAndMovesOnlyFromAValidOne) {
    for (const RadioModel model : {kTGUV2, kTG6A}) {
        const int last = ChannelCount(model) - 1;
        const bool g6a = model == kTG6A;
        const struct {
            int row, step;
            const char* rx;
            std::string error;
            int after;
        } cases[] = {{5, 1, "435.5", "", 6},
                     {5, -1, "435.5", "", 4},
                     {5, 1, "", "Rx frequency is missing!", 5},
                     {5, 1, "145", g6a ? "Invalid frequency range!" : "", g6a ? 5 : 6},
                     {0, -1, "435.5", "", 0},
                     {last, 1, "435.5", "", last}};
        for (const auto& c : cases) {
            Session s(model, ts::UsedChannels(model, 8, 43500000), {c.row});
            s.session.Load();
            FormValues form = DefaultForm(model);
            form[kRx].text = form[kTx].text = c.rx;
            const CEditSession::Move move = s.session.Navigate(c.step, form);
            SCOPED_TRACE(std::to_string(model) + " row " + std::to_string(c.row) + " " + c.rx);
            EXPECT_EQ(move.error, c.error);
            EXPECT_EQ(move.moved, c.after != c.row);
            EXPECT_EQ(s.session.CurrentRow(), c.after);
            EXPECT_EQ(s.Record(c.row).GetFreqText(true),
                      *c.rx ? std::string(c.rx[0] == '1' ? "145.00000" : "435.50000") : "")
                << "stored before the check";
        }
    }
}

} // namespace
