#include "AboutDlg.h"

#include "DialogUnits.h"
#include "ProgramInfo.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(const QIcon& icon, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Velmora"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    const CDialogUnits units(font());

    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(32, 32));
    PlaceControl(picture, units, 11, 17, 20, 20);

    const struct {
        QString text;
        int y;
    } lines[] = {
        {tr("%1 Version %2").arg(kProgramName, kProgramVersion), 10},
        {tr("Copyright (C) %1").arg(BuildYear()), 26},
        {tr("This software is freeware."), 42},
    };
    for (const auto& line : lines) {
        auto* label = new QLabel(line.text, this);
        PlaceControl(label, units, 40, line.y, 119, 8);
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    PlaceControl(ok, units, 178, 7, 50, 14);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    const int spread = SpreadControls(*this, units);
    setFixedSize(units.Size(235, 76) + QSize(spread, 0));
}
