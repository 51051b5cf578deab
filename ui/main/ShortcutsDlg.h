#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QTreeWidget;

// "Keyboard Shortcuts": every key of every window, one row a key, grouped by
// window. The rows come from the windows' own command and key tables, which
// their owner gathers; nothing here names a key.
class CShortcutsDlg : public QDialog {
    Q_OBJECT

public:
    struct Key {
        QString keys;
        QString what;
    };
    // The row of a command: its keys as a command table writes them
    // ("Ctrl+Shift+Z; Ctrl+Y"), its text as a menu shows it ("&Find...").
    static Key OfCommand(const char* keys, const QString& text);
    struct Window {
        QString name;
        std::vector<Key> keys;
    };

    CShortcutsDlg(const std::vector<Window>& windows, QWidget* owner);

    QTreeWidget& Keys() const { return *m_listKeys; }

private:
    QTreeWidget* m_listKeys = nullptr;
};
