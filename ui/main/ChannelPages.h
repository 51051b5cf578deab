#pragma once

#include "ChannelColumns.h"

#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <vector>

class CChannelDocument;
class QLocale;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// The channel list on paper: a title line on the first page (the file, the
// radio, the channels in use and the day it was printed), then a table of the
// channels in use in row order, with the columns the list shows and its
// headings repeated at the top of every page, and "Page N of M" at the foot of
// each. The same drawing serves the printer, its preview, the PDF and the
// guide's pictures.
class CChannelPages {
public:
    // The texts are taken from the document now; later changes to it do not
    // reach the pages.
    CChannelPages(const CChannelDocument& document, bool showAll, const QString& fileName,
                  const QString& date);
    ~CChannelPages();

    // The title line: "radio.DAT — TG-UV2 — 57 channels".
    const QString& Title() const { return m_title; }

    // Portrait, unless the table fits across a portrait page of the device's
    // paper only below the smallest readable size; then landscape.
    QPageLayout::Orientation OrientationFor(QPaintDevice& device, const QPageLayout& paper) const;
    // Sets that orientation on the device, before its pages are drawn.
    void ChooseOrientation(QPagedPaintDevice& device) const;
    // Draws every page on the device (a printer, its preview, a PDF writer)
    // in the orientation it has. False when the device took no painting.
    bool Print(QPagedPaintDevice& device) const;
    // A picture of one page (from 0) on paper, white, at dpi dots per inch.
    QImage PageImage(const QPageLayout& paper, int page, int dpi) const;

private:
    struct Layout;
    // The fonts, column widths and page breaks for pages whose printable area
    // is area, in the device's units; portraitWidth is the width that area
    // has on a portrait page of the same paper.
    Layout Lay(QPaintDevice& device, const QSizeF& area, double portraitWidth) const;
    // The width of each column and of the table at a body size in points,
    // in the device's units: room for its heading and its widest text.
    std::vector<double> Widths(QPaintDevice& device, double points) const;
    double TableWidth(QPaintDevice& device, double points) const;
    void DrawPage(QPainter& painter, const Layout& layout, int page) const;

    std::vector<const ColumnInfo*> m_columns;
    QStringList m_headings;
    // The texts of each channel in use, by shown column.
    std::vector<QStringList> m_rows;
    QString m_title;
    QString m_date;
};

// The paper of a PDF: A4, or Letter where the locale measures in inches;
// portrait, with margins.
QPageLayout PdfPaper(const QLocale& locale);

// The pages as a PDF on the paper, titled and signed with the program's name
// and version, its fonts embedded. Empty when it could not be drawn.
QByteArray ChannelPdf(const CChannelPages& pages, const QPageLayout& paper, const QString& title);
