// Placeholder until the link dialogs land.
#include "link_dialog.h"

namespace r36::ui {

struct LinkDialog::Private {};

LinkDialog::LinkDialog(Kind kind, image::CloneImage&, QWidget* parent)
    : QDialog(parent), d(std::make_unique<Private>()) {
    setWindowTitle(kind == Kind::BankLink ? QStringLiteral("BANK-LINK Setting")
                                          : QStringLiteral("PS LINK Setting"));
}
LinkDialog::~LinkDialog() = default;

} // namespace r36::ui
