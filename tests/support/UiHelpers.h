#pragma once

#include "ChannelListView.h"
#include "DatBuilder.h"
#include "MainDlg.h"
#include "RowEditorDlg.h"
#include "ScriptedPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace testing_support {

// The cell texts of one row, and the headers, column by column as shown.
QStringList RowTexts(const CChannelListView& list, int row);
QStringList HeaderTexts(const CChannelListView& list);
inline QString QPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
// The item of a window's menu bar with exactly this text.
QAction* MenuAction(const QWidget& window, const QString& text);
template <class T = QWidget> T* Child(const QObject& parent, const std::string& name) {
    return parent.findChild<T*>(QString::fromStdString(name));
}

// A main window on scripted prompts with a temporary folder for its files.
struct MainWindowFixture {
    TempDir dir;
    CScriptedPrompts prompts;
    std::unique_ptr<CMainDlg> window;

    MainWindowFixture();
    // With a file of the model open whose first records are given, or are
    // UsedChannels(model, used); on the TG-6A a radio for 400 MHz and above
    // unless uhf is false.
    MainWindowFixture(RadioModel model, const std::vector<CChannel>& records, bool uhf = true);
    MainWindowFixture(RadioModel model, int used)
        : MainWindowFixture(model, UsedChannels(model, used)) {}
    // Writes the bytes to a file in the temporary folder and opens it.
    std::filesystem::path Open(const Bytes& dat, const std::string& name = "radio.DAT");
    void OpenPath(const std::filesystem::path& path);
    void ChooseModel(RadioModel model);
    void ShowAllColumns(bool on);
    // Saves through the window's Save command and returns the bytes written.
    Bytes Save(const std::string& name = "saved.DAT");
    // Presses "Import"; a file dialog, if one is shown, answers with path.
    CImportDlg& Import(const std::filesystem::path& path);
    // Selects the rows, the mark on the first unless given, and runs the command.
    void Do(void (CMainDlg::*command)(), const std::vector<int>& rows, int mark = -1);
    // Selects the rows and makes a Row Editor on them as the main window does.
    std::unique_ptr<CRowEditorDlg> Edit(const std::vector<int>& rows, bool newMode = false);
    CChannelListView& List() const { return window->List(); }
    const CChannel& Record(int row) const { return *List().Channels().RecordAt(row); }
    // For records made by UsedChannels: the slot each row's record came from
    // (read off its RX text), -1 for an empty record.
    std::vector<int> Order() const;
};

} // namespace testing_support
