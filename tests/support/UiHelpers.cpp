#include "UiHelpers.h"

#include <QMenuBar>

namespace testing_support {

QStringList RowTexts(const CChannelListView& list, int row) {
    QStringList texts;
    for (int column = 0; column < list.Channels().columnCount(); ++column)
        texts << list.Channels().index(row, column).data().toString();
    return texts;
}

QStringList HeaderTexts(const CChannelListView& list) {
    QStringList texts;
    for (int column = 0; column < list.Channels().columnCount(); ++column)
        texts << list.Channels().headerData(column, Qt::Horizontal).toString();
    return texts;
}

QAction* MenuAction(const QWidget& window, const QString& text) {
    for (QAction* menu : window.findChild<QMenuBar*>()->actions())
        for (QAction* action : menu->menu()->actions())
            if (action->text() == text)
                return action;
    return nullptr;
}

MainWindowFixture::MainWindowFixture() : window(std::make_unique<CMainDlg>(prompts)) {
    window->show();
}

MainWindowFixture::MainWindowFixture(RadioModel model, const std::vector<CChannel>& records,
                                     bool uhf)
    : MainWindowFixture() {
    ChooseModel(model);
    Open(MakeDat(model, records, uhf));
}

void MainWindowFixture::Do(void (CMainDlg::*command)(), const std::vector<int>& rows, int mark) {
    List().SelectRows(rows, mark);
    (window.get()->*command)();
}

std::filesystem::path MainWindowFixture::Open(const Bytes& dat, const std::string& name) {
    WriteBytes(dir / name, dat);
    OpenPath(dir / name);
    return dir / name;
}

void MainWindowFixture::OpenPath(const std::filesystem::path& path) {
    prompts.openNames.push_back(QPath(path));
    window->OnOpen();
}

void MainWindowFixture::ChooseModel(RadioModel model) {
    Child<QComboBox>(*window, "modeBox")->setCurrentIndex(model);
}

void MainWindowFixture::ShowAllColumns(bool on) {
    Child<QCheckBox>(*window, "showAllColumns")->setChecked(on);
}

Bytes MainWindowFixture::Save(const std::string& name) {
    prompts.saveNames.push_back(QPath(dir / name));
    window->OnSave();
    return ReadBytes(dir / name);
}

CImportDlg& MainWindowFixture::Import(const std::filesystem::path& path) {
    prompts.openNames.push_back(QPath(path));
    Child<QPushButton>(*window, "importButton")->click();
    return *window->ImportDlg();
}

std::unique_ptr<CRowEditorDlg> MainWindowFixture::Edit(const std::vector<int>& rows, bool newMode) {
    List().SelectRows(rows);
    return std::make_unique<CRowEditorDlg>(window->Model(), rows.front(), rows.back(), List(),
                                           *window->DatFile(), newMode, prompts, window.get());
}

std::vector<int> MainWindowFixture::Order() const {
    std::vector<int> order;
    for (int row = 0; row < List().Channels().RowCount(); ++row) {
        std::string text = Record(row).GetFreqText(true);
        std::erase(text, '.');
        order.push_back(text.empty() ? -1 : (std::stoi(text) - 14500000) / 2500);
    }
    return order;
}

} // namespace testing_support
