#include "SystemClipboard.h"

#include "ListText.h"
#include "Translation.h"

#include <QGuiApplication>
#include <QMimeData>

namespace {

const QString kPrivateType = QString::fromLatin1(kVelmoraChannelsType);
const QString kCsvType = QStringLiteral("text/csv");
const QString kTextType = QStringLiteral("text/plain");

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

CSystemClipboard& CSystemClipboard::Get() {
    static CSystemClipboard* clipboard = new CSystemClipboard(QGuiApplication::instance());
    return *clipboard;
}

CSystemClipboard::CSystemClipboard(QObject* parent) : QObject(parent) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::changed, this, &CSystemClipboard::OnChanged);
}

void CSystemClipboard::OnChanged(QClipboard::Mode mode) {
    if (mode == QClipboard::Clipboard)
        ++m_nChanges;
}

void CSystemClipboard::Publish(RadioModel model, std::span<const ChannelRow> rows,
                               std::span<const Column> columns) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || rows.empty())
        return;
    m_published = Bytes(VelmoraChannels(model, rows));
    auto* data = new QMimeData;
    data->setData(kPrivateType, m_published);
    data->setData(kCsvType, Bytes(ChannelRowsToCsv(rows, model)));
    data->setData(kTextType, Bytes(ChannelRowsToText(rows, model, columns)));
    clipboard->setMimeData(data);
    m_nKnown = m_nChanges;
}

std::optional<TakenChannels> CSystemClipboard::PeekNew(RadioModel model, int unitBand) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || data->formats().isEmpty() || m_nKnown == m_nChanges)
        return std::nullopt;
    // Our own rows come back as a change when the desktop tells of it late.
    if (data->hasFormat(kPrivateType) && data->data(kPrivateType) == m_published) {
        m_nKnown = m_nChanges;
        return std::nullopt;
    }
    TakenChannels taken;
    if (data->hasFormat(kPrivateType))
        taken = TakeVelmoraChannels(View(data->data(kPrivateType)), model, unitBand);
    for (const QString& type : {kCsvType, kTextType})
        if (!taken.holdsChannels && data->hasFormat(type))
            taken = TakeChannelText(View(data->data(type)), model, unitBand);
    return taken;
}

QString SkippedDetails(const std::vector<CsvSkippedLine>& skipped, int total, bool byChannel) {
    QStringList lines;
    for (const CsvSkippedLine& line : skipped) {
        const QString reason = Tr(line.reason);
        // A reason that names its channel itself stands alone.
        if (byChannel && std::string_view(line.reason.Pattern()).starts_with("Channel %1 "))
            lines << reason;
        else
            lines << (byChannel ? CSystemClipboard::tr("Channel %1: %2")
                                : CSystemClipboard::tr("Line %1: %2"))
                         .arg(line.line)
                         .arg(reason);
    }
    // A list of nothing but bad lines must not bury the user in them.
    if (total > lines.size())
        lines << CSystemClipboard::tr("... and %1 more.").arg(total - lines.size());
    return lines.join(QLatin1Char('\n'));
}
