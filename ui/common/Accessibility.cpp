#include "Accessibility.h"

#include <QLabel>

void NameControlsFromLabels(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (!buddy || !buddy->accessibleName().isEmpty())
            continue;
        QString name = label->text();
        name.remove(QLatin1Char('&'));
        // ":" or, in Chinese, "：".
        if (name.endsWith(QLatin1Char(':')) || name.endsWith(QChar(0xFF1A)))
            name.chop(1);
        buddy->setAccessibleName(name.trimmed());
    }
}
