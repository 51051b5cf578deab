#include "ScreenshotTour.h"

#include "ChannelListView.h"
#include "ChannelPages.h"
#include "CommandRunner.h"
#include "ImportDlg.h"
#include "MainDlg.h"
#include "Settings.h"
#include "WindowPicture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

const QString kTgUv2Example = QStringLiteral("TG-UV2-example.DAT");
const QString kTg6aExample = QStringLiteral("TG-6A-example.DAT");
const QString kTgUv2Csv = QStringLiteral("TG-UV2-example.csv");
// A club's list as a spreadsheet saves it: two of its lines the radio
// cannot take.
const QByteArray kHandWrittenCsv = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode\r\n"
                                   "0,Club,145.5875,-,0.6,Tone,69.4,FM\r\n"
                                   "1,Club2,438.9,-,7.6,Tone,88.5,FM\r\n"
                                   "2,Simplx,145.55,,,,,FM\r\n"
                                   "3,Air,127.5,,,,,AM\r\n";

// Rows of the example files that the pictures use.
constexpr int kUv2Repeater = 10; // "R0 NTH", a 2 m repeater with a tone
constexpr int kUv2EmptyRow = 5;  // the first empty slot
constexpr int kUv2PmrFirst = 40; // "PMR 1" … "PMR 8"
constexpr int kUv2PmrLast = 47;
constexpr int kUv2PasteTarget = 100;
constexpr int kTg6aEmptyRow = 8;
// A PDF page pictured about as large as on a screen.
constexpr int kPageDpi = 96;
// 70 cm simplex channels and repeaters: shared step and tones, differing
// frequencies.
const std::vector<int> kTg6aEditRows = {10, 11, 12, 20, 21};

// The rows first to last.
std::vector<int> Range(int first, int last) {
    std::vector<int> rows;
    for (int row = first; row <= last; ++row)
        rows.push_back(row);
    return rows;
}

// Where a right click on the row would land, in the list's viewport.
QPoint PointOnRow(CChannelListView& list, int row) {
    const QRect cell = list.visualRect(list.Channels().index(row, 1));
    return cell.center();
}

// Widens the window, as a user would drag its frame, until every column of
// the list shows.
void WidenToShowAllColumns(CMainDlg& window) {
    CChannelListView& list = window.List();
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int missing = list.horizontalHeader()->length() - list.viewport()->width();
        if (missing <= 0)
            return;
        window.resize(window.width() + missing, window.height());
        Settle(window);
    }
}

} // namespace

CScreenshotTour::CScreenshotTour(const QString& outputFolder, const QString& examplesFolder)
    : m_output(outputFolder), m_examples(examplesFolder) {}

CScreenshotTour::~CScreenshotTour() = default;

bool CScreenshotTour::Run() {
    if (!QDir().mkpath(m_output)) {
        Expect(false, QStringLiteral("cannot create the folder ") + m_output);
        return false;
    }
    ShootTgUv2Windows();
    ShootImportAndExit();
    ShootTg6aWindows();
    ShootFileFailures();
    ShootCsvImport();
    ShootSearchWindows();
    ShootCellEditing();
    ShootSpreadsheetPaste();
    ShootCompare();
    return m_bOk;
}

std::unique_ptr<CMainDlg> CScreenshotTour::NewMainWindow(RadioModel model) {
    // Each picture shows a window as it first opens, nothing remembered.
    CSettings::Get().Clear();
    auto window = std::make_unique<CMainDlg>(m_prompts);
    auto* mode = window->findChild<QComboBox*>(QStringLiteral("modeBox"));
    Expect(mode, QStringLiteral("the main window has no Mode box"));
    if (mode)
        mode->setCurrentIndex(model);
    Settle(*window);
    return window;
}

void CScreenshotTour::OpenExample(CMainDlg& window, const QString& fileName) {
    const std::size_t shownBefore = m_prompts.messages.size();
    m_prompts.openNames.push_back(QDir(m_examples).filePath(fileName));
    window.OnOpen();
    Settle(window);
    Expect(window.IsLoaded() && m_prompts.messages.size() == shownBefore,
           QStringLiteral("the example file did not open: ") + fileName);
}

void CScreenshotTour::ShowAllColumns(CMainDlg& window) {
    auto* showAll = window.findChild<QCheckBox*>(QStringLiteral("showAllColumns"));
    Expect(showAll, QStringLiteral("the main window has no \"Show all columns\" box"));
    if (showAll)
        showAll->setChecked(true);
}

