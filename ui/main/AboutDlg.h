#pragma once

#include <QDialog>

class QIcon;

// "About Velmora": the icon, the version, the year and the freeware line.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(const QIcon& icon, QWidget* parent);
};
