#include "ChannelPages.h"

#include "Translation.h"

#include "ChannelDocument.h"
#include "ProgramInfo.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Body sizes in points: the largest that lets the table fit across a portrait
// page is taken, down to the smallest that still reads well in the field.
constexpr double kLargestSize = 10;
constexpr double kReadableSize = 8;
// Below the readable size only when even the other orientation is too narrow.
constexpr double kSmallestSize = 5;
constexpr double kSizeStep = 0.5;
// Room on either side of a cell's text and above and below it, in ems.
constexpr double kCellPadding = 0.4;
constexpr double kRowPadding = 0.15;
// The title line and the footer take their line and most of another, which
// may hold the date.
constexpr double kTitleRoom = 1.75;
constexpr double kPdfMarginMm = 10;
// What a column may gain beyond its widest text, in ems: the rest of the
// width is left free, its lines to write on.
constexpr double kMostSpread = 2;

// The lines between rows are light enough to write over.
const QColor kRowLine(200, 200, 200);
const QColor kHeadingFill(235, 235, 235);
const QColor kHeadingLine(110, 110, 110);

QFont FontOf(double points, bool bold = false) {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Device units per point.
double UnitOf(QPaintDevice& device) { return device.logicalDpiY() / 72.0; }

} // namespace

struct CChannelPages::Layout {
    QFont body, heading, title, small;
    double unit = 1;
    QSizeF area;
    std::vector<double> widths;
    double rowHeight = 0;
    double titleHeight = 0;
    double footerHeight = 0;
    // The first row of each page, and then the number of rows.
    std::vector<int> breaks;
    int Pages() const { return static_cast<int>(breaks.size()) - 1; }
};

CChannelPages::CChannelPages(const CChannelDocument& document, bool showAll,
                             const QString& fileName, const QString& date)
    : m_columns(ColumnSet(document.Model(), showAll)), m_date(date) {
    for (const ColumnInfo* column : m_columns)
        m_headings << TrColumn(column->header);
    for (int row = 0; row < document.RowCount(); ++row) {
        const CChannel& record = document.Record(row);
        if (record.IsEmpty())
            continue;
        const ColumnTexts texts = TextsOf(record, document.Model());
        QStringList cells;
        for (const ColumnInfo* column : m_columns)
            cells << (column->id == Column::Id
                          ? QString::number(row)
                          : TrCell(*column, texts[static_cast<std::size_t>(column->id)]));
        m_rows.push_back(std::move(cells));
    }
    const int used = static_cast<int>(m_rows.size());
    m_title = FillPattern(
        used == 1 ? QCoreApplication::translate("CChannelPages", "%1 \u2014 %2 \u2014 1 channel")
                  : QCoreApplication::translate("CChannelPages", "%1 \u2014 %2 \u2014 %n channels",
                                                nullptr, used),
        {fileName, QString::fromLatin1(ModelName(document.Model()))});
}

CChannelPages::~CChannelPages() = default;

std::vector<double> CChannelPages::Widths(QPaintDevice& device, double points) const {
    const QFontMetricsF body(FontOf(points), &device);
    const QFontMetricsF heading(FontOf(points, true), &device);
    std::vector<double> widths;
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        double widest = std::max(heading.horizontalAdvance(m_headings[static_cast<int>(c)]),
                                 body.horizontalAdvance(QString::fromLatin1(m_columns[c]->widest)));
        for (const QStringList& row : m_rows)
            widest = std::max(widest, body.horizontalAdvance(row[static_cast<int>(c)]));
        widths.push_back(widest + 2 * kCellPadding * points * UnitOf(device));
    }
    return widths;
}

double CChannelPages::TableWidth(QPaintDevice& device, double points) const {
    const std::vector<double> widths = Widths(device, points);
    return std::accumulate(widths.begin(), widths.end(), 0.0);
}

QPageLayout::Orientation CChannelPages::OrientationFor(QPaintDevice& device,
                                                       const QPageLayout& paper) const {
    QPageLayout portrait = paper;
    portrait.setOrientation(QPageLayout::Portrait);
    const double width = portrait.paintRect(QPageLayout::Point).width() * UnitOf(device);
    return TableWidth(device, kReadableSize) <= width ? QPageLayout::Portrait
                                                      : QPageLayout::Landscape;
}

void CChannelPages::ChooseOrientation(QPagedPaintDevice& device) const {
    device.setPageOrientation(OrientationFor(device, device.pageLayout()));
}

