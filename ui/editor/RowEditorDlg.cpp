#include "RowEditorDlg.h"

CRowEditorDlg::CRowEditorDlg(RadioModel, int, int, CChannelListView&, CDatFile&, bool, Prompts&,
                             QWidget* owner)
    : QDialog(owner) {
    setWindowTitle(QStringLiteral("Row Editor"));
}

CRowEditorDlg::~CRowEditorDlg() = default;
