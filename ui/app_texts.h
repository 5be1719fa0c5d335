#pragma once

// The program's own texts, shown by the window titles, the splash and the version window.

#include <QString>

namespace r36::ui {

inline const QString appName = QStringLiteral("QB-R36 Clone Utility");
inline const QString appVersion = QStringLiteral("0.09");
inline const QString appDate = QStringLiteral("2017/11");
inline const QString settingsFileName = QStringLiteral("QB-R36w.ini");

/// "QB-R36 Clone Utility v.0.09", and " [path]" appended once a file was saved or opened.
inline QString titleText(const QString& path = {}) {
    QString title = appName + QStringLiteral(" v.") + appVersion;
    if (!path.isEmpty())
        title += QStringLiteral(" [") + path + QStringLiteral("]");
    return title;
}

} // namespace r36::ui
