#include "UiHelpers.h"

#include "ChannelListView.h"

#include <QComboBox>
#include <QDir>
#include <QImage>

namespace testing_support {

void SelectRows(CChannelListView& list, const std::vector<int>& rows, int mark) {
    list.ClearRowSelection();
    for (int row : rows)
        list.SetRowSelected(row, true);
    const int anchor = mark >= 0 ? mark : (rows.empty() ? -1 : rows.front());
    if (anchor >= 0)
        list.SetSelectionMark(anchor);
}

void SelectRows(CChannelListView& list, std::initializer_list<int> rows, int mark) {
    SelectRows(list, std::vector<int>(rows), mark);
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

void SaveScreenshot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window.grab().save(folder + QStringLiteral("/") + name + QStringLiteral(".png"));
}

MainWindowFixture::MainWindowFixture() : window(std::make_unique<CMainDlg>(prompts)) {
    window->show();
}

std::filesystem::path MainWindowFixture::Open(const Bytes& dat, const std::string& name) {
    const std::filesystem::path path = dir / name;
    WriteBytes(path, dat);
    prompts.openNames.push_back(QString::fromStdString(path.string()));
    window->OnOpen();
    return path;
}

void MainWindowFixture::ChooseModel(RadioModel model) {
    window->findChild<QComboBox*>(QStringLiteral("modeBox"))->setCurrentIndex(model);
}

Bytes MainWindowFixture::Save(const std::string& name) {
    const std::filesystem::path path = dir / name;
    prompts.saveNames.push_back(QString::fromStdString(path.string()));
    window->OnSave();
    return ReadBytes(path);
}

CChannelListView& MainWindowFixture::List() const { return window->List(); }

const CChannel& MainWindowFixture::Record(int row) const {
    return *window->List().Channels().RecordAt(row);
}

} // namespace testing_support
