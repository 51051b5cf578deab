#pragma once

#include "DialogUnits.h"

#include <QDialog>
#include <QKeySequence>
#include <QSize>

#include <functional>
#include <vector>

class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QPushButton;

// A window laid out from a dialog template: a menu bar, and below it a client
// area whose controls are placed in dialog units. Resizing hands the change in
// client size to the window, which moves its controls by it; the window never
// gets smaller than it was made. Its commands are actions, from which its
// menus and buttons are built; the keys of a command are taken before the
// controls, wherever the focus is in the client area. Each window numbers its
// commands with an enum of its own and finds them by it.
class CTemplateDlg : public QDialog {
    Q_OBJECT

public:
    // Every command of the window by its number (null for a number not used).
    const std::vector<QAction*>& Commands() const { return m_commands; }

protected:
    // The client area's size in dialog units.
    CTemplateDlg(QWidget* parent, int clientWidth, int clientHeight);

    QMenuBar* MenuBar() const { return m_pMenuBar; }
    QWidget* Client() const { return m_pClient; }
    const CDialogUnits& Units() const { return m_units; }

    // Command number id of the window: its action with the text that menus
    // show, the label of its button (if it has one) as the action's icon
    // text, the keys taken before the controls (Shift or not) and the
    // handler. The object name is for those who look at the window from
    // outside (a screen reader's tools, a test's failure message).
    QAction* AddCommand(int id, const char* name, const QString& text, const QString& buttonText,
                        const QList<QKeySequence>& keys, std::function<void()> handler);
    // A command whose action is made elsewhere (and triggers what it does
    // itself), such as a history's Undo.
    QAction* AddCommand(int id, QAction* command, const char* name,
                        const QList<QKeySequence>& keys);
    QAction* CommandAt(int id) const { return m_commands.at(static_cast<std::size_t>(id)); }
    // A push button for a command at its template rectangle: it runs the
    // command and is enabled exactly while the command is.
    QPushButton* AddButton(QAction* command, const char* name, QRect rect);

    // Call once every control exists: moves apart the controls whose texts
    // need more room than the template gives (SpreadControls), widens the
    // client area by what extraWidth then says (where the user's font needs
    // more room, say for a list's columns), fixes the minimum size and starts
    // watching the client area's keys.
    void FinishLayout(const std::function<int()>& extraWidth = {});

    virtual void OnClientResized(int dx, int dy) = 0;
    // Enter and Esc, which a dialog would take to end itself: the window
    // takes them before its controls and decides what they do.
    virtual void HandleWindowKey(const QKeyEvent* key) = 0;
    // While true (a cell being edited where it stands), the focused control
    // has every key, the window's commands none.
    virtual bool IsEditingInPlace() const { return false; }

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    int m_nMinWidth = 0;
    int m_nMinHeight = 0;

private:
    QAction* CommandForKey(const QKeyEvent* key) const;
    // Alt and a letter, which only a menu of this window's menu bar takes;
    // the menu whose underlined letter it is.
    static bool IsMenuKey(const QKeyEvent* key);
    QMenu* MenuForKey(const QKeyEvent* key) const;
    static bool IsWindowKey(const QKeyEvent* key);
    // True when the window took the key.
    bool TakeKey(QKeyEvent* key, bool pressed);

    CDialogUnits m_units;
    QMenuBar* m_pMenuBar = nullptr;
    QWidget* m_pClient = nullptr;
    QSize m_prevClientSize;
    std::vector<QAction*> m_commands;
};
