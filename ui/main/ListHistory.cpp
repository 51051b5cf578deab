#include "ListHistory.h"

#include "ChannelListView.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace {

class CListCommand final : public QUndoCommand {
public:
    CListCommand(const QString& name, CChannelDocument& document, CChannelListView& list,
                 CListStep step, RowSelection before, RowSelection after, int scrollTo)
        : QUndoCommand(name), m_document(document), m_list(list), m_step(std::move(step)),
          m_before(std::move(before)), m_after(std::move(after)), m_nFirstScroll(scrollTo) {}

    void undo() override {
        m_document.Undo(m_step);
        Show(m_before, m_before.mark);
    }

    void redo() override {
        // Pushed once the document has already made the change.
        if (m_nFirstScroll != kDone) {
            const int scroll = m_nFirstScroll;
            m_nFirstScroll = kDone;
            Show(m_after, scroll);
            return;
        }
        m_document.Redo(m_step);
        Show(m_after, m_after.mark);
    }

private:
    static constexpr int kDone = -2;

    void Show(const RowSelection& selection, int scrollTo) {
        m_list.Channels().RefreshRows(m_step.FirstRow(), m_step.LastRow());
        m_list.ShowSelection(selection, scrollTo);
    }

    CChannelDocument& m_document;
    CChannelListView& m_list;
    CListStep m_step;
    RowSelection m_before;
    RowSelection m_after;
    int m_nFirstScroll;
};

} // namespace

void PushListChange(QUndoStack& stack, CChannelDocument& document, CChannelListView& list,
                    const QString& name, ListChange change, const RowSelection& before) {
    if (!change.step) {
        list.ShowSelection(change.selection, change.scrollTo);
        return;
    }
    stack.push(new CListCommand(name, document, list, std::move(*change.step), before,
                                std::move(change.selection), change.scrollTo));
}