void CScreenshotTour::ShootTgUv2Windows() {
    std::unique_ptr<CMainDlg> window = NewMainWindow(kTGUV2);
    Save(QStringLiteral("main-empty"), WindowPicture(*window));

    OpenExample(*window, kTgUv2Example);
    window->List().SelectRows({kUv2Repeater});
    Settle(*window);
    Save(QStringLiteral("main-tguv2"), WindowPicture(*window));

    ShootFileMenu(*window);
    ShootRightClickMenuAndNew(*window);
    ShootRowEditorOneRow(*window);
    ShootRowEditorBlank(*window);
    ShootPrintPreview(*window);
    ShootAllColumns(*window);
    ShootPdfPage(*window);
    ShootAbout(*window);
}

void CScreenshotTour::ShootFileMenu(CMainDlg& window) {
    ShootMenuBarMenu(window, 0, CMainDlg::tr("Save DAT File"), QStringLiteral("main-file-menu"));
}

// The menu bar's menu at index, open over the window with the item whose
// text starts with choice under the pointer.
void CScreenshotTour::ShootMenuBarMenu(CMainDlg& window, int index, const QString& choice,
                                       const QString& name) {
    auto* bar = window.findChild<QMenuBar*>();
    QAction* title = bar ? bar->actions().value(index) : nullptr;
    Expect(title && title->menu(), QStringLiteral("the main window has no menu for ") + name);
    if (!title || !title->menu())
        return;
    QMenu& menu = *title->menu();
    bar->setActiveAction(title);
    Settle(window);
    QAction* item = CScriptedPrompts::FindAction(menu, choice);
    Expect(item && item->isEnabled(), QStringLiteral("the menu offers no ") + choice);
    menu.setActiveAction(item);
    Settle(menu);
    Save(name, WindowPicture(window, {&menu}));
    menu.hide();
    bar->setActiveAction(nullptr);
    Settle(window);
}

// The right-click menu on an empty row offers "New", which opens the Row
// Editor with the settings of a new channel.
void CScreenshotTour::ShootRightClickMenuAndNew(CMainDlg& window) {
    CChannelListView& list = window.List();
    list.SelectRows({kUv2EmptyRow});
    Settle(window);
    PictureNextMenu(CMainDlg::tr("New"));
    PictureNextDialog(QStringLiteral("row-editor-new"));
    window.OnListContextMenu(PointOnRow(list, kUv2EmptyRow));
    Save(QStringLiteral("list-menu"), m_menuPicture);
    ForgetScripts();
}

void CScreenshotTour::ShootRowEditorOneRow(CMainDlg& window) {
    CChannelListView& list = window.List();
    list.SelectRows({kUv2Repeater});
    PictureNextDialog(QStringLiteral("row-editor-one-row"));
    window.OnListDoubleClick(list.Channels().index(kUv2Repeater, 1));
    ForgetScripts();
}

// "Edit" on an empty row shows the blank form, whose "New" button fills in
// the settings of a new channel.
void CScreenshotTour::ShootRowEditorBlank(CMainDlg& window) {
    window.List().SelectRows({kUv2EmptyRow});
    PictureNextDialog(QStringLiteral("row-editor-blank"));
    window.OnEdit();
    ForgetScripts();
}

void CScreenshotTour::ShootAllColumns(CMainDlg& window) {
    ShowAllColumns(window);
    window.List().SelectRows({kUv2Repeater, kUv2Repeater + 1, kUv2Repeater + 2});
    WidenToShowAllColumns(window);
    Settle(window);
    Save(QStringLiteral("main-window"), WindowPicture(window));
}

void CScreenshotTour::ShootPrintPreview(CMainDlg& window) {
    PictureNextDialog(QStringLiteral("print-preview"));
    window.OnPrintPreview();
    ForgetScripts();
}

