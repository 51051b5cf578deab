#pragma once

#include "ChannelDocument.h"

#include <QString>

class CChannelListView;
class QUndoStack;

// The undo history of the main window's list is a QUndoStack of commands,
// one for each change of the document that moved rows or changed records,
// named by the command that made it. Each wraps the document's step and the
// list's selection and mark from before and after it.

// The steps a history keeps, dropping the oldest.
constexpr int kHistorySteps = 1000;

// Shows a change the document has made in the list: its rows, its selection
// and the row it scrolls to. A change with a step goes onto the stack as a
// command named name, with before as the selection it undoes to.
void PushListChange(QUndoStack& stack, CChannelDocument& document, CChannelListView& list,
                    const QString& name, ListChange change, const RowSelection& before);
