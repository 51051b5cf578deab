#include "CellDelegate.h"

#include "CellEdit.h"
#include "ChannelTableModel.h"
#include "FreqEdit.h"
#include "NameEdit.h"
#include "Text.h"
#include "ToneItems.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int kFrequencyLength = 9;

const ColumnInfo* ColumnOfIndex(const QModelIndex& index) {
    const auto* model = qobject_cast<const CChannelTableModel*>(index.model());
    return model ? &model->ColumnAt(index.column()) : nullptr;
}

} // namespace

void FillSettingList(QComboBox& list, Setting setting) {
    if (setting == kRxTone || setting == kTxTone) {
        for (int position = 0; position < kToneItemCount; ++position)
            list.insertItem(position, QString::fromStdString(ToneItemText(position)),
                            QString::fromStdString(ToneValueText(position)));
    } else {
        const std::vector<std::string> items = ListItems(setting);
        for (std::size_t i = 0; i < items.size(); ++i) {
            const QString text = QString::fromStdString(items[i]);
            list.insertItem(static_cast<int>(i), text, text);
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
        auto* list = new QComboBox(parent);
        FillSettingList(*list, *setting);
        editor = list;
        break;
    }
    }
    if (auto* box = qobject_cast<QLineEdit*>(editor))
        box->setAlignment((column->leftAligned ? Qt::AlignLeft : Qt::AlignRight) |
                          Qt::AlignVCenter);
    editor->setObjectName(QStringLiteral("cellEditor"));
    editor->setAccessibleName(QString::fromLatin1(column->header));
    return editor;
}

void CCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data().toString();
    if (auto* list = qobject_cast<QComboBox*>(editor))
        list->setCurrentIndex(list->findData(text));
    else if (auto* box = qobject_cast<QLineEdit*>(editor))
        // A name is padded with spaces; the user typed it without them.
        box->setText(
            QString::fromStdString(std::string(Trim(text.toStdString(), TrimEnds::kEnd, " "))));
}

QString CCellDelegate::EditorText(const QWidget* editor) {
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
        if (!focus || !editor->isAncestorOf(focus))
            Finish(editor, Ending::kStay);
    }
    return false;
}

void CCellDelegate::Finish(QWidget* editor, Ending ending) {
    if (!m_store)
        return;
    if (m_store(EditorText(editor), ending)) {
        Q_EMIT closeEditor(editor, NoHint);
        Q_EMIT stored(ending);
    } else if (ending == Ending::kStay) {
        // The user has gone on elsewhere: the refused text is dropped.
        Q_EMIT closeEditor(editor, RevertModelCache);
    }
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
