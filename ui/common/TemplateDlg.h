#pragma once

#include "DialogUnits.h"

#include <QDialog>
#include <QSize>

class QKeyEvent;
class QMenuBar;

// A window laid out from a dialog template: a menu bar, and below it a client
// area whose controls are placed in dialog units. Resizing hands the change in
// client size to the window, which moves its controls by it; the window never
// gets smaller than it was made. Keys that the window takes before its
// controls reach HandleWindowKey wherever the focus is in the client area.
class CTemplateDlg : public QDialog {
    Q_OBJECT

public:
    QSize MinimumOuterSize() const { return {m_nMinWidth, m_nMinHeight}; }

protected:
    // The client area's size in dialog units.
    CTemplateDlg(QWidget* parent, int clientWidth, int clientHeight);

    QMenuBar* MenuBar() const { return m_pMenuBar; }
    QWidget* Client() const { return m_pClient; }
    const CDialogUnits& Units() const { return m_units; }

    // Call once every control exists: widens the client area by extraWidth
    // (where the user's font needs more room than the template gives), fixes
    // the minimum size and starts watching the client area's keys.
    void FinishLayout(int extraWidth = 0);

    virtual void OnClientResized(int dx, int dy) = 0;
    virtual bool IsWindowKey(const QKeyEvent* key) const = 0;
    virtual void HandleWindowKey(const QKeyEvent* key) = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    int m_nMinWidth = 0;
    int m_nMinHeight = 0;

private:
    CDialogUnits m_units;
    QMenuBar* m_pMenuBar = nullptr;
    QWidget* m_pClient = nullptr;
    QSize m_prevClientSize;
};
