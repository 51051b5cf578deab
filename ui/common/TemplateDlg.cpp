#include "TemplateDlg.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A key as a shortcut compares it: the modifiers that make a different key
// (Ctrl, Alt, Meta) kept or not, keypad or main keyboard alike.
QKeySequence SequenceOf(const QKeyEvent* key, Qt::KeyboardModifiers ignored) {
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~(ignored | Qt::KeypadModifier);
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key->key())));
}

// The room a template leaves between its controls and the window's edge.
constexpr int kMargin = 7;

} // namespace

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

QAction* CTemplateDlg::AddCommand(int id, const char* name, const QString& text,
                                  const QString& buttonText, const QList<QKeySequence>& keys,
                                  std::function<void()> handler) {
    auto* command = new QAction(text, this);
    if (!buttonText.isEmpty())
        command->setIconText(buttonText);
    connect(command, &QAction::triggered, this, std::move(handler));
    return AddCommand(id, command, name, keys);
}

QAction* CTemplateDlg::AddCommand(int id, QAction* command, const char* name,
                                  const QList<QKeySequence>& keys) {
    command->setObjectName(QLatin1String(name));
    if (!keys.isEmpty()) {
        command->setShortcuts(keys);
        command->setShortcutVisibleInContextMenu(true);
        // The window hands the key to the command itself (see TakeKey), so
        // Qt's shortcut map never sees it twice.
        command->setShortcutContext(Qt::WidgetShortcut);
    }
    const auto at = static_cast<std::size_t>(id);
    if (m_commands.size() <= at)
        m_commands.resize(at + 1, nullptr);
    m_commands[at] = command;
    return command;
}

QPushButton* CTemplateDlg::AddButton(QAction* command, const char* name, QRect rect) {
    auto* button = new QPushButton(command->iconText(), m_pClient);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    PlaceControlAt(button, m_units, rect);
    button->setEnabled(command->isEnabled());
    connect(button, &QPushButton::clicked, command, &QAction::trigger);
    connect(command, &QAction::enabledChanged, button, &QWidget::setEnabled);
    return button;
}

void CTemplateDlg::FinishLayout(const std::function<int()>& extraWidth) {
    // Controls grown and moved apart for their texts stand where they are
    // meant to at the wider client area, a template's margin beside them.
    SpreadControls(*m_pClient, m_units);
    const int reach = m_pClient->childrenRect().right() + 1 + m_units.X(kMargin);
    if (const int wider = reach - m_pClient->minimumWidth(); wider > 1) {
        m_pClient->setMinimumWidth(reach);
        m_prevClientSize.rwidth() += wider;
    }
    // A list's columns may want more than the screen has; the list scrolls.
    const int room = screen()->availableGeometry().width() * 9 / 10 - sizeHint().width();
    if (const int extra = std::min(extraWidth ? extraWidth() : 0, room); extra > 0)
        m_pClient->setMinimumWidth(m_pClient->minimumWidth() + extra);
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

QAction* CTemplateDlg::CommandForKey(const QKeyEvent* key) const {
    // The exact key first, so that a command of Ctrl+Shift+Z wins over one of
    // Ctrl+Z; then the key without Shift.
    for (const Qt::KeyboardModifiers ignored :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        const QKeySequence typed = SequenceOf(key, ignored | Qt::AltModifier | Qt::MetaModifier);
        for (QAction* command : m_commands)
            if (command && command->shortcuts().contains(typed))
                return command;
    }
    return nullptr;
}

bool CTemplateDlg::IsWindowKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return ||
           key->key() == Qt::Key_Enter;
}

bool CTemplateDlg::IsMenuKey(const QKeyEvent* key) {
    return key->modifiers() == Qt::AltModifier && key->key() >= Qt::Key_A &&
           key->key() <= Qt::Key_Z;
}

QMenu* CTemplateDlg::MenuForKey(const QKeyEvent* key) const {
    if (!IsMenuKey(key))
        return nullptr;
    const QKeySequence typed(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(key->key())));
    for (QAction* menu : m_pMenuBar->actions())
        if (menu->menu() && QKeySequence::mnemonic(menu->text()) == typed)
            return menu->menu();
    return nullptr;
}

bool CTemplateDlg::TakeKey(QKeyEvent* key, bool pressed) {
    if (IsEditingInPlace())
        return false;
    // A window's menu keys work only in that window: another window's menu
    // bar, whose keys Qt keeps live for a tool window, never sees them, and
    // a key of no menu here opens none.
    if (IsMenuKey(key)) {
        if (QMenu* menu = MenuForKey(key); menu && pressed) {
            m_pMenuBar->setActiveAction(menu->menuAction());
            // Opened from the keyboard, the menu starts on its first item,
            // so that Enter chooses it.
            for (QAction* item : menu->actions())
                if (item->isEnabled() && !item->isSeparator()) {
                    menu->setActiveAction(item);
                    break;
                }
        }
        key->accept();
        return true;
    }
    QAction* command = CommandForKey(key);
    if (!command && !IsWindowKey(key))
        return false;
    // A command that is disabled, or finds nothing to do, still consumes its key.
    if (pressed) {
        if (command)
            command->trigger();
        else
            HandleWindowKey(key);
    }
    key->accept();
    return true;
}

bool CTemplateDlg::event(QEvent* event) {
    // With no control focused the keys come to the window itself.
    if (event->type() == QEvent::ShortcutOverride && TakeKey(static_cast<QKeyEvent*>(event), false))
        return true;
    return QDialog::event(event);
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
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        if (TakeKey(static_cast<QKeyEvent*>(event), event->type() == QEvent::KeyPress))
            return true;
    return QDialog::eventFilter(watched, event);
}

void CTemplateDlg::keyPressEvent(QKeyEvent* event) {
    if (!TakeKey(event, true))
        QDialog::keyPressEvent(event);
}
