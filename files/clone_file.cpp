#include "clone_file.h"

#include "text_file.h"

#include <QDateTime>
#include <QLocale>

namespace r36::files {

bool hasCloneExtension(const QString& path) {
    return path.right(4).toUpper() == ".R36";
}

QString saveDateText() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    return QStringLiteral("Save Date and Time ") +
           locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           now.time().toString(QStringLiteral("HH:mm:ss"));
}

Outcome writeCloneFile(const QString& path, image::CloneImage& image, const image::LinkState& link,
                       const QString& settingsFilePath,
                       const std::function<void()>& storeSettings) {
    const std::string date = saveDateText().toLocal8Bit().toStdString();
    // The settings file shares the writer; it is recognised only by its exact path.
    if (path == settingsFilePath)
        return writeTextFileAtomically(path, settingsText(link, date));
    if (storeSettings)
        storeSettings();
    return writeTextFileAtomically(path, cloneText(image, link, date));
}

Outcome readCloneFile(const QString& path, image::CloneImage& image, image::LinkState& link,
                      CloneFileReport& report, const QString& settingsFilePath) {
    report = {};
    if (!path.isEmpty() && path == settingsFilePath)
        return readSettingsFile(path, link);
    if (!isStandardStream(path) && !hasCloneExtension(path))
        return wrongFileName(path);
    std::string text;
    if (Outcome read = readTextFile(path, text); !read)
        return read;
    return parseCloneText(text, image, link, report);
}

Outcome readSettingsFile(const QString& path, image::LinkState& link) {
    std::string text;
    if (Outcome read = readTextFile(path, text); !read)
        return read;
    parseSettingsText(text, link);
    return Outcome::success();
}

} // namespace r36::files
