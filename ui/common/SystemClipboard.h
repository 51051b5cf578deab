#pragma once

#include "ChannelColumns.h"
#include "ChannelTransfer.h"

#include <QByteArray>
#include <QClipboard>
#include <QObject>

#include <optional>
#include <span>

// The desktop's clipboard as the windows of one Velmora program use it: Copy
// and Cut publish rows there in three forms, and Paste asks what another
// program has put there since (another Velmora program, a spreadsheet, a text
// editor). The row clipboard of each document keeps working whatever happens
// here: the desktop's clipboard may be missing, or taken by anyone.
class CSystemClipboard : public QObject {
    Q_OBJECT

public:
    // The one of this program.
    static CSystemClipboard& Get();

    // Publishes the rows of a list of the model: the private form (every
    // byte), the CSV layout ("text/csv") and the columns given as
    // tab-separated text with their titles ("text/plain").
    void Publish(RadioModel model, std::span<const ChannelRow> rows,
                 std::span<const Column> columns);
    // What another program put on the clipboard since this program last
    // published or took something, read for a list of the model (unitBand:
    // its TG-6A unit); nothing when there is nothing new. Content without
    // channels comes back with holdsChannels false.
    std::optional<TakenChannels> PeekNew(RadioModel model, int unitBand);
    // What the clipboard holds now counts as taken: it is not new again
    // until it changes.
    void MarkTaken() { m_nKnown = m_nChanges; }

private:
    explicit CSystemClipboard(QObject* parent);
    void OnChanged(QClipboard::Mode mode);

    // Changes of the clipboard seen, and how many there were when this
    // program last published or took what it held; what it held before this
    // program first looked is new.
    int m_nChanges = 0;
    int m_nKnown = -1;
    // The private form last published, which is never taken back as new.
    QByteArray m_published;
};

// The lines of a report of what gave no channel ("Line 4: …", or "Channel
// 150: …" when numbered by channel), ending with how many more there were
// when not all are kept.
QString SkippedDetails(const std::vector<CsvSkippedLine>& skipped, int total, bool byChannel);