// The first page of the PDF that Export PDF writes, drawn as the PDF is.
void CScreenshotTour::ShootPdfPage(CMainDlg& window) {
    const CChannelPages pages(window.Document(), true, kTgUv2Example,
                              QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    QPageLayout paper = PdfPaper(QLocale());
    paper.setOrientation(pages.OrientationFor(window, paper));
    Save(QStringLiteral("pdf-page"), pages.PageImage(paper, 0, kPageDpi));
}

void CScreenshotTour::ShootAbout(CMainDlg& window) {
    PictureNextDialog(QStringLiteral("about"));
    window.OnAbout();
    ForgetScripts();
}

// Rows copied in the Import window are pasted into the main window; the
// change makes closing the main window ask first.
void CScreenshotTour::ShootImportAndExit() {
    std::unique_ptr<CMainDlg> window = NewMainWindow(kTGUV2);
    OpenExample(*window, kTgUv2Example);
    m_prompts.openNames.push_back(QDir(m_examples).filePath(kTgUv2Example));
    window->OnImport();
    CImportDlg* import = window->ImportDlg();
    Expect(import && import->IsLoaded(), QStringLiteral("the Import window did not open"));
    if (!import || !import->IsLoaded())
        return;
    window->List().SelectRows({kUv2PasteTarget});
    import->activateWindow();
    import->List().setFocus();
    import->List().SelectRows(Range(kUv2PmrFirst, kUv2PmrLast));
    import->List().scrollTo(import->List().Channels().index(kUv2PmrLast, 0));
    Settle(*import);

    PictureNextMenu(CMainDlg::tr("Copy"), false);
    import->OnListContextMenu(PointOnRow(import->List(), kUv2PmrFirst + 2));
    const QImage importPicture = m_menuPicture;
    Save(QStringLiteral("import-window"), SideBySide(WindowPicture(*window), importPicture));
    ForgetScripts();

    QCoreApplication::sendPostedEvents();
    window->OnPaste();
    const auto copied = static_cast<std::size_t>(kUv2PmrLast - kUv2PmrFirst + 1);
    Expect(window->IsModified() && window->Clipboard().size() == copied,
           QStringLiteral("the copied rows were not pasted"));
    ShootMenuBarMenu(*window, 1, window->Command(MainCommand::kUndo)->text(),
                     QStringLiteral("main-edit-menu"));
    PictureNextMessage(QStringLiteral("message-exit"));
    window->close();
    Expect(window->isVisible(), QStringLiteral("No to the exit question closed the window"));
    ForgetScripts();
}

void CScreenshotTour::ShootTg6aWindows() {
    std::unique_ptr<CMainDlg> window = NewMainWindow(kTG6A);
    OpenExample(*window, kTg6aExample);
    ShowAllColumns(*window);
    CChannelListView& list = window->List();
    list.SelectRows(kTg6aEditRows);
    WidenToShowAllColumns(*window);
    Settle(*window);
    Save(QStringLiteral("main-tg6a"), WindowPicture(*window));

    PictureNextMenu(CMainDlg::tr("Edit"));
    PictureNextDialog(QStringLiteral("row-editor-several-rows"));
    window->OnListContextMenu(PointOnRow(list, kTg6aEditRows.back()));
    ForgetScripts();

    ShootInvalidFrequency(*window);
}

// An empty row copied on a TG-6A for 400 MHz and above cannot be pasted: it
// has no frequency on the radio's side of 400 MHz.
void CScreenshotTour::ShootInvalidFrequency(CMainDlg& window) {
    CChannelListView& list = window.List();
    list.SelectRows({kTg6aEmptyRow});
    window.OnCopy();
    list.SelectRows({kTg6aEmptyRow + 1});
    PictureNextMessage(QStringLiteral("message-invalid-frequency"));
    window.OnPaste();
    ForgetScripts();
    Expect(!m_prompts.messages.empty() &&
               m_prompts.messages.back() == CMainDlg::tr("Invalid frequency!"),
           QStringLiteral("pasting an empty TG-6A row did not say \"Invalid frequency!\""));
}

// The TG-6A example opened while the Mode box says TG-UV2, then a save into
// a folder that does not exist: each message says why.
void CScreenshotTour::ShootFileFailures() {
    std::unique_ptr<CMainDlg> window = NewMainWindow(kTGUV2);
    PictureNextMessage(QStringLiteral("message-open-failed"));
    m_prompts.openNames.push_back(QDir(m_examples).filePath(kTg6aExample));
    window->OnOpen();
    ForgetScripts();
    Expect(!window->IsLoaded() && !m_prompts.reasons.empty() &&
               m_prompts.reasons.back().endsWith(
                   CMainDlg::tr("Choose %1 in the Mode box.").arg(QStringLiteral("TG-6A"))),
           QStringLiteral("opening the TG-6A example as a TG-UV2 file did not say why it failed"));

    OpenExample(*window, kTgUv2Example);
    PictureNextMessage(QStringLiteral("message-save-failed"));
    m_prompts.saveNames.push_back(QStringLiteral("/media/radio/MEMORY.DAT"));
    window->OnSave();
    ForgetScripts();
    Expect(!m_prompts.messages.empty() && m_prompts.messages.back() == SaveFailed(),
           QStringLiteral("saving into a missing folder did not fail"));
}

// The TG-UV2 example's channels as a CSV list in the Import window, and then
// a list written by hand whose lines the radio cannot all take.
void CScreenshotTour::ShootCsvImport() {
    std::unique_ptr<CMainDlg> window = NewMainWindow(kTGUV2);
    OpenExample(*window, kTgUv2Example);
    m_prompts.openNames.push_back(QDir(m_examples).filePath(kTgUv2Csv));
    const std::size_t shownBefore = m_prompts.messages.size();
    window->OnImport();
    CImportDlg* import = window->ImportDlg();
    Expect(import && import->IsLoaded() && m_prompts.messages.size() == shownBefore,
           QStringLiteral("the example CSV did not import whole"));
    if (!import)
        return;
    import->List().scrollTo(import->List().Channels().index(kUv2PmrLast, 0));
    Settle(*import);
    Save(QStringLiteral("import-csv"), WindowPicture(*import));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("club-channels.csv"));
    QFile file(path);
    Expect(file.open(QIODevice::WriteOnly) && file.write(kHandWrittenCsv) > 0,
           QStringLiteral("cannot write ") + path);
    file.close();
    PictureNextMessage(QStringLiteral("message-csv-skipped"));
    m_prompts.openNames.push_back(path);
    import->OnOpenForImport();
    ForgetScripts();
    Expect(!m_prompts.messages.empty() &&
               m_prompts.messages.back() ==
                   CImportDlg::tr("%n lines of %1 could not be imported.", nullptr, 2)
                       .arg(QStringLiteral("club-channels.csv")),
           QStringLiteral("the hand-written CSV did not report its two bad lines"));
}

