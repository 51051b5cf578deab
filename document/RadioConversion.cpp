#include "RadioConversion.h"

#include "CellEdit.h"
#include "CsvLineReader.h"

#include <algorithm>
#include <string>

CsvChannels ConvertRadioRows(RadioModel from, std::span<const CChannel> rows, RadioModel to,
                             int unitBand, std::size_t keptSkipped) {
    const int places = ChannelCount(to);
    std::vector<CsvSkippedLine> skipped;
    // The list the reader gets, and which channel each of its lines holds.
    std::string csv = ChannelRowsToCsv({}, from);
    std::vector<int> channelOfLine = {0, 0};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int channel = static_cast<int>(i);
        if (rows[i].IsEmpty())
            continue;
        if (channel >= places) {
            skipped.push_back({channel, NoPlaceFor(channel, to)});
            continue;
        }
        try {
            const ChannelRow row{channel, rows[i]};
            const std::string line = ChannelRowsToCsv({&row, 1}, from);
            csv += line.substr(line.find("\r\n") + 2);
            channelOfLine.push_back(channel);
        } catch (...) {
            skipped.push_back({channel, UnstorableChannel()});
        }
    }
    CsvChannels read = ChannelsFromCsv(csv, to, unitBand, keptSkipped);
    read.byChannel = true;
    read.otherRadio = from;
    for (CsvSkippedLine& line : read.skipped)
        line.line = channelOfLine.at(static_cast<std::size_t>(line.line));
    for (int& line : read.lines)
        line = line == 0 ? 0 : channelOfLine.at(static_cast<std::size_t>(line)) + 1;
    read.skippedCount += static_cast<int>(skipped.size());
    read.skipped.insert(read.skipped.end(), skipped.begin(), skipped.end());
    std::ranges::sort(read.skipped, {}, &CsvSkippedLine::line);
    if (read.skipped.size() > keptSkipped)
        read.skipped.resize(keptSkipped);
    read.lineCount = read.channelLines + read.skippedCount;
    read.passedLines = 0;
    return read;
}

std::vector<Column> ColumnsNotHeld(RadioModel from, RadioModel to) {
    std::vector<Column> columns;
    for (const ColumnInfo* column : ColumnSet(to, true))
        if (!std::ranges::any_of(ColumnSet(from, true),
                                 [&](const ColumnInfo* held) { return held->id == column->id; }))
            columns.push_back(column->id);
    return columns;
}

void KeepSettings(CChannel& taken, const CChannel& kept, std::span<const Column> columns,
                  RadioModel model, int unitBand) {
    if (kept.IsEmpty() || taken.IsEmpty())
        return;
    for (const Column column : columns)
        if (SettingOfColumn(column)) {
            const CChannel before = taken;
            // A setting the other radio has no word for cannot break a
            // channel; should it anyway, the channel stays as taken.
            if (!EditCell(taken, column, TextsOf(kept, model)[static_cast<std::size_t>(column)],
                          model, unitBand)
                     .empty())
                taken = before;
        }
}

Message NoPlaceFor(int channel, RadioModel model) {
    return Message(VM_TR("Messages", "Channel %1 has no place on a %2 (channels 0\u2013%3)."))
        .Arg(channel)
        .Arg(ModelName(model))
        .Arg(ChannelCount(model) - 1);
}
