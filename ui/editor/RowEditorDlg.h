#pragma once

#include "RadioModel.h"

#include <QDialog>

class CChannelListView;
class CDatFile;
class Prompts;

// Edits one row, or several rows at once, of the main window's channel list.
// Works on a private copy of every row's record; OK writes them all back
// through the rows' pointers, Cancel drops every change.
class CRowEditorDlg : public QDialog {
    Q_OBJECT

public:
    // first = last for one row (single-row mode); otherwise the lowest and
    // highest selected row. The owner receives UM_SELECT_NEXT_ROW and
    // UM_SELECT_PREV_ROW after "Next >" and "< Prev".
    CRowEditorDlg(RadioModel model, int firstRow, int lastRow, CChannelListView& list,
                  CDatFile& file, bool newMode, Prompts& prompts, QWidget* owner);
    ~CRowEditorDlg() override;
};
