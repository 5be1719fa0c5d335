#pragma once

#include "image/clone_image.h"
#include "image/memory_areas.h"

#include <QGroupBox>

#include <array>

class QLineEdit;
class QPushButton;

namespace r36::ui {

/// The bank partition box: 50 count boxes in five columns "0x".."4x" by rows "0".."9", the
/// displayed total and the "Bank Read", "Bank Write" and "Reset" buttons. The bank table follows
/// the boxes only while they total 1000, so a half-edited partition never reaches the image.
class PartitionEditor : public QGroupBox {
    Q_OBJECT
public:
    explicit PartitionEditor(image::CloneImage& image, QWidget* parent = nullptr);
    ~PartitionEditor() override;

    /// Every box from the bank table; the displayed total is left as it is.
    void loadBoxes();
    /// The total as displayed: recomputed only when a box is committed.
    int displayedTotal() const;
    /// Total "1000" in the normal colour, whatever the boxes hold (Reset, a file opened).
    void showTotalValid();
    /// Normalises box `bank`, shows the new total and, when it is 1000, rebuilds the bank table.
    void commitPartitionEdit(int bank);
    /// Commits the box that has the focus, if any: its edit counts before the page is left.
    void commitFocusedBox();

    QLineEdit* box(int bank) const { return m_boxes.at(bank); }
    QLineEdit* totalBox() const { return m_total; }
    QPushButton* readButton() const { return m_read; }
    QPushButton* writeButton() const { return m_write; }
    QPushButton* resetButton() const { return m_reset; }

signals:
    /// A commit wrote a new bank table.
    void bankTableEdited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTotal(int total);
    int boxIndex(QObject* object) const;

    image::CloneImage& m_image;
    std::array<QLineEdit*, image::kBankCount> m_boxes{};
    QLineEdit* m_total = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_write = nullptr;
    QPushButton* m_reset = nullptr;
};

} // namespace r36::ui
