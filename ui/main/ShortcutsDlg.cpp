#include "ShortcutsDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

CShortcutsDlg::Key CShortcutsDlg::OfCommand(const char* keys, const QString& text) {
    QStringList shown;
    for (const QKeySequence& key : QKeySequence::listFromString(QString::fromLatin1(keys)))
        shown << key.toString(QKeySequence::NativeText);
    QString what = QString(text).remove(QLatin1Char('&'));
    for (const QString& dots : {QStringLiteral("..."), QStringLiteral("\u2026")})
        if (what.endsWith(dots))
            what.chop(dots.size());
    return {shown.join(QStringLiteral(", ")), what};
}

CShortcutsDlg::CShortcutsDlg(const std::vector<Window>& windows, QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("Keyboard Shortcuts"));
    setObjectName(QStringLiteral("shortcutsWindow"));
    m_listKeys = new QTreeWidget(this);
    m_listKeys->setObjectName(QStringLiteral("shortcutList"));
    m_listKeys->setAccessibleName(tr("Keyboard shortcuts"));
    m_listKeys->setHeaderLabels({tr("Keys"), tr("What they do")});
    m_listKeys->setUniformRowHeights(true);
    for (const Window& window : windows) {
        auto* group = new QTreeWidgetItem(m_listKeys, {window.name});
        group->setFirstColumnSpanned(true);
        for (const Key& key : window.keys)
            new QTreeWidgetItem(group, {key.keys, key.what});
    }
    m_listKeys->expandAll();
    m_listKeys->resizeColumnToContents(0);
    m_listKeys->resizeColumnToContents(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_listKeys);
    layout->addWidget(buttons);
    // Wide enough for every key and every text, whatever the font.
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
    const int width = m_listKeys->header()->length() + 2 * m_listKeys->frameWidth() +
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent) + margins;
    // Within the screen, however long the texts of a language.
    const QSize room = screen()->availableGeometry().size() * 9 / 10;
    resize(std::min(std::max(width, sizeHint().width()), room.width()),
           std::min(fontMetrics().height() * 34, room.height()));
}