CChannelPages::Layout CChannelPages::Lay(QPaintDevice& device, const QSizeF& area,
                                         double portraitWidth) const {
    // The size that fits a portrait page also serves a landscape one, so
    // that turning the paper gives no more pages than it must.
    double points = kLargestSize;
    while (points > kReadableSize && TableWidth(device, points) > portraitWidth)
        points -= kSizeStep;
    while (points > kSmallestSize && TableWidth(device, points) > area.width())
        points -= kSizeStep;

    Layout layout;
    layout.unit = UnitOf(device);
    layout.area = area;
    layout.body = FontOf(points);
    layout.heading = FontOf(points, true);
    layout.title = FontOf(points + 3, true);
    layout.small = FontOf(points - 1);
    layout.widths = Widths(device, points);
    const double total = std::accumulate(layout.widths.begin(), layout.widths.end(), 0.0);
    // Some of what is left of the width is shared out, so that the columns
    // stand apart and have room to write in.
    if (total < area.width())
        for (double& width : layout.widths)
            width += std::min((area.width() - total) / static_cast<double>(layout.widths.size()),
                              kMostSpread * points * layout.unit);

    layout.rowHeight = std::ceil(QFontMetricsF(layout.heading, &device).height() +
                                 2 * kRowPadding * points * layout.unit);
    layout.titleHeight = QFontMetricsF(layout.title, &device).height() * kTitleRoom;
    layout.footerHeight = QFontMetricsF(layout.small, &device).height() * kTitleRoom;

    const int rows = static_cast<int>(m_rows.size());
    layout.breaks.push_back(0);
    do {
        double room = area.height() - layout.footerHeight - layout.rowHeight;
        if (layout.breaks.size() == 1)
            room -= layout.titleHeight;
        const int fit = std::max(1, static_cast<int>(room / layout.rowHeight));
        layout.breaks.push_back(std::min(rows, layout.breaks.back() + fit));
    } while (layout.breaks.back() < rows);
    return layout;
}

void CChannelPages::DrawPage(QPainter& painter, const Layout& layout, int page) const {
    const double width = layout.area.width();
    double y = 0;
    if (page == 0) {
        painter.setFont(layout.title);
        const QRectF line(0, 0, width, layout.titleHeight / kTitleRoom);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, m_title);
        // The date goes below the title when they would meet.
        painter.setFont(layout.small);
        const double titleWidth =
            QFontMetricsF(layout.title, painter.device()).horizontalAdvance(m_title);
        const double dateWidth =
            QFontMetricsF(layout.small, painter.device()).horizontalAdvance(m_date);
        painter.drawText(titleWidth + dateWidth + layout.rowHeight < width
                             ? line
                             : line.translated(0, line.height()),
                         Qt::AlignRight | Qt::AlignVCenter, m_date);
        y = layout.titleHeight;
    }

    const double padding = kCellPadding * layout.body.pointSizeF() * layout.unit;
    const auto drawRow = [&](const QStringList& cells) {
        double x = 0;
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            const QRectF cell(x + padding, y, layout.widths[c] - 2 * padding, layout.rowHeight);
            painter.drawText(cell,
                             (m_columns[c]->leftAligned ? Qt::AlignLeft : Qt::AlignRight) |
                                 Qt::AlignVCenter,
                             cells[static_cast<int>(c)]);
            x += layout.widths[c];
        }
        y += layout.rowHeight;
    };

    painter.fillRect(QRectF(0, y, width, layout.rowHeight), kHeadingFill);
    painter.setFont(layout.heading);
    drawRow(m_headings);
    painter.setPen(QPen(kHeadingLine, 0.75 * layout.unit));
    painter.drawLine(QPointF(0, y), QPointF(width, y));

    painter.setFont(layout.body);
    const QPen text = QPen(Qt::black);
    const QPen line = QPen(kRowLine, 0.5 * layout.unit);
    for (int row = layout.breaks[static_cast<std::size_t>(page)];
         row < layout.breaks[static_cast<std::size_t>(page) + 1]; ++row) {
        painter.setPen(text);
        drawRow(m_rows[static_cast<std::size_t>(row)]);
        painter.setPen(line);
        painter.drawLine(QPointF(0, y), QPointF(width, y));
    }

    painter.setPen(text);
    painter.setFont(layout.small);
    painter.drawText(QRectF(0, layout.area.height() - layout.footerHeight / kTitleRoom, width,
                            layout.footerHeight / kTitleRoom),
                     Qt::AlignHCenter | Qt::AlignBottom,
                     QCoreApplication::translate("CChannelPages", "Page %1 of %2")
                         .arg(page + 1)
                         .arg(layout.Pages()));
}

bool CChannelPages::Print(QPagedPaintDevice& device) const {
    QPageLayout portrait = device.pageLayout();
    portrait.setOrientation(QPageLayout::Portrait);
    const Layout layout = Lay(device, QSizeF(device.width(), device.height()),
                              portrait.paintRect(QPageLayout::Point).width() * UnitOf(device));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = 0; page < layout.Pages(); ++page) {
        if (page > 0 && !device.newPage())
            return false;
        DrawPage(painter, layout, page);
    }
    return painter.end();
}

QImage CChannelPages::PageImage(const QPageLayout& paper, int page, int dpi) const {
    QImage image(paper.fullRectPixels(dpi).size(), QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPageLayout portrait = paper;
    portrait.setOrientation(QPageLayout::Portrait);
    const QRect area = paper.paintRectPixels(dpi);
    const Layout layout = Lay(image, area.size(), portrait.paintRectPixels(dpi).width());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    DrawPage(painter, layout, std::clamp(page, 0, layout.Pages() - 1));
    return image;
}

QPageLayout PdfPaper(const QLocale& locale) {
    const bool inches = locale.measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                       QPageLayout::Millimeter);
}

QByteArray ChannelPdf(const CChannelPages& pages, const QPageLayout& paper, const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(paper);
        writer.setTitle(title);
        writer.setCreator(kProgramName + QLatin1Char(' ') + kProgramVersion);
        pages.ChooseOrientation(writer);
        if (!pages.Print(writer))
            return {};
    }
    return buffer.data();
}
