#include "ProgramInfo.h"

QIcon ProgramIcon() { return QIcon(QStringLiteral(":/velmora.svg")); }
