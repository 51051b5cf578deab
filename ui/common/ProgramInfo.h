#pragma once

#include <QIcon>
#include <QString>

inline const QString kProgramName = QStringLiteral("Velmora");
// "1.3": the version that project() in CMakeLists.txt gives.
extern const QString kProgramVersion;

// The program's icon, drawn from its own SVG.
QIcon ProgramIcon();

// The year the About box shows: that of SOURCE_DATE_EPOCH when the build had
// one, else the year the program was built.
QString BuildYear();
