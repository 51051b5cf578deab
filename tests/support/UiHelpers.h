#pragma once

#include "DatBuilder.h"
#include "FakePrompts.h"
#include "MainDlg.h"

#include <QString>

#include <initializer_list>
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
void SelectRows(CChannelListView& list, std::initializer_list<int> rows, int mark = -1);
void SelectRows(CChannelListView& list, const std::vector<int>& rows, int mark = -1);

// The cell texts of one row, column by column as shown.
QStringList RowTexts(const CChannelListView& list, int row);
QStringList HeaderTexts(const CChannelListView& list);

// Saves a picture of the window to $VELMORA_SCREENSHOTS/name.png when that
// variable is set; does nothing otherwise.
void SaveScreenshot(QWidget& window, const QString& name);

// A main window on a fake Prompts with a temporary folder for its files.
struct MainWindowFixture {
    TempDir dir;
    FakePrompts prompts;
    std::unique_ptr<CMainDlg> window;

    MainWindowFixture();
    // Writes the bytes to a file in the temporary folder and opens it through
    // the window's Open command.
    std::filesystem::path Open(const Bytes& dat, const std::string& name = "radio.DAT");
    // Chooses the model in the Mode box.
    void ChooseModel(RadioModel model);
    // Saves through the window's Save command and returns the bytes written.
    Bytes Save(const std::string& name = "saved.DAT");
    CChannelListView& List() const;
    // The record that row i points at.
    const CChannel& Record(int row) const;
};

} // namespace testing_support
