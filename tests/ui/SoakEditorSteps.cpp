#include "SoakEditorSteps.h"

#include "ChannelListView.h"
#include "FakePrompts.h"
#include "MainDlg.h"

bool RunRandomEditor(FakePrompts& prompts, CMainDlg& window, std::mt19937& random) {
    bool accepted = false;
    prompts.onModal = [&](QDialog& dialog) -> int {
        if (random() % 2 == 0)
            return QDialog::Rejected;
        dialog.accept();
        accepted = dialog.result() == QDialog::Accepted;
        return dialog.result();
    };
    switch (random() % 3) {
    case 0:
        window.OnEdit();
        break;
    case 1:
        window.OnNew();
        break;
    default:
        window.OnListDoubleClick(window.List().model()->index(static_cast<int>(random() % 100), 0));
    }
    prompts.onModal = nullptr;
    return accepted;
}
