// Placeholder until the detail editor lands.
#include "memory_detail_dialog.h"

namespace r36::ui {

struct MemoryDetailDialog::Private {
    int curMemory = 0;
    std::set<int> stored;
};

MemoryDetailDialog::MemoryDetailDialog(image::CloneImage&, const std::vector<std::string>&,
                                       int curMemory, UserDialogs&, QWidget* parent)
    : QDialog(parent), d(std::make_unique<Private>()) {
    d->curMemory = curMemory;
    setWindowTitle(QStringLiteral("Memory Setting"));
}
MemoryDetailDialog::~MemoryDetailDialog() = default;
int MemoryDetailDialog::curMemory() const { return d->curMemory; }
const std::set<int>& MemoryDetailDialog::storedMemories() const { return d->stored; }

} // namespace r36::ui