// "Find" beside the list after finding a repeater by its frequency, "Sort"
// as it opens, and what Check Channels finds once a channel is there twice.
void CScreenshotTour::ShootSearchWindows() {
    std::unique_ptr<CMainDlg> window = NewMainWindow(kTGUV2);
    OpenExample(*window, kTgUv2Example);
    window->OnFind();
    CFindDlg* find = window->FindDlg();
    Expect(find, QStringLiteral("Find opened no window"));
    if (!find)
        return;
    find->findChild<QLineEdit*>(QStringLiteral("findText"))->setText(QStringLiteral("145.6"));
    find->findChild<QPushButton*>(QStringLiteral("findNextButton"))->click();
    Settle(*window);
    Settle(*find);
    Expect(window->List().SelectedRows() == std::vector<int>{kUv2Repeater},
           QStringLiteral("Find did not find the repeater"));
    Save(QStringLiteral("find-window"), SideBySide(WindowPicture(*window), WindowPicture(*find)));
    find->hide();

    PictureNextDialog(QStringLiteral("sort-dialog"));
    window->OnSort();
    ForgetScripts();

    // The repeater once more, in an empty row before it: the check warns
    // about the later one.
    window->List().SelectRows({kUv2Repeater});
    window->OnCopy();
    window->List().SelectRows({kUv2EmptyRow});
    window->OnPaste();
    window->OnCheckChannels();
    if (CCheckChannelsDlg* check = window->CheckDlg()) {
        Settle(*check);
        Save(QStringLiteral("check-channels"), WindowPicture(*check));
        check->hide();
    }
}

// A frequency being typed into a cell of the list, the keys shown under it
// in the Keyboard Shortcuts window.
void CScreenshotTour::ShootCellEditing() {
    std::unique_ptr<CMainDlg> window = NewMainWindow(kTGUV2);
    OpenExample(*window, kTgUv2Example);
    CChannelListView& list = window->List();
    list.setFocus();
    list.SelectRows({kUv2Repeater});
    list.selectionModel()->setCurrentIndex(list.Channels().index(kUv2Repeater, 2),
                                           QItemSelectionModel::NoUpdate);
    Expect(list.EditCurrentCell(QStringLiteral("145.62")),
           QStringLiteral("the RX Freq cell did not open its editor"));
    Settle(*window);
    Save(QStringLiteral("cell-editing"), WindowPicture(*window));
    window->OnKeyboardShortcuts();
    if (QDialog* shortcuts = window->ShortcutsDlg()) {
        Settle(*shortcuts);
        Save(QStringLiteral("keyboard-shortcuts"), WindowPicture(*shortcuts));
        shortcuts->hide();
    }
}

