#include "ProgramInfo.h"

#include "ProgramVersion.h"

#include <string_view>

const QString kProgramVersion = QStringLiteral(VELMORA_VERSION);

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

QString BuildYear() {
    constexpr std::string_view sourceDate = VELMORA_SOURCE_DATE_YEAR;
    // The compiler's date reads "Mmm dd yyyy".
    constexpr std::string_view year =
        sourceDate.empty() ? std::string_view(__DATE__).substr(7, 4) : sourceDate;
    return QString::fromLatin1(year.data(), static_cast<qsizetype>(year.size()));
}
