#include "user_guide.h"

#include "twips.h"
#include "user_dialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace r36::ui {

namespace {
constexpr int kGuideWidth = 11000, kGuideHeight = 10000; // twips
} // namespace

QStringList UserGuide::guideFolders() {
    // /usr/bin/qbr36 finds /usr/share/qbr36/guide, build/bin/qbr36 build/share/qbr36/guide.
    QStringList folders{QCoreApplication::applicationDirPath() +
                        QStringLiteral("/../share/qbr36/guide")};
    folders +=
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("qbr36/guide"), QStandardPaths::LocateDirectory);
    return folders;
}

QString UserGuide::guidePath() {
    //: The user guide's file in this language, beside guide.md: guide.ja.md.
    const QString translated = tr("guide.md");
    for (const QString& folder : guideFolders())
        for (const QString& name : {translated, QStringLiteral("guide.md")})
            if (const QFileInfo file(QDir(folder).filePath(name)); file.isFile())
                return file.canonicalFilePath();
    return {};
}

UserGuide::UserGuide(const QString& path, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmUserGuide"));
    setWindowTitle(tr("User guide"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("txtGuide"));
    text->setOpenExternalLinks(true);
    // The pictures are found beside the file.
    text->setSource(QUrl::fromLocalFile(path), QTextDocument::MarkdownResource);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(px(kGuideWidth), px(kGuideHeight));
}

void UserGuide::present(QWidget& mainWindow, UserDialogs& dialogs) {
    if (auto* open = mainWindow.findChild<UserGuide*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    const QString path = guidePath();
    if (path.isEmpty()) {
        dialogs.message(
            &mainWindow, UserDialogs::Icon::Warning, tr("User guide"),
            tr("The user guide is not installed."),
            tr("Looked for guide.md in:\n%1").arg(guideFolders().join(QLatin1Char('\n'))));
        return;
    }
    // Not modal: the guide stays open beside the window while the user follows it.
    auto* guide = new UserGuide(path, &mainWindow);
    guide->show();
}

} // namespace r36::ui
