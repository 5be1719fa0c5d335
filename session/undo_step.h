#pragma once

#include "document_change.h"
#include "session.h"

#include <QUndoCommand>

namespace r36::session {

class Session;

/// One step of the edit history: what its change touched, before and after.
class UndoStep : public QUndoCommand {
public:
    UndoStep(Session& session, const QString& text, DocumentChange change);

    void undo() override;
    /// The first redo comes from QUndoStack::push, when the change has been made already.
    void redo() override;

private:
    Session& m_session;
    DocumentChange m_change;
    bool m_done = true;
};

/// Runs `change` and keeps it as one undo step named `what` when it changed anything.
template <typename Change> void Session::recorded(const QString& what, Change change) {
    const DocumentState before = state();
    change();
    pushStep(what, before);
}

} // namespace r36::session
