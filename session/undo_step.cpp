#include "undo_step.h"

#include "session.h"

namespace r36::session {

UndoStep::UndoStep(Session& session, const QString& text, DocumentState before, DocumentState after)
    : QUndoCommand(text), m_session(session), m_before(std::move(before)),
      m_after(std::move(after)) {}

void UndoStep::undo() {
    m_session.restore(m_before);
}

void UndoStep::redo() {
    if (m_done) {
        m_done = false;
        return;
    }
    m_session.restore(m_after);
}

} // namespace r36::session
