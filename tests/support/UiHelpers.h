#pragma once

#include "ChannelListView.h"
#include "DatBuilder.h"
#include "MainDlg.h"
#include "RowEditorDlg.h"
#include "ScriptedPrompts.h"
#include "Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <memory>
#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace testing_support {

// The cell texts of one row (the headers for row -1), column by column as shown.
inline QStringList RowTexts(const CChannelTableModel& model, int row) {
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts << (row < 0 ? model.headerData(column, Qt::Horizontal)
                          : model.index(row, column).data())
                     .toString();
    return texts;
}
inline QStringList RowTexts(const CChannelListView& list, int row) {
    return RowTexts(list.Channels(), row);
}
inline QString QPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
template <class T = QWidget> T* Child(const QObject& parent, const std::string& name) {
    return parent.findChild<T*>(QString::fromStdString(name));
}
// The item of a window's menu bar with exactly this text.
inline QAction* MenuAction(const QWidget& window, const QString& text) {
    for (QAction* menu : window.findChild<QMenuBar*>()->actions())
        for (QAction* action : menu->menu()->actions())
            if (action->text() == text)
                return action;
    return nullptr;
}

// Every window starts from nothing remembered.
struct ForgetSettings {
    ForgetSettings() { CSettings::Get().Clear(); }
};

// The texts of a menu's items (empty for a line), each submenu's after it.
inline QStringList MenuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* item : menu.actions())
        texts << item->text() << (item->menu() ? MenuTexts(*item->menu()) : QStringList());
    return texts;
}

// A main window on scripted prompts with a temporary folder for its files.
struct MainWindowFixture {
    TempDir dir;
    ForgetSettings forgotten;
    CScriptedPrompts prompts;
    std::unique_ptr<CMainDlg> window = std::make_unique<CMainDlg>(prompts);

    MainWindowFixture() { window->show(); }
    // With a file of the model open whose first records are given, or are
    // UsedChannels(model, used); on the TG-6A a radio for 400 MHz and above
    // unless uhf is false.
    MainWindowFixture(RadioModel model, const std::vector<CChannel>& records, bool uhf = true) {
        window->show();
        ChooseModel(model);
        Open(MakeDat(model, records, uhf));
    }
    MainWindowFixture(RadioModel model, int used)
        : MainWindowFixture(model, UsedChannels(model, used)) {}
    // Writes the bytes to a file in the temporary folder and opens it.
    std::filesystem::path Open(const Bytes& dat, const std::string& name = "radio.DAT") {
        WriteBytes(dir / name, dat);
        OpenPath(dir / name);
        return dir / name;
    }
    void OpenPath(const std::filesystem::path& path) {
        prompts.openNames = {QPath(path)};
        window->OnOpen();
    }
    void ChooseModel(RadioModel model) {
        Child<QComboBox>(*window, "modeBox")->setCurrentIndex(model);
    }
    void ShowAllColumns(bool on) { Child<QCheckBox>(*window, "showAllColumns")->setChecked(on); }
    // Saves through the window's Save command and returns the bytes written.
    Bytes Save(const std::string& name = "saved.DAT") {
        prompts.saveNames = {QPath(dir / name)};
        window->OnSave();
        return ReadBytes(dir / name);
    }
    // Presses "Import"; a file dialog, if one is shown, answers with path.
    CImportDlg& Import(const std::filesystem::path& path) {
        prompts.openNames = {QPath(path)};
        Child<QPushButton>(*window, "importButton")->click();
        prompts.openNames.clear();
        return *window->ImportDlg();
    }
    // Selects the rows, the mark on the first unless given, and runs the command.
    void Do(void (CMainDlg::*command)(), const std::vector<int>& rows, int mark = -1) {
        List().SelectRows(rows, mark);
        (window.get()->*command)();
    }
    // Selects the rows and makes a Row Editor on them as the main window does.
    std::unique_ptr<CRowEditorDlg> Edit(const std::vector<int>& rows, bool newMode = false) {
        List().SelectRows(rows);
        return std::make_unique<CRowEditorDlg>(window->Document(), rows.front(), rows.back(),
                                               List().SelectionFlags(), newMode, prompts,
                                               window.get());
    }
    CChannelListView& List() const { return window->List(); }
    const CChannel& Record(int row) const { return *List().Channels().RecordAt(row); }
    // For records made by UsedChannels: the slot each record of rows first
    // to first + count - 1 (all after first when count is -1) came from, read
    // off its RX text; -1 for an empty record.
    std::vector<int> Order(int first = 0, int count = -1) const {
        std::vector<int> order;
        const int end = count < 0 ? List().Channels().RowCount() : first + count;
        for (int row = first; row < end; ++row) {
            std::string text = Record(row).GetFreqText(true);
            std::erase(text, '.');
            order.push_back(text.empty() ? -1 : (std::stoi(text) - 14500000) / 2500);
        }
        return order;
    }
};

} // namespace testing_support
