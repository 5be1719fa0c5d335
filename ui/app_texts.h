#pragma once

// The program's own texts, shown by the window titles, the splash and the version window.

#include "image/program_constants.h"

#include <QString>

namespace r36::ui {

inline const QString appName = QString::fromLatin1(kAppName);
inline const QString appVersion = QString::fromLatin1(kAppVersion);
inline const QString appDate = QString::fromLatin1(kAppDate);

/// "QB-R36 Clone Utility v.0.09", and " [path]" appended once a file was saved or opened.
inline QString titleText(const QString& path = {}) {
    QString title = appName + QStringLiteral(" v.") + appVersion;
    if (!path.isEmpty())
        title += QStringLiteral(" [") + path + QStringLiteral("]");
    return title;
}

} // namespace r36::ui
