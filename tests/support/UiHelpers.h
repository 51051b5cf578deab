#pragma once

#include "DatBuilder.h"
#include "FakePrompts.h"
#include "MainDlg.h"

#include <QString>

#include <memory>
#include <ostream>
#include <vector>

class CChannelListView;

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace testing_support {

// Selects exactly the given rows and puts the selection mark on mark (the
// first given row when mark is -1), as a user's clicks would.
void SelectRows(CChannelListView& list, const std::vector<int>& rows, int mark = -1);

// The cell texts of one row, column by column as shown.
QStringList RowTexts(const CChannelListView& list, int row);
QStringList HeaderTexts(const CChannelListView& list);

inline QString QPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
// The item of a window's menu bar with exactly this text.
QAction* MenuAction(const QWidget& window, const QString& text);

// A main window on a fake Prompts with a temporary folder for its files.
struct MainWindowFixture {
    TempDir dir;
    FakePrompts prompts;
    std::unique_ptr<CMainDlg> window;

    MainWindowFixture();
    // With a file of the model open whose first records are UsedChannels(model,
    // used, firstRx); on the TG-6A a radio for 400 MHz and above unless uhf is false.
    MainWindowFixture(RadioModel model, int used, int firstRx = 14500000, bool uhf = true);
    // Writes the bytes to a file in the temporary folder and opens it through
    // the window's Open command.
    std::filesystem::path Open(const Bytes& dat, const std::string& name = "radio.DAT");
    void OpenPath(const std::filesystem::path& path);
    // Chooses the model in the Mode box, ticks or clears "Show all columns".
    void ChooseModel(RadioModel model);
    void ShowAllColumns(bool on);
    // Saves through the window's Save command and returns the bytes written.
    Bytes Save(const std::string& name = "saved.DAT");
    // Presses "Import"; a file dialog, if one is shown, answers with path.
    CImportDlg& Import(const std::filesystem::path& path);
    // Selects the rows, the mark on the first unless given, and runs the command.
    void Do(void (CMainDlg::*command)(), const std::vector<int>& rows, int mark = -1);
    CChannelListView& List() const;
    // The record that row i points at.
    const CChannel& Record(int row) const;
};

} // namespace testing_support
