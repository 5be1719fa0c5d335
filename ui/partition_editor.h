#pragma once

#include "image/memory_areas.h"
#include "session/session.h"

#include <QGroupBox>

#include <array>
#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;

namespace r36::ui {

/// Why the partition cannot be used (Bank Write, Bank-Link): "The bank counts total 990; they
/// must total 1000"; empty while the displayed total is 1000.
QString partitionProblem(const session::Session& session);

/// The bank partition box: 50 count boxes (`txtPartition<bank>`) in five columns "0x".."4x" by
/// rows "0".."9", the displayed total (`total_mem`) and the "Bank Read", "Bank Write" and
/// "Reset" buttons, which the main window drives with its commands. A view over the session's
/// partition: a committed box goes down as its text, and the boxes and the total show what the
/// session then holds.
class PartitionEditor : public QGroupBox {
    Q_OBJECT
public:
    explicit PartitionEditor(session::Session& session, QWidget* parent = nullptr);
    ~PartitionEditor() override;

    /// Commits the box that has the focus, if any: its edit counts before the page is left.
    void commitFocusedBox();

    /// Asks how a commit that brings the total back to 1000 treats the channels; none: the
    /// edit is cancelled and the box shows its count again.
    using MoveQuestion =
        std::function<std::optional<session::Session::CountsChange>(const image::BankMove&)>;
    /// Without a question the counts alone change.
    void setMoveQuestion(MoveQuestion question) { m_moveQuestion = std::move(question); }

    // The buttons, for the main window's commands to drive.
    QPushButton* readButton() const { return m_read; }
    QPushButton* writeButton() const { return m_write; }
    QPushButton* resetButton() const { return m_reset; }

signals:
    /// What a commit did to the channels, for the status bar.
    void statusMessage(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPartition();
    void commitPartitionEdit(int bank);
    int boxIndex(QObject* object) const;

    session::Session& m_session;
    std::array<QLineEdit*, image::kBankCount> m_boxes{};
    QLineEdit* m_total = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_write = nullptr;
    QPushButton* m_reset = nullptr;
    MoveQuestion m_moveQuestion;
    bool m_asking = false; // the question's window takes the focus from the box
};

} // namespace r36::ui
