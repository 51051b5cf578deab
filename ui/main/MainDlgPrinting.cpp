// The channel list on paper: Print, Print Preview and Export PDF.
#include "MainDlg.h"

#include "ChannelPages.h"
#include "CommandRunner.h"
#include "Failure.h"
#include "FilePaths.h"
#include "Prompts.h"
#include "Translation.h"

#include <QDate>
#include <QLocale>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <span>

namespace {

QString FileNameOf(const CChannelDocument& document) {
    return FileNameOf(QString::fromStdString(document.Path().string()));
}

// The pages of the document as the list shows it now, dated today.
CChannelPages PagesOf(const CChannelDocument& document, bool showAll) {
    return CChannelPages(document, showAll, FileNameOf(document),
                         QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
}

} // namespace

void CMainDlg::OnPrint() { Print(false); }

void CMainDlg::OnPrintPreview() { Print(true); }

void CMainDlg::Print(bool preview) {
    if (!m_document.IsLoaded())
        return;
    Run(PrintFailed(), [this, preview] {
        const CChannelPages pages = PagesOf(m_document, m_bShowAllColumns);
        QPrinter printer(QPrinter::HighResolution);
        pages.ChooseOrientation(printer);
        if (!preview) {
            QPrintDialog dialog(&printer, this);
            if (m_prompts.RunModal(dialog) == QDialog::Accepted && !pages.Print(printer))
                RaiseFailure();
            return;
        }
        QPrintPreviewDialog dialog(&printer, this);
        // The preview draws again whenever its page setup changes, and
        // prints from its own button.
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
                [&pages](QPrinter* target) { pages.Print(*target); });
        m_prompts.RunModal(dialog);
    });
}

void CMainDlg::OnExportPdf() {
    if (!m_document.IsLoaded())
        return;
    QString reason;
    Run(
        ExportFailed(),
        [&] {
            QString path = m_prompts.GetSaveFileName(this, {Prompts::PdfFiles()}, tr("Export PDF"),
                                                     ExportStart(".pdf"));
            if (path.isEmpty())
                return;
            if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
                path += QStringLiteral(".pdf");
            if (!MayReplaceFile(path))
                return;
            const CChannelPages pages = PagesOf(m_document, m_bShowAllColumns);
            const QByteArray pdf = ChannelPdf(pages, PdfPaper(QLocale()), FileNameOf(m_document));
            if (pdf.isEmpty())
                RaiseFailure();
            // Written whole or not at all: a failure leaves the old file.
            FileProblem problem;
            if (!WriteWholeFile(ToFsPath(path),
                                {reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                                 static_cast<std::size_t>(pdf.size())},
                                problem)) {
                reason = Tr(DescribeProblem(problem, m_document.Model()));
                RaiseFailure();
            }
        },
        [&] { return reason; });
}
