#include "ListHistory.h"

#include "ChannelListView.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace {

class CListCommand final : public QUndoCommand {
public:
    CListCommand(const QString& name, CChannelDocument& document, CChannelListView& list,
                 RowSelection before, RowSelection after, int scrollTo)
        : QUndoCommand(name), m_document(document), m_list(list), m_before(std::move(before)),
          m_after(std::move(after)), m_nScrollTo(scrollTo) {}

    void undo() override {
        m_document.Undo();
        m_list.ShowSelection(m_before, m_before.mark);
    }

    // The stack redoes a command as it is pushed, after the document made
    // its change: the document then has nothing to redo, and the list shows
    // the change where it was made.
    void redo() override {
        const bool redone = m_document.Redo();
        m_list.ShowSelection(m_after, redone ? m_after.mark : m_nScrollTo);
    }

private:
    CChannelDocument& m_document;
    CChannelListView& m_list;
    RowSelection m_before;
    RowSelection m_after;
    int m_nScrollTo;
};

} // namespace

void PushListChange(QUndoStack& stack, CChannelDocument& document, CChannelListView& list,
                    const QString& name, ListChange change, const RowSelection& before) {
    if (!change.stepped) {
        list.ShowSelection(change.selection, change.scrollTo);
        return;
    }
    stack.push(new CListCommand(name, document, list, before, std::move(change.selection),
                                change.scrollTo));
}
