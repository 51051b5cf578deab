#include "CellDelegate.h"

#include "CellEdit.h"
#include "ChannelTableModel.h"
#include "FreqEdit.h"
#include "NameEdit.h"
#include "Text.h"
#include "ToneItems.h"
#include "Translation.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int kFrequencyLength = 9;

// A drop-down that chooses by what is typed: the first item that begins
// with the letters typed in a row, whatever their case. Letters that begin
// no item are kept, so that storing them says so instead of storing the item
// chosen before.
class CValueList : public QComboBox {
public:
    using QComboBox::QComboBox;

    // The letters typed when they begin no item, else empty.
    const QString& Unmatched() const { return m_strUnmatched; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString typed = event->text();
        if (typed.size() != 1 || !typed.at(0).isPrint() ||
            (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            QComboBox::keyPressEvent(event);
            return;
        }
        if (!m_typing.isValid() || m_typing.elapsed() > QApplication::keyboardInputInterval())
            m_strTyped.clear();
        m_typing.start();
        m_strTyped += typed;
        // The words as shown, or as a list or the guide writes them.
        int found = findText(m_strTyped, Qt::MatchStartsWith);
        if (found < 0)
            found = findData(m_strTyped, kItemTextRole, Qt::MatchStartsWith);
        m_strUnmatched = found < 0 ? m_strTyped : QString();
        if (found >= 0)
            setCurrentIndex(found);
        event->accept();
    }

private:
    QString m_strTyped;
    QString m_strUnmatched;
    QElapsedTimer m_typing;
};

const ColumnInfo* ColumnOfIndex(const QModelIndex& index) {
    const auto* model = qobject_cast<const CChannelTableModel*>(index.model());
    return model ? &model->ColumnAt(index.column()) : nullptr;
}

} // namespace

void FillSettingList(QComboBox& list, Setting setting) {
    if (setting == kRxTone || setting == kTxTone) {
        for (int position = 0; position < kToneItemCount; ++position) {
            const std::string text = ToneItemText(position);
            list.insertItem(position, TrValue(text),
                            QString::fromStdString(ToneValueText(position)));
            list.setItemData(position, QString::fromStdString(text), kItemTextRole);
        }
    } else {
        const std::vector<std::string> items = ListItems(setting);
        for (std::size_t i = 0; i < items.size(); ++i) {
            const QString text = QString::fromStdString(items[i]);
            list.insertItem(static_cast<int>(i), TrValue(items[i]), text);
            list.setItemData(static_cast<int>(i), text, kItemTextRole);
        }
    }
    list.setCurrentIndex(-1);
}

CCellDelegate::CCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* CCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    const ColumnInfo* column = ColumnOfIndex(index);
    const std::optional<Setting> setting = column ? SettingOfColumn(column->id) : std::nullopt;
    QWidget* editor = nullptr;
    switch (column ? column->editor : CellEditor::kNone) {
    case CellEditor::kNone:
        return nullptr;
    case CellEditor::kName: {
        auto* name = new CNameEdit(parent);
        name->setMaxLength(CChannel::kNameLength);
        editor = name;
        break;
    }
    case CellEditor::kFrequency: {
        auto* frequency = new CFreqEdit(parent);
        frequency->setMaxLength(kFrequencyLength);
        editor = frequency;
        break;
    }
    case CellEditor::kList:
    case CellEditor::kOnOff: {
        auto* list = new CValueList(parent);
        FillSettingList(*list, *setting);
        editor = list;
        break;
    }
    }
    if (auto* box = qobject_cast<QLineEdit*>(editor))
        box->setAlignment((column->leftAligned ? Qt::AlignLeft : Qt::AlignRight) |
                          Qt::AlignVCenter);
    editor->setObjectName(QStringLiteral("cellEditor"));
    editor->setAccessibleName(TrColumn(column->header));
    return editor;
}

void CCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* list = qobject_cast<QComboBox*>(editor))
        list->setCurrentIndex(list->findData(text));
    else if (auto* box = qobject_cast<QLineEdit*>(editor))
        // A name is padded with spaces; the user typed it without them.
        box->setText(
            QString::fromStdString(std::string(Trim(text.toStdString(), TrimEnds::kEnd, " "))));
}

QString CCellDelegate::EditorText(const QWidget* editor) {
    if (const auto* list = dynamic_cast<const CValueList*>(editor);
        list && !list->Unmatched().isEmpty())
        return list->Unmatched();
    if (const auto* list = qobject_cast<const QComboBox*>(editor))
        return list->currentData().toString();
    if (const auto* box = qobject_cast<const QLineEdit*>(editor))
        return box->text();
    return {};
}

void CCellDelegate::StartWith(QWidget* editor, const QString& typed) {
    if (auto* box = qobject_cast<QLineEdit*>(editor)) {
        box->clear();
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, typed);
        QCoreApplication::sendEvent(box, &key);
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        // The list's own search: the first item beginning with the text.
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, typed);
        QCoreApplication::sendEvent(list, &key);
    }
}

bool CCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (!editor)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrl = key->modifiers() & Qt::ControlModifier;
        switch (key->key()) {
        case Qt::Key_Escape:
            Q_EMIT closeEditor(editor, RevertModelCache);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Finish(editor, ctrl ? Ending::kAllSelected : Ending::kDown);
            return true;
        case Qt::Key_Tab:
            Finish(editor, Ending::kRight);
            return true;
        case Qt::Key_Backtab:
            Finish(editor, Ending::kLeft);
            return true;
        default:
            return false;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        // A popup (the list's items, a context menu) or a message over the
        // window takes the focus only for a while.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            return false;
        const QWidget* focus = QApplication::focusWidget();
        // The user has gone on elsewhere: a refused text is dropped.
        if ((!focus || !editor->isAncestorOf(focus)) && !Finish(editor, Ending::kStay))
            Q_EMIT closeEditor(editor, RevertModelCache);
    }
    return false;
}

bool CCellDelegate::Finish(QWidget* editor, Ending ending) {
    if (!m_store || !m_store(EditorText(editor), ending))
        return false;
    Q_EMIT closeEditor(editor, NoHint);
    Q_EMIT stored(ending);
    return true;
}

void CCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex&) const {
    // A drop-down is as wide as its items need, over the cells beside it,
    // and inside the list.
    QRect rect = option.rect;
    if (qobject_cast<QComboBox*>(editor)) {
        rect.setWidth(std::max(rect.width(), editor->sizeHint().width()));
        if (const QWidget* viewport = editor->parentWidget();
            viewport && rect.right() > viewport->width())
            rect.moveRight(std::max(viewport->width(), option.rect.width()) - 1);
    }
    editor->setGeometry(rect);
}

void CCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (!(option.state & QStyle::State_HasFocus))
        return;
    // The current cell of a row that is highlighted whole needs a frame of
    // its own to be seen.
    const bool selected = option.state & QStyle::State_Selected;
    QPen pen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->save();
    painter->setPen(pen);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}
