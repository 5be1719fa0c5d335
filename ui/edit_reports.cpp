#include "edit_reports.h"

#include "session/session.h"

namespace r36::ui {

QString EditReports::memories(int count) {
    return count == 1 ? tr("1 memory") : tr("%1 memories").arg(count);
}

QString EditReports::channels(int count) {
    return count == 1 ? tr("1 channel") : tr("%1 channels").arg(count);
}

QString EditReports::cleared(const session::Session& session, int first, int last, int inUse) {
    if (inUse == 0)
        return tr("Nothing to clear: no memory of %1 holds a channel")
            .arg(session.labelRange(first, last));
    return tr("%1 cleared at %2 — Ctrl+Z undoes")
        .arg(memories(inUse), session.labelRange(first, last));
}

QString EditReports::pasted(const session::Session& session, int first, int last, int replaced) {
    const QString where = session.labelRange(first, last);
    const QString count = memories(last - first + 1);
    if (replaced == 0)
        return tr("%1 pasted at %2 — Ctrl+Z undoes").arg(count, where);
    return tr("%1 pasted at %2, replacing %3 — Ctrl+Z undoes")
        .arg(count, where, channels(replaced));
}

QString EditReports::leftHidden(int hidden) {
    return hidden > 0 ? tr(" — %n rows hidden by the filter left as they were", "", hidden)
                      : QString();
}

QString EditReports::deleted(const session::Session& session, int memory) {
    return tr("%1 deleted; the memories after it in its bank or area moved up — Ctrl+Z undoes")
        .arg(session.labelRange(memory, memory));
}

} // namespace r36::ui
