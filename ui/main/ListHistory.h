#pragma once

#include <QString>

#include <functional>

class CChannelListView;
class QUndoStack;

// The undo history of a channel list is a QUndoStack of steps, one for each
// command that moved rows or changed records, named by the command. A step
// keeps only what the command changed (the new order of the rows it moved,
// the other version of the records it changed) and the selection and
// selection mark from before and after it. Steps are kept by row, never by
// where a record is stored, so they stay right when the rows are made to
// point at other storage in the same order.

// The steps a history keeps, dropping the oldest.
constexpr int kHistorySteps = 1000;

// Runs work, which may raise; whatever it changed in the order of the
// list's rows or in their records, even when it raised part way, becomes one
// step on the stack, named name. Nothing changed, no step.
void RecordListStep(QUndoStack& stack, CChannelListView& list, const QString& name,
                    const std::function<void()>& work);
