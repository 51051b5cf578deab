#pragma once

#include "ChannelListView.h"
#include "RowEditorDlg.h"
#include "UiHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <vector>

namespace testing_support {

// A main window with a file open and a Row Editor made the way the main
// window makes it, over the rows the test selects.
struct RowEditorFixture {
    MainWindowFixture main;
    std::unique_ptr<CRowEditorDlg> dlg;
    RadioModel model = kTGUV2;

    // Opens a file of the model whose first records are the given ones.
    void Open(RadioModel radio, const std::vector<CChannel>& records, bool uhf = true) {
        model = radio;
        main.ChooseModel(radio);
        main.Open(MakeDat(radio, records, uhf));
    }
    // Selects the rows and opens the editor on the lowest to the highest.
    CRowEditorDlg& Edit(const std::vector<int>& rows, bool newMode = false) {
        SelectRows(main.List(), rows);
        dlg = std::make_unique<CRowEditorDlg>(model, rows.front(), rows.back(), main.List(),
                                              *main.window->DatFile(), newMode, main.prompts,
                                              main.window.get());
        return *dlg;
    }

    template <class T> T* Get(const char* name) const {
        return dlg->findChild<T*>(QLatin1String(name));
    }
    QLineEdit* Box(const char* name) const { return Get<QLineEdit>(name); }
    QComboBox* List(const char* name) const { return Get<QComboBox>(name); }
    QCheckBox* Keep(const char* setting) const {
        return Get<QCheckBox>((std::string(setting) + "Keep").c_str());
    }
    QPushButton* Button(const char* name) const { return Get<QPushButton>(name); }
    QString RowsText() const { return Get<QLabel>("rowsText")->text(); }
    const CChannel& Record(int row) const { return main.Record(row); }
    const std::vector<QString>& Messages() const { return main.prompts.messages; }
    // Hands the posted navigation messages to the main window.
    static void Deliver() { QCoreApplication::sendPostedEvents(); }
};

} // namespace testing_support
