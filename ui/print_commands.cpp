#include "print_commands.h"

#include "list_printer.h"
#include "memory_grid.h"
#include "settings_page.h"
#include "user_dialogs.h"

#include "session/list_report.h"
#include "session/session.h"
#include "session/settings_report.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QStatusBar>

#include <algorithm>
#include <vector>

namespace r36::ui {

PrintCommands::PrintCommands(session::Session& session, MemoryGrid& grid, QWidget& settingsPage,
                             QMenu& fileMenu, QAction* before, UserDialogs& dialogs,
                             QStatusBar& status, AskSaveName askSaveName, QWidget* window)
    : QObject(window), m_session(session), m_grid(grid), m_settingsPage(settingsPage),
      m_dialogs(dialogs), m_status(status), m_askSaveName(std::move(askSaveName)),
      m_window(window) {
    const auto add = [&](const QString& text, const char* name, const QKeySequence& keys,
                         void (PrintCommands::*slot)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        fileMenu.insertAction(before, action);
        window->addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    add(tr("Print…"), "MenuPrint", QKeySequence::Print, &PrintCommands::print);
    add(tr("Print Preview…"), "MenuPrintPreview", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
        &PrintCommands::preview);
    add(tr("Export PDF…"), "MenuExportPdf", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P),
        &PrintCommands::exportPdf);
    fileMenu.insertSeparator(before);
}

PrintCommands::~PrintCommands() = default;

std::unique_ptr<QPrinter> PrintCommands::newPrinter() const {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
    printer->setDocName(m_session.fileName().isEmpty() ? tr("Memory list") : m_session.fileName());
    return printer;
}

std::optional<PrintCommands::What> PrintCommands::askWhat(const QString& command) {
    const int current = m_grid.currentMemory();
    const auto& labels = m_session.labels();
    const QString currentLabel =
        current >= 0 && current < static_cast<int>(labels.size())
            ? QString::fromStdString(labels[static_cast<std::size_t>(current)])
            : tr("none");
    const auto [first, last] = m_grid.selectedRange();
    UserDialogs::Choice choice;
    choice.objectName = QStringLiteral("frmPrintWhat");
    choice.title = command;
    choice.text = tr("Print what?");
    choice.lines = {tr("All memories in use"),
                    tr("The selected memories (%1)")
                        .arg(first < 0 ? tr("none") : m_session.labelRange(first, last)),
                    tr("The bank or area of the current memory (%1)").arg(currentLabel),
                    tr("The settings page")};
    choice.buttons = {tr("Continue"), tr("Cancel")};
    choice.pickLine = true;
    choice.currentLine = m_settingsPage.isVisible() ? 3 : (first >= 0 && first != last ? 1 : 0);
    int line = -1;
    if (m_dialogs.choose(m_window, choice, &line) != 0 || line < 0 || line > 3)
        return std::nullopt;
    return static_cast<What>(line);
}

PrintCommands::Pages PrintCommands::pagesOf(What what) {
    const QDate today = QDate::currentDate();
    if (what == What::Settings) {
        return [report = session::settingsReport(m_session, SettingsPage::groupCaptions(), today)](
                   QPrinter& printer) {
            return ListPrinter::print(report, printer);
        };
    }
    std::vector<int> selection;
    for (const QModelIndex& row : m_grid.selectionModel()->selectedRows())
        selection.push_back(row.row());
    const auto scope = static_cast<session::ReportScope>(what);
    session::ListReport report =
        session::listReport(m_session, scope, selection, m_grid.currentMemory(), today);
    if (report.sections.empty()) {
        m_dialogs.message(m_window, UserDialogs::Icon::Information, tr("Print"),
                          tr("Nothing to print: no memory in use among those chosen."),
                          tr("Choose other memories, or all memories in use."));
        return {};
    }
    const QString titles[] = {
        tr("Memory list: all memories in use"), tr("Memory list: the selected memories"),
        tr("Memory list: %1").arg(QString::fromStdString(report.sections.front().title))};
    return [report = std::move(report), title = titles[static_cast<int>(what)]](QPrinter& printer) {
        return ListPrinter::print(report, title, printer);
    };
}

void PrintCommands::print() {
    const std::optional<What> what = askWhat(tr("Print"));
    const Pages pages = what ? pagesOf(*what) : Pages();
    if (!pages)
        return;
    const std::unique_ptr<QPrinter> printer = newPrinter();
    if (!m_dialogs.askPrinter(m_window, *printer))
        return;
    if (pages(*printer))
        m_status.showMessage(tr("Sent to the printer"));
    else
        m_dialogs.message(m_window, UserDialogs::Icon::Critical, tr("Error"), tr("Can't print."),
                          tr("The printer could not start. Check it and try again."));
}

void PrintCommands::preview() {
    const std::optional<What> what = askWhat(tr("Print Preview"));
    const Pages pages = what ? pagesOf(*what) : Pages();
    if (!pages)
        return;
    const std::unique_ptr<QPrinter> printer = newPrinter();
    m_dialogs.previewPrint(m_window, *printer, [&pages](QPrinter& shown) { (void)pages(shown); });
}

void PrintCommands::exportPdf() {
    const std::optional<What> what = askWhat(tr("Export PDF"));
    const Pages pages = what ? pagesOf(*what) : Pages();
    if (!pages)
        return;
    const QString path =
        m_askSaveName(tr("PDF Files (*.pdf);;All Files (*)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    const std::unique_ptr<QPrinter> printer = newPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    if (pages(*printer))
        m_status.showMessage(tr("Exported to %1").arg(QDir::toNativeSeparators(path)));
    else
        m_dialogs.message(m_window, UserDialogs::Icon::Critical, tr("Error"),
                          tr("Can't write the PDF file."),
                          tr("%1: check that the folder exists and can be written to.")
                              .arg(QDir::toNativeSeparators(path)));
}

} // namespace r36::ui
