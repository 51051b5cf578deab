#include "UiHelpers.h"

#include "ChannelListView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>

namespace testing_support {

void SelectRows(CChannelListView& list, const std::vector<int>& rows, int mark) {
    list.ClearRowSelection();
    for (int row : rows)
        list.SetRowSelected(row, true);
    const int anchor = mark >= 0 ? mark : (rows.empty() ? -1 : rows.front());
    if (anchor >= 0)
        list.SetSelectionMark(anchor);
}

QStringList RowTexts(const CChannelListView& list, int row) {
    QStringList texts;
    const auto& model = list.Channels();
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.data(model.index(row, column)).toString();
    return texts;
}

QStringList HeaderTexts(const CChannelListView& list) {
    QStringList texts;
    const auto& model = list.Channels();
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.headerData(column, Qt::Horizontal).toString();
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

MainWindowFixture::MainWindowFixture(RadioModel model, int used, int firstRx, bool uhf)
    : MainWindowFixture() {
    ChooseModel(model);
    Open(MakeDat(model, UsedChannels(model, used, firstRx), uhf));
}

void MainWindowFixture::Do(void (CMainDlg::*command)(), const std::vector<int>& rows, int mark) {
    SelectRows(List(), rows, mark);
    (window.get()->*command)();
}

std::filesystem::path MainWindowFixture::Open(const Bytes& dat, const std::string& name) {
    const std::filesystem::path path = dir / name;
    WriteBytes(path, dat);
    OpenPath(path);
    return path;
}

void MainWindowFixture::OpenPath(const std::filesystem::path& path) {
    prompts.openNames.push_back(QPath(path));
    window->OnOpen();
}

void MainWindowFixture::ChooseModel(RadioModel model) {
    window->findChild<QComboBox*>("modeBox")->setCurrentIndex(model);
}

void MainWindowFixture::ShowAllColumns(bool on) {
    window->findChild<QCheckBox*>("showAllColumns")->setChecked(on);
}

Bytes MainWindowFixture::Save(const std::string& name) {
    const std::filesystem::path path = dir / name;
    prompts.saveNames.push_back(QPath(path));
    window->OnSave();
    return ReadBytes(path);
}

CImportDlg& MainWindowFixture::Import(const std::filesystem::path& path) {
    prompts.openNames.push_back(QPath(path));
    window->findChild<QPushButton*>("importButton")->click();
    return *window->ImportDlg();
}

CChannelListView& MainWindowFixture::List() const { return window->List(); }

const CChannel& MainWindowFixture::Record(int row) const {
    return *window->List().Channels().RecordAt(row);
}

} // namespace testing_support
