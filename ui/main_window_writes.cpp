// What every write command asks first: to read the receiver when nothing of it is known, then
// what the write will change on it.

#include "main_window.h"

#include "edit_reports.h"
#include "user_dialogs.h"

#include "session/difference_text.h"
#include "session/session.h"

namespace r36::ui {

void MainWindow::startWrite(int kind, int first, int last) {
    if (m_session->transferRunning())
        return;
    const auto command = static_cast<session::Transfer>(kind);
    if (!m_session->receiver().receiverHoldings().knowsNothing()) {
        showDifference(kind, first, last);
        return;
    }
    const int chosen = m_dialogs->choose(
        this, {QStringLiteral("frmReadFirst"),
               session::transferName(command),
               tr("Nothing is known yet of what the receiver holds. Read it first "
                  "to keep a backup and to see what the write will change."),
               {},
               {tr("Read the receiver first"), tr("Write without reading"), tr("Cancel")}});
    if (chosen == 0 && m_session->receiver().startReceiverRead())
        m_pendingWrite = PendingWrite{kind, first, last};
    else if (chosen == 1)
        m_session->receiver().startTransfer(command, first, last);
}

void MainWindow::showDifference(int kind, int first, int last) {
    const auto command = static_cast<session::Transfer>(kind);
    const image::Difference difference = m_session->receiver().differenceFor(command, first, last);
    QStringList lines;
    for (const image::Change& change : difference.changes)
        lines << session::changeText(change);
    // A changed partition moves the borders of the banks: the channels it moves come last.
    for (const image::LabelChange& moved : difference.relabelled)
        lines << session::labelChangeText(moved);
    const QString changes = session::countsText(difference);
    QString text = tr("%1 will change on the receiver:").arg(changes);
    if (difference.empty())
        text = tr("Nothing differs: the receiver already holds what %1 writes.")
                   .arg(session::transferName(command));
    else if (!difference.relabelled.empty())
        text = tr("%1 will change on the receiver, and %2 will show under another label "
                  "(listed last):")
                   .arg(changes,
                        EditReports::channels(static_cast<int>(difference.relabelled.size())));
    const int chosen =
        m_dialogs->choose(this, {QStringLiteral("frmDifference"),
                                 session::transferName(command),
                                 text,
                                 lines,
                                 {tr("Write changes"), tr("Write all"), tr("Cancel")}});
    if (chosen == 0 && !difference.empty())
        m_session->receiver().startWriteChanges(command, first, last);
    else if (chosen == 1)
        m_session->receiver().startTransfer(command, first, last);
}

} // namespace r36::ui
