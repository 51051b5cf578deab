#include "TemplateDlg.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QVBoxLayout>

CTemplateDlg::CTemplateDlg(QWidget* parent, int clientWidth, int clientHeight)
    : QDialog(parent), m_units(font()), m_pMenuBar(new QMenuBar(this)),
      m_pClient(new QWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_pMenuBar);
    m_pClient->setMinimumSize(m_units.Size(clientWidth, clientHeight));
    // The controls are placed for this size; any other that the window gets
    // moves them from here.
    m_prevClientSize = m_units.Size(clientWidth, clientHeight);
    layout->addWidget(m_pClient);
}

void CTemplateDlg::FinishLayout(int extraWidth) {
    if (extraWidth > 0)
        m_pClient->setMinimumWidth(m_pClient->minimumWidth() + extraWidth);
    // Only the client area's controls: a key typed into an open menu belongs
    // to the menu.
    m_pClient->installEventFilter(this);
    for (QWidget* child : m_pClient->findChildren<QWidget*>())
        child->installEventFilter(this);
    resize(sizeHint());
    m_nMinWidth = width();
    m_nMinHeight = height();
    setMinimumSize(m_nMinWidth, m_nMinHeight);
}

bool CTemplateDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pClient && event->type() == QEvent::Resize) {
        const QSize size = static_cast<QResizeEvent*>(event)->size();
        // A minimized window reports no size; nothing moves for it.
        if (size.width() > 0 && size.height() > 0) {
            OnClientResized(size.width() - m_prevClientSize.width(),
                            size.height() - m_prevClientSize.height());
            m_prevClientSize = size;
        }
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsWindowKey(key)) {
            if (event->type() == QEvent::KeyPress)
                HandleWindowKey(key);
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CTemplateDlg::keyPressEvent(QKeyEvent* event) {
    if (IsWindowKey(event)) {
        HandleWindowKey(event);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
