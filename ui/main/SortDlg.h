#pragma once

#include "ChannelDocument.h"
#include "RadioModel.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

// "Sort": which column the channels go in order by, and which way.
class CSortDlg : public QDialog {
    Q_OBJECT

public:
    // "Name" is offered only for a radio whose channels have names.
    CSortDlg(RadioModel model, QWidget* owner);

    SortKey Key() const;
    bool IsDescending() const;

private:
    QComboBox* m_comboKey = nullptr;
    QCheckBox* m_checkDescending = nullptr;
};
