#pragma once

class QCoreApplication;
class QLocale;

namespace r36::ui {

/// Installs the program's catalogue for the locale's languages (built in under ":/i18n") and,
/// where the system has them, Qt's own texts for its standard buttons and dialogs. The
/// translators belong to the application. Returns false when the program has no catalogue for
/// the locale: its texts then stay in English.
bool installTranslations(QCoreApplication& app, const QLocale& locale);

} // namespace r36::ui
