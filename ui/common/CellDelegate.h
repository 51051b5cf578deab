#pragma once

#include "ChannelColumns.h"
#include "EditSession.h"

#include <QStyledItemDelegate>

#include <functional>

class QComboBox;

// Puts the items of a setting's list into an empty list at their positions
// (the Row Editor's texts, "67.0  (CTCSS 01)", in the user's language), each
// carrying as its data the text the record's column shows ("67.0"), and in
// kItemTextRole its English text; no item is chosen.
void FillSettingList(QComboBox& list, Setting setting);
inline constexpr int kItemTextRole = Qt::UserRole + 1;

// The editors of the channel list's cells, by the column table: the Name
// box's rules, the frequency box's key filter, or a list of the Row Editor's
// items. The list never writes a record: an edit ends by handing the text to
// the owner's store, which may refuse it, and the editor then stays open
// with the text as typed. The current cell is framed.
class CCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // How an edit ends: Enter (down a row), Tab (right), Shift+Tab (left),
    // Ctrl+Enter (into every selected row), or in place: the focus went
    // elsewhere, or Space toggled an On/OFF cell.
    enum class Ending { kDown, kRight, kLeft, kAllSelected, kStay };
    // Stores the text in the current cell; false when it was refused.
    using Store = std::function<bool(const QString& text, Ending ending)>;

    explicit CCellDelegate(QObject* parent = nullptr);
    void SetStore(Store store) { m_store = std::move(store); }

    // The text an editor holds, as the column shows its values.
    static QString EditorText(const QWidget* editor);
    // Starts the editor's text with what the user typed to open it.
    static void StartWith(QWidget* editor, const QString& typed);
    // Stores what the editor holds, the edit ending in place; false, the
    // editor left open, when the store refused it.
    bool Commit(QWidget* editor) { return Finish(editor, Ending::kStay); }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

Q_SIGNALS:
    // The edit ended this way and was stored; the list moves on.
    void stored(CCellDelegate::Ending ending);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // Hands the editor's text to the store; closes the editor if it took it.
    bool Finish(QWidget* editor, Ending ending);

    Store m_store;
};
