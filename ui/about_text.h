#pragma once

class QWidget;

namespace r36::ui {

/// Lays out the program's name, "Version 0.09", optionally the date, the notice and the licence in
/// `window` (the splash and the version window show the same texts).
void buildAboutText(QWidget& window, bool withDate);

} // namespace r36::ui