// Rows copied in the main window as a spreadsheet takes them from the
// desktop's clipboard: the tab-separated text, one cell a field.
void CScreenshotTour::ShootSpreadsheetPaste() {
    std::unique_ptr<CMainDlg> window = NewMainWindow(kTGUV2);
    OpenExample(*window, kTgUv2Example);
    ShowAllColumns(*window);
    window->List().SelectRows(Range(kUv2Repeater, kUv2Repeater + 3));
    window->OnCopy();
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    Expect(lines.size() == 5, QStringLiteral("Copy put no rows on the clipboard"));
    QTableWidget sheet(static_cast<int>(lines.size()), 0);
    sheet.setWindowTitle(QStringLiteral("A spreadsheet, after Paste"));
    for (int row = 0; row < lines.size(); ++row) {
        const QStringList cells = lines[row].split(QLatin1Char('\t'));
        sheet.setColumnCount(std::max(sheet.columnCount(), static_cast<int>(cells.size())));
        for (int column = 0; column < cells.size(); ++column)
            sheet.setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    sheet.resizeColumnsToContents();
    sheet.resize(sheet.horizontalHeader()->length() + sheet.verticalHeader()->width() + 4,
                 sheet.verticalHeader()->length() + sheet.horizontalHeader()->height() + 4);
    Settle(sheet);
    Save(QStringLiteral("spreadsheet-paste"), WindowPicture(sheet));
}

// Two channels changed in the open file, then compared with the file as it
// is on the disk: both rows marked, the cells that differ coloured.
void CScreenshotTour::ShootCompare() {
    std::unique_ptr<CMainDlg> window = NewMainWindow(kTGUV2);
    OpenExample(*window, kTgUv2Example);
    CChannelListView& list = window->List();
    for (const auto& [row, text] :
         {std::pair{kUv2Repeater + 1, "145.6375"}, std::pair{kUv2Repeater + 3, "145.7"}}) {
        list.SelectRows({row});
        list.selectionModel()->setCurrentIndex(list.Channels().index(row, 2),
                                               QItemSelectionModel::NoUpdate);
        list.EditCurrentCell(QString::fromLatin1(text));
        list.CommitEdit();
    }
    m_prompts.openNames.push_back(QDir(m_examples).filePath(kTgUv2Example));
    window->OnCompare();
    CCompareDlg* compare = window->CompareDlg();
    Expect(compare, QStringLiteral("Compare opened no window"));
    if (!compare)
        return;
    compare->OnNextDifference();
    compare->resize(compare->width(), window->height());
    Settle(*compare);
    Save(QStringLiteral("compare-window"), WindowPicture(*compare));
    compare->hide();
}

void CScreenshotTour::PictureNextDialog(const QString& name) {
    m_prompts.onModal = [this, name](QDialog& dialog) {
        Settle(dialog);
        Save(name, WindowPicture(dialog));
        dialog.hide();
        return static_cast<int>(QDialog::Rejected);
    };
}

void CScreenshotTour::PictureNextMessage(const QString& name) {
    m_prompts.onMessage = [this, name](QMessageBox& box) {
        // A message with details is pictured with them unfolded.
        for (QAbstractButton* button : box.buttons())
            if (box.buttonRole(button) == QMessageBox::ActionRole)
                button->click();
        Settle(box);
        Save(name, WindowPicture(box));
        box.hide();
    };
}

void CScreenshotTour::PictureNextMenu(const QString& choice, bool highlighted) {
    m_menuPicture = {};
    m_prompts.onMenu = [this, choice, highlighted](QMenu& menu,
                                                   const QPoint& globalPos) -> QAction* {
        QAction* chosen = CScriptedPrompts::FindAction(menu, choice);
        Expect(chosen && chosen->isEnabled(), QStringLiteral("the menu offers no ") + choice);
        menu.popup(globalPos);
        if (highlighted)
            menu.setActiveAction(chosen);
        Settle(menu);
        m_menuPicture = WindowPicture(*menu.parentWidget()->window(), {&menu});
        menu.hide();
        return chosen;
    };
}

void CScreenshotTour::ForgetScripts() {
    m_prompts.onModal = nullptr;
    m_prompts.onMessage = nullptr;
    m_prompts.onMenu = nullptr;
}

void CScreenshotTour::Save(const QString& name, const QImage& picture) {
    const QString path = QDir(m_output).filePath(name + QStringLiteral(".png"));
    Expect(!picture.isNull() && picture.save(path), QStringLiteral("cannot write ") + path);
    std::printf("%s\n", qPrintable(path));
}

void CScreenshotTour::Expect(bool condition, const QString& what) {
    if (condition)
        return;
    std::fprintf(stderr, "velmora-screenshots: %s\n", qPrintable(what));
    m_bOk = false;
}
