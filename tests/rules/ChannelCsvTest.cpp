// Channel lists as CSV files: what Export writes, what Import reads back, and
// why a line gives no channel.
#include "ChannelCsv.h"
#include "ChannelColumns.h"
#include "DatBuilder.h"
#include "EditSession.h"
#include "FrequencyRules.h"
#include "ToneItems.h"
#include "ToneTables.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>

namespace {

namespace ts = testing_support;
using Records = std::vector<CChannel>;

std::vector<const CChannel*> Rows(const Records& records) {
    std::vector<const CChannel*> rows;
    for (const CChannel& record : records)
        rows.push_back(&record);
    return rows;
}

// A channel as the Row Editor stores it from random values that pass its
// checks: a band the model has (VHF1 or UHF2 for the TG-6A), RX a multiple
// of the step in it, and TX the same, or another in the band.
CChannel EditorWritten(std::mt19937& random, RadioModel model) {
    FormValues form = DefaultForm(model);
    const int step = int(random() % 10), size = StepUnits(step);
    const BandLimits band = LimitsOfBand(model == kTG6A ? (random() % 2 ? kBandVhf1 : kBandUhf2)
                                                        : 1 + int(random() % 5));
    const auto pick = [&] {
        const int first = (band.lowest + size - 1) / size, last = band.highest / size;
        return size * (first + int(random() % unsigned(last - first + 1)));
    };
    const int rx = pick(), tx = random() % 2 ? rx : pick();
    form[kRx].text = FormatFrequency(rx);
    form[kTx].text = FormatFrequency(tx);
    form[kStep].position = step;
    const std::string names = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_/* +-";
    form[kName].text.clear();
    for (auto n = random() % 7; n > 0; --n)
        form[kName].text += names[random() % names.size()];
    form[kRxTone].position = int(random() % kToneItemCount);
    form[kTxTone].position = int(random() % kToneItemCount);
    for (const Setting setting : {kScanAdd, kBusySet, kWidth, kScramble, kPower, kReverse}) {
        const std::vector<std::string> items = ListItems(setting);
        form[setting].text = items[random() % items.size()];
    }
    CChannel record = ts::EmptyChannel(model);
    ApplyForm(record, form, model);
    return record;
}

// Every channel the Row Editor could have written goes out and comes back
// byte for byte, in its row; empty rows are left out and come back empty.
TEST(ChannelCsv, ExportThenImportGivesBackEveryChannel) {
    for (const RadioModel model : {kTGUV2, kTG6A})
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            std::mt19937 random(seed);
            Records records(std::size_t(ChannelCount(model)), ts::EmptyChannel(model));
            for (CChannel& record : records)
                if (random() % 2)
                    record = EditorWritten(random, model);
            const CsvChannels back = ChannelsFromCsv(ChannelsToCsv(Rows(records), model), model, 0);
            EXPECT_EQ(back.skippedCount, 0);
            for (std::size_t row = 0; row < records.size(); ++row)
                EXPECT_EQ(ts::BytesOf(back.records[row]), ts::BytesOf(records[row]))
                    << "model " << model << " seed " << seed << " row " << row;
        }
}

// The header, and a line for each kind of tone pair, of offset and of the
// other fields; rows not in use are left out, quoting only where needed.
TEST(ChannelCsv, ExportWritesOneLinePerChannelInUse) {
    const auto uv2 = [](int rx, int tx, const std::function<void(CChannel&)>& more = {}) {
        CChannel record = ts::UsedChannel(kTGUV2, rx, tx);
        if (more)
            more(record);
        return record;
    };
    const auto tones = [](int tx, int rx) {
        return [=](CChannel& c) {
            c.SetToneSelection(tx, false);
            c.SetToneSelection(rx, true);
        };
    };
    const Records records = {
        uv2(14550000, 14550000, [](CChannel& c) { c.SetNameText("CALL  "); }),
        ts::EmptyChannel(kTGUV2),
        uv2(14560000, 14500000, tones(5, 0)),
        uv2(43850000, 43350000, tones(5, 5)),
        uv2(14550000, 14600000, tones(51, 155 + 0)),
        uv2(14550000, 43500000, tones(0, 52)),
        uv2(14550000, 0, tones(51, 5)),
        uv2(44600625, 44600625,
            [](CChannel& c) {
                c.SetFrequencies(44600625, 44600625, 1, 4, kTGUV2);
                c.SetScanText("OFF");
                c.SetWidthText("Narrow");
                c.SetPowerText("Mid");
                c.SetReverseText("On");
                c.SetScrambleText("On");
            }),
    };
    const std::string csv = ChannelsToCsv(Rows(records), kTGUV2);
    const std::string tail = "FM,5.00,,High,,,,,,OFF,OFF,\r\n";
    EXPECT_EQ(csv,
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
              "RPT2CALL,DVCODE,Reverse,Scramble,BusySet\r\n"
              "0,CALL,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone," +
                  tail + "2,,145.600000,-,0.600000,Tone,77.0,88.5,023,NN,023,Tone->Tone," + tail +
                  "3,,438.500000,-,5.000000,TSQL,77.0,77.0,023,NN,023,Tone->Tone," + tail +
                  "4,,145.500000,+,0.500000,DTCS,88.5,88.5,023,NR,023,Tone->Tone," + tail +
                  "5,,145.500000,split,435.000000,Cross,88.5,88.5,023,NN,025,->DTCS," + tail +
                  "6,,145.500000,off,0.000000,Cross,88.5,77.0,023,NN,023,DTCS->Tone," + tail +
                  "7,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,S,Mid,"
                  ",,,,,On,On,\r\n");
    CChannel g6a = ts::UsedChannel(kTG6A, 43850000, 43850000);
    g6a.SetBusySetText("On");
    const std::string line = ChannelsToCsv(Rows({g6a}), kTG6A).substr(csv.find("\r\n") + 2);
    EXPECT_EQ(line, "0,,438.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,,"
                    "OFF,OFF,On\r\n");
}

// The channels a file gives ("row: RX TX step") and the lines it skips.
std::string Outcome(std::string_view file, RadioModel model, int unit) {
    const CsvChannels read = ChannelsFromCsv(file, model, unit);
    std::string outcome = read.error.English();
    for (std::size_t row = 0; row < read.records.size(); ++row)
        if (const CChannel& c = read.records[row]; !c.IsEmpty())
            outcome += std::to_string(row) + ": " + c.GetFreqText(true) + " " +
                       c.GetFreqText(false) + " " + c.GetStepText() + "\n";
    for (const CsvSkippedLine& line : read.skipped)
        outcome += "Line " + std::to_string(line.line) + ": " + line.reason.English() + "\n";
    return outcome;
}

// What Import makes of a file written by hand or by another program: a byte
// order mark, LF or CR LF, quoted fields across lines, columns in any order
// and letter case, unknown columns, missing ones taking a new channel's
// values; and each line it skips, numbered as the file's lines, with why.
TEST(ChannelCsv, ImportReadsAnyFileAndSaysWhichLinesItSkipped) {
    const std::string file =
        "\xEF\xBB\xBF"
        "frequency,LOCATION,Name,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "CrossMode,Mode,TStep,Skip,Power,Extra\r\n"                        // line 1
        "145.5,0,\"Ab,c\"\"d9xyz\",,,TSQL-R,67.0,,,,,NFM,,P,med,ignored\n" // 2
        "438.5,1,rpt,-,5,DTCS-R,,,25,RN,,,,,0.5 W,\"two\nlines\"\n"        // 3, 4
        "145.5,2,,,,Tone,69.4,,,,,,,,,\n"                                  // 5
        "145.5,200,,,,,,,,,,,,,,\n"                                        // 6
        "145.5,1,,,,,,,,,,,,,,\n"                                          // 7
        "145.5,3,,off,,,,,,,,,,,,\n"                                       // 8
        "145.5,4,,split,435,,,,,,,,,,,\n"                                  // 9
        "145.5000001,6,,,,,,,,,,,,,,\n"                                    // 10
        "145.5,7,,,,Cross,,,,,DTCS->,AM,,,,\n"                             // 11
        "145.5,8,,,,Cross,,,99,,DTCS->,,,,,\n"                             // 12
        "145.5,9,,,,,,,,,,,,,Turbo,\n"                                     // 13
        "446.00625,10,,,,TSQL,67.0,71.9,,,,,,,4W,\n"                       // 14
        "\n";
    EXPECT_EQ(Outcome(file, kTGUV2, 0),
              "0: 145.50000 145.50000 5\n1: 438.50000 433.50000 5\n10: 446.00625 446.00625 6.25\n"
              "Line 5: CTCSS tone 69.4 is not in the radio's table.\n"
              "Line 6: Location \"200\" is not a row number from 0 to 199.\n"
              "Line 7: Location 1 was given before, in line 3.\n"
              "Line 8: receive-only channels (Duplex \"off\") cannot be stored in this radio.\n"
              "Line 9: 145.50000 MHz and the transmit frequency 435.00000 MHz are in different "
              "bands; the radio needs both in one.\n"
              "Line 10: Frequency 145.5000001 MHz is not a whole multiple of 10 Hz.\n"
              "Line 11: Mode \"AM\" is not FM or NFM.\n"
              "Line 12: DCS code 99 is not in the radio's table.\n"
              "Line 13: Power \"Turbo\" is not High, Mid, Low or a number of watts.\n");
    const CsvChannels read = ChannelsFromCsv(file, kTGUV2, 0);
    const auto texts = [&](int row) {
        std::string joined;
        for (const ColumnInfo* column : ColumnSet(kTGUV2, true))
            if (column->text)
                joined += column->text(read.records[std::size_t(row)]) + "|";
        return joined;
    };
    EXPECT_EQ(texts(0), "ABCD9X|145.50000|145.50000|67.0|OFF|5|OFF|Mid|OFF|Narrow|VHF1|OFF|");
    EXPECT_EQ(texts(1), "RPT   |438.50000|433.50000|D025N|OFF|5|OFF|Low|OFF|Wide|UHF2|On|");
    EXPECT_EQ(texts(10), "      |446.00625|446.00625|71.9|71.9|6.25|OFF|High|OFF|Wide|UHF2|On|");
}

std::string Utf16(std::string_view ascii, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii)
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

// Lists as radio users publish them, read as a careful reader would: the
// channels a file gives, or why it cannot be read, and the lines it skips.
TEST(ChannelCsv, ImportReadsPublishedListsAsTheRadioCanTakeThem) {
    const std::string h = "Location,Name,Frequency,Duplex,Offset,Mode,TStep\n";
    const std::string uv2 = " MHz is outside the TG-UV2's bands (88\u2013108, 136\u2013173.995, "
                            "350\u2013389.995, 400\u2013469.995, 470\u2013519.995 MHz).\n";
    const std::string uhf = " MHz is outside this TG-6A's band (400\u2013469.995 MHz).\n";
    const std::string simplex = "1: 145.50000 145.50000 5\n";
    using Case = std::tuple<const char*, RadioModel, int, std::string, std::string>;
    const Case cases[] = {
        {"a TStep that does not fit is a hint", kTGUV2, 0,
         h + "1,GMRS01,462.5625,,,NFM,5.00\n2,,457.513,,,FM,5.00\n3,,145.505,+,0.00125\n",
         "1: 462.56250 462.56250 6.25\nLine 3: no step of the radio fits 457.51300 MHz.\nLine 4: "
         "no step of the radio fits both 145.50500 MHz and the transmit frequency 145.50625 "
         "MHz.\n"},
        {"out of band is the reason that matters", kTGUV2, 0,
         h + "1,TAC-22,223.52,,,FM,25\n2,MQY Tower,118.5,off,,AM,5.00\n",
         "Line 2: 223.52000" + uv2 + "Line 3: 118.50000" + uv2},
        {"a TG-6A unit takes only its band", kTG6A, kBandUhf2,
         h + "1,,479.975\n2,,145.5\n3,,438.5,split,145.5\n",
         "Line 2: 479.97500" + uhf + "Line 3: 145.50000" + uhf +
             "Line 4: the transmit frequency 145.50000" + uhf},
        {"a TG-6A of no known unit takes either band", kTG6A, 0,
         h + "1,,145.5\n2,,438.5\n3,,479.975\n",
         simplex + "2: 438.50000 438.50000 5\nLine 4: 479.97500 MHz is outside the TG-6A's bands "
                   "(136\u2013173.995, 400\u2013469.995 MHz).\n"},
        {"an unclosed quote loses no line", kTGUV2, 0,
         h + "1,,145.5\n2,\"R2 EST,145.55\n3,,145.6\n",
         simplex + "3: 145.60000 145.60000 5\nLine 3: a quoted field is not closed.\n"},
        {"a line of empty fields is passed over", kTGUV2, 0, ",,,\n" + h + ",,,,,,\nx\n",
         "Line 4: Location \"x\" is not a row number from 0 to 199.\n"},
        {"UTF-16 LE", kTGUV2, 0, Utf16("Location,Frequency\r\n1,145.5\r\n", false), simplex},
        {"UTF-16 BE", kTGUV2, 0, Utf16("Location,Frequency\n1,145.5\n", true), simplex},
        {"a sep= line names the separator", kTGUV2, 0, "sep=;\nLocation;Frequency\n1;145.5\n2;x\n",
         simplex + "Line 4: Frequency \"x\" is not a number of MHz.\n"},
        {"semicolons and decimal commas", kTGUV2, 0,
         "Location;Frequency;Duplex;Offset\n1;145,5;+;0,6\n", "1: 145.50000 146.10000 5\n"},
        {"tabs", kTGUV2, 0, "Location\tFrequency\n1\t145.5\n", simplex},
        {"no header", kTG6A, 0, "0,145.5\n",
         "The file has no header line naming its columns, such as Location and Frequency."},
        {"no Frequency", kTG6A, 0, "Location,Name\n0,A\n", "The file has no \"Frequency\" column."},
        {"no Location", kTG6A, 0, "Frequency\n145.5\n", "The file has no \"Location\" column."},
    };
    for (const auto& [name, model, unit, file, outcome] : cases)
        EXPECT_EQ(Outcome(file, model, unit), outcome) << name;
}

// A line of four million separators, which once made as many fields, is
// read as fast as any file of its size, and passed over as empty.
TEST(ChannelCsv, AHugeLineOfSeparatorsIsPassedOverQuickly) {
    const std::string file = "Location,Frequency\n" + std::string(4 << 20, ',') + "\n1,145.5\n";
    const auto start = std::chrono::steady_clock::now();
    const CsvChannels read = ChannelsFromCsv(file, kTGUV2, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(std::to_string(read.channelLines) + " " + std::to_string(read.passedLines), "1 2");
}

} // namespace
