#include "ProgramInfo.h"

// Resources compiled into a static library must be registered by hand; this
// must run outside any namespace.
static void RegisterResources() { Q_INIT_RESOURCE(resources); }

QIcon ProgramIcon() {
    static const QIcon icon = [] {
        RegisterResources();
        return QIcon(QStringLiteral(":/velmora.svg"));
    }();
    return icon;
}
