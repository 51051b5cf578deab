#pragma once

#include "ChannelDocument.h"

#include <QString>

class CChannelListView;
class QUndoStack;

// The main window's Undo and Redo are a QUndoStack's, for its actions, its
// texts ("Undo Up 15") and its limit; the steps themselves, and whether the
// rows differ from those saved, are the document's history. Each command on
// the stack stands for the document's step of the same place, named by the
// command that made it, and holds the list's selection and mark from before
// and after it: undoing it undoes the document's last step and shows the
// selection from before. The stack's limit is the document's, so both drop
// their oldest step together.

// Shows a change the document has made in the list: its selection and the
// row it scrolls to. A change that became a step goes onto the stack as a
// command named name, with before as the selection it undoes to.
void PushListChange(QUndoStack& stack, CChannelDocument& document, CChannelListView& list,
                    const QString& name, ListChange change, const RowSelection& before);
