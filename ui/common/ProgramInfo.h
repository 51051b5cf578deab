#pragma once

#include <QIcon>
#include <QString>

inline const QString kProgramName = QStringLiteral("Velmora");

// The program's icon, drawn from its own SVG.
QIcon ProgramIcon();
