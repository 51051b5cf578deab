#include "DesktopPrompts.h"

#include "ProgramInfo.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

namespace {

QString RunFileDialog(QWidget* owner, QFileDialog::AcceptMode mode, const QStringList& kinds,
                      const QString& title = {}, const QString& start = {}) {
    QFileDialog dialog(owner);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(kinds);
    // foo.dat is as much a DAT file as foo.DAT on a case-sensitive file system.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    // "DAT Files (*.DAT)" gives the ending "DAT".
    const QString first = kinds.value(0);
    dialog.setDefaultSuffix(first.mid(first.lastIndexOf(QLatin1Char('.')) + 1).chopped(1));
    if (QFileInfo(start).isDir())
        dialog.setDirectory(start);
    else if (!start.isEmpty())
        dialog.selectFile(start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString CDesktopPrompts::GetOpenFileName(QWidget* owner, const QStringList& kinds,
                                         const QString& title, const QString& start) {
    return RunFileDialog(owner, QFileDialog::AcceptOpen, kinds, title, start);
}

QString CDesktopPrompts::GetSaveFileName(QWidget* owner, const QStringList& kinds,
                                         const QString& title, const QString& start) {
    return RunFileDialog(owner, QFileDialog::AcceptSave, kinds, title, start);
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            const QString& informative, const QString& detail) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Warning, kProgramName, text, buttons, owner);
    // A radio's name is not broken at its hyphen at the end of a line.
    box->setInformativeText(
        QString(informative).replace(QStringLiteral("TG-"), QStringLiteral(u"TG\u2011")));
    // The box takes its width from the short main text; a reason, often with
    // a path in it, reads better in lines of about forty characters.
    if (auto* reason = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        reason->setMinimumWidth(reason->fontMetrics().averageCharWidth() * 40);
    box->setDetailedText(detail);
    return box;
}

void CDesktopPrompts::ShowMessage(QWidget* owner, const QString& text, const QString& informative,
                                  const QString& detail) {
    MakeMessageBox(owner, text, QMessageBox::Ok, informative, detail)->exec();
}

bool CDesktopPrompts::AskYesNo(QWidget* owner, const QString& text) {
    return MakeMessageBox(owner, text, QMessageBox::Yes | QMessageBox::No)->exec() ==
           QMessageBox::Yes;
}

int CDesktopPrompts::RunModal(QDialog& dialog) { return dialog.exec(); }

QAction* CDesktopPrompts::RunMenu(QMenu& menu, const QPoint& globalPos) {
    return menu.exec(globalPos);
}

QString Prompts::DatFiles() { return QCoreApplication::translate("Prompts", "DAT Files (*.DAT)"); }

QString Prompts::CsvFiles() { return QCoreApplication::translate("Prompts", "CSV Files (*.csv)"); }

QString Prompts::PdfFiles() { return QCoreApplication::translate("Prompts", "PDF Files (*.pdf)"); }
