#include "ImportDlg.h"

#include "ChannelListView.h"

CImportDlg::CImportDlg(const QString&, bool showAllColumns, RadioModel model, Prompts&,
                       QWidget* owner)
    : QDialog(owner), m_listChannels(new CChannelListView(false, this)) {
    m_listChannels->Channels().SetColumns(model, showAllColumns);
}

CImportDlg::~CImportDlg() = default;

void CImportDlg::SetShowAllColumns(bool showAll) {
    m_listChannels->Channels().SetColumns(m_listChannels->Channels().Model(), showAll);
}

void CImportDlg::OnOpenForImport() {}

void CImportDlg::OnCopy() {}
