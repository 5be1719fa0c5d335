#include "window_state.h"

#include "session/file_names.h"

#include <QByteArray>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace r36::ui {

namespace {
const QString kFolderKey = QStringLiteral("files/lastFolder");
const QString kRecentKey = QStringLiteral("files/recent");
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kColumnsKey = QStringLiteral("window/columnWidths");
} // namespace

WindowState::WindowState(const QString& path) {
    if (path.isEmpty())
        return;
    m_file = std::make_unique<QSettings>(path, QSettings::IniFormat);
    m_folder = m_file->value(kFolderKey).toString();
    m_recent = m_file->value(kRecentKey).toStringList();
}

WindowState::~WindowState() = default;

QString WindowState::dialogFolder() const {
    if (!m_folder.isEmpty() && QFileInfo(m_folder).isDir())
        return m_folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void WindowState::rememberFolderOf(const QString& path) {
    m_folder = QFileInfo(path).absolutePath();
    if (m_file)
        m_file->setValue(kFolderKey, m_folder);
}

QStringList WindowState::recentFiles() {
    const QStringList existing = session::existingFiles(m_recent);
    if (existing != m_recent)
        setRecentFiles(existing);
    return m_recent;
}

void WindowState::addRecentFile(const QString& path) {
    setRecentFiles(session::withRecentFile(m_recent, path));
}

void WindowState::setRecentFiles(const QStringList& recent) {
    m_recent = recent;
    if (m_file)
        m_file->setValue(kRecentKey, m_recent);
}

QByteArray WindowState::geometry() const {
    return m_file ? m_file->value(kGeometryKey).toByteArray() : QByteArray();
}

QByteArray WindowState::columnWidths() const {
    return m_file ? m_file->value(kColumnsKey).toByteArray() : QByteArray();
}

void WindowState::saveWindow(const QByteArray& geometry, const QByteArray& columnWidths) {
    if (!m_file)
        return;
    m_file->setValue(kGeometryKey, geometry);
    m_file->setValue(kColumnsKey, columnWidths);
    m_file->sync();
}

} // namespace r36::ui
