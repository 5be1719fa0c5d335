#include "list_commands.h"

#include "edit_reports.h"
#include "memory_grid.h"
#include "memory_list_model.h"
#include "user_dialogs.h"

#include "image/list_check.h"
#include "image/memory_areas.h"
#include "image/memory_fields.h"
#include "session/failure_text.h"
#include "session/list_edits.h"
#include "session/memory_field_text.h"
#include "session/session.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <array>

namespace r36::ui {

namespace {

constexpr int kMemoryRole = Qt::UserRole;
constexpr int kOffsetColumn = 9, kNameColumn = 11; // grid columns edited as text

QString label(const session::Session& session, int memory) {
    return memory >= 0 && static_cast<std::size_t>(memory) < session.labels().size()
               ? QString::fromStdString(session.labels()[static_cast<std::size_t>(memory)])
               : QString::number(memory);
}

QString findingText(const session::Session& session, const image::ListFinding& finding) {
    using Kind = image::ListFinding::Kind;
    const QString memory = label(session, finding.memory);
    const QString other = label(session, finding.other);
    switch (finding.kind) {
    case Kind::DuplicateInGroup:
        return ListCommands::tr("%1: same frequency and mode as %2 in its bank or area")
            .arg(memory, other);
    case Kind::DuplicateInList:
        return ListCommands::tr("%1: same frequency and mode as %2 in another bank or area")
            .arg(memory, other);
    case Kind::PrgEdgeFree:
        return ListCommands::tr("%1: its program-scan pair's other edge %2 is free")
            .arg(memory, other);
    case Kind::PrgEdgesReversed:
        return ListCommands::tr("%1: the lower edge is above the upper edge %2").arg(memory, other);
    case Kind::BankLinkOnlyEmpty:
        return ListCommands::tr("Bank-link group %1 names only banks without a memory in use")
            .arg(finding.group + 1);
    case Kind::PsLinkOnlyEmpty:
        return ListCommands::tr(
                   "Program-scan-link group %1 names only pairs without an edge in use")
            .arg(finding.group + 1);
    case Kind::NameLeadingSpace:
        return ListCommands::tr("%1: the name begins with a space").arg(memory);
    case Kind::NameHiddenCharacter:
        return ListCommands::tr("%1: the name holds a character the receiver shows as a space")
            .arg(memory);
    }
    return memory;
}

} // namespace

ListCommands::ListCommands(session::Session& session, MemoryGrid& grid, QMenu& editMenu,
                           QStatusBar& status, UserDialogs& dialogs, QMainWindow* window)
    : QObject(window), m_session(session), m_grid(grid), m_status(status), m_dialogs(dialogs),
      m_window(window) {
    // The keys work wherever the memory page shows (the find and filter bars, the findings,
    // the buttons), and nowhere else: the actions follow the list's visibility and state.
    const auto add = [&](const QString& text, const char* name, QKeySequence keys, bool onGrid,
                         void (ListCommands::*slot)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        editMenu.addAction(action);
        window->addAction(action);
        if (onGrid)
            grid.addAction(action); // its context menu
        connect(action, &QAction::triggered, this, slot);
        m_actions.push_back(action);
    };
    editMenu.addSeparator();
    add(tr("Sort…"), "MenuSort", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S), true,
        &ListCommands::sort);
    add(tr("Set field…"), "MenuSetField", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F), true,
        &ListCommands::setField);
    add(tr("Check list"), "MenuCheckList", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C), false,
        &ListCommands::checkList);
    add(tr("Select duplicates"), "MenuSelectDuplicates",
        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D), true, &ListCommands::selectDuplicates);
    grid.installEventFilter(this);
    connect(&grid, &MemoryGrid::fillSelectionRequested, this, &ListCommands::setFieldOfSelection);

    m_panel = new QDockWidget(tr("Findings"), window);
    m_panel->setObjectName(QStringLiteral("dockFindings"));
    m_findings = new QListWidget(m_panel);
    m_findings->setObjectName(QStringLiteral("lstFindings"));
    m_findings->setAccessibleName(tr("Findings of the list check"));
    m_panel->setWidget(m_findings);
    window->addDockWidget(Qt::BottomDockWidgetArea, m_panel);
    m_panel->hide();
    // One click (or Enter) on a finding goes to its memory.
    const auto goTo = [this](QListWidgetItem* item) {
        const int memory = item ? item->data(kMemoryRole).toInt() : -1;
        if (memory < 0)
            return;
        m_grid.setCurrentIndex(m_grid.model()->index(memory, 1));
        m_grid.scrollTo(m_grid.currentIndex());
    };
    connect(m_findings, &QListWidget::itemClicked, this, goTo);
    connect(m_findings, &QListWidget::itemActivated, this, goTo);
    // The findings follow the list while the panel shows.
    // Once after a burst of changed rows, not once per row.
    const auto refresh = [this] {
        if (m_panel->isVisible() && !m_refreshPending) {
            m_refreshPending = true;
            QTimer::singleShot(0, this, [this] {
                m_refreshPending = false;
                showFindings();
            });
        }
    };
    connect(&session, &session::Session::memoryChanged, this, refresh);
    connect(&session, &session::Session::imageReplaced, this, refresh);
}

bool ListCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide ||
        event->type() == QEvent::EnabledChange) {
        const bool usable = m_grid.isVisible() && m_grid.isEnabled();
        for (QAction* action : m_actions)
            action->setEnabled(usable);
    }
    return QObject::eventFilter(watched, event);
}

QString ListCommands::columnCaption(int column) const {
    return m_grid.model()->headerData(column, Qt::Horizontal).toString();
}

void ListCommands::sort() {
    const auto [first, last] = m_grid.selectedRange();
    if (first < 0)
        return;
    // One row: its bank or area. The rows the filter hides stay where they are.
    std::vector<int> memories;
    int hidden = 0;
    if (first == last) {
        const auto [groupFirst, groupLast] = image::memoryGroup(m_session.image().bankTable, first);
        for (int memory = groupFirst; memory <= groupLast; ++memory)
            if (!m_grid.isRowHidden(memory))
                memories.push_back(memory);
        hidden = m_grid.hiddenRowsIn(groupFirst, groupLast);
    } else {
        memories = m_grid.shownSelection();
        hidden = m_grid.hiddenSelected();
    }
    static const std::array keys = {image::SortKey::Frequency, image::SortKey::Name,
                                    image::SortKey::Mode, image::SortKey::Step,
                                    image::SortKey::Subtone};
    UserDialogs::Choice choice;
    choice.objectName = QStringLiteral("frmSort");
    choice.title = tr("Sort");
    if (hidden > 0)
        choice.text = tr("Sort the %1 shown at %2 by (%n hidden by the filter stay where they "
                         "are):",
                         "", hidden)
                          .arg(EditReports::memories(static_cast<int>(memories.size())),
                               m_session.labelRange(memories.front(), memories.back()));
    else
        choice.text = first == last
                          ? tr("Sort the bank or area of %1 by:").arg(label(m_session, first))
                          : tr("Sort memories %1 to %2 by:")
                                .arg(label(m_session, first), label(m_session, last));
    // The keys as the list's column headings name them.
    for (const int column : {1, kNameColumn, 2, 3, 4})
        choice.lines << columnCaption(column);
    choice.buttons = {tr("Ascending"), tr("Descending"), tr("Cancel")};
    choice.pickLine = true;
    int line = -1;
    const int button = m_dialogs.choose(m_window, choice, &line);
    if (memories.empty() || button < 0 || button > 1 || line < 0 ||
        line >= static_cast<int>(keys.size()))
        return;
    const Outcome sorted =
        m_session.sortMemorySet(memories, keys[static_cast<std::size_t>(line)], button == 1);
    m_status.showMessage(sorted ? tr("Memories sorted by %1").arg(choice.lines[line]) +
                                      EditReports::leftHidden(hidden)
                                : tr("Nothing sorted: %1").arg(session::failureText(sorted.why())));
}

void ListCommands::setField() {
    const std::vector<int> memories = m_grid.shownSelection();
    if (memories.empty())
        return;
    // The grid's columns 2..11 (Mode .. Name); the label and the frequency are not set at once.
    UserDialogs::Choice field;
    field.objectName = QStringLiteral("frmSetField");
    field.title = tr("Set field");
    field.text = tr("Set which field in the %n selected memories?", "", int(memories.size()));
    for (int column = 2; column < MemoryListModel::kColumnCount; ++column)
        field.lines << columnCaption(column);
    field.buttons = {tr("Next…"), tr("Cancel")};
    field.pickLine = true;
    int line = -1;
    if (m_dialogs.choose(m_window, field, &line) != 0 || line < 0)
        return;
    const int column = line + 2;
    QString value;
    if (column == kOffsetColumn || column == kNameColumn) {
        if (!m_dialogs.askText(m_window, field.title, field.lines[line], value))
            return;
    } else {
        // "auto" is offered when the selection reaches the program-scan area.
        const int sample = std::clamp(image::prgFirst, memories.front(), memories.back());
        UserDialogs::Choice choice;
        choice.objectName = QStringLiteral("frmSetFieldValue");
        choice.title = field.title;
        choice.text = field.lines[line];
        for (const std::string_view text : image::textChoices(column - 1, sample))
            choice.lines << QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        choice.buttons = {tr("Set"), tr("Cancel")};
        choice.pickLine = true;
        int picked = -1;
        if (m_dialogs.choose(m_window, choice, &picked) != 0 || picked < 0)
            return;
        value = choice.lines[picked];
    }
    setFieldOfSelection(column, value);
}

void ListCommands::setFieldOfSelection(int column, const QString& value) {
    const std::vector<int> memories = m_grid.shownSelection();
    if (memories.empty() || column < 2)
        return;
    const session::SetFieldReport report =
        m_session.setField(memories, column - 1, value.toStdString());
    QString text = tr("%n memories changed", "", report.changed);
    if (!report.refused.empty()) {
        QStringList refused;
        for (const auto& refusal : report.refused)
            refused << tr("%1 (%2)").arg(label(m_session, refusal.memory),
                                         session::refusalText(refusal.why));
        text += tr("; %n refused: ", "", int(report.refused.size())) +
                refused.mid(0, 5).join(QStringLiteral(", ")) +
                (refused.size() > 5 ? QStringLiteral(", …") : QString());
    }
    m_status.showMessage(text + EditReports::leftHidden(m_grid.hiddenSelected()));
}

void ListCommands::checkList() {
    m_status.showMessage(tr("%n findings", "", showFindings()));
    const bool opening = m_panel->isHidden();
    m_panel->show();
    // A dock opens as small as its list allows, and the window at its least height leaves it
    // no more: at least eight findings show (the window grows for them), a dozen where there
    // is room.
    const int line = m_findings->fontMetrics().lineSpacing();
    m_findings->setMinimumHeight(line * 8);
    if (opening && !m_panel->isFloating())
        m_window->resizeDocks({m_panel}, {line * 12}, Qt::Vertical);
    m_findings->setFocus();
}

int ListCommands::showFindings() {
    const std::vector<image::ListFinding> findings = image::checkList(m_session.image());
    m_findings->clear();
    for (const image::ListFinding& finding : findings) {
        auto* item = new QListWidgetItem(findingText(m_session, finding), m_findings);
        item->setData(kMemoryRole, finding.memory);
    }
    if (findings.empty())
        new QListWidgetItem(tr("No findings"), m_findings);
    // The panel's title counts them: the status bar keeps what the last command did.
    m_panel->setWindowTitle(tr("Findings") + QStringLiteral(" (%1)").arg(findings.size()));
    return static_cast<int>(findings.size());
}

void ListCommands::selectDuplicates() {
    std::vector<int> memories = image::duplicatesToRemove(image::checkList(m_session.image()));
    // Only the shown ones: Delete must not clear what the user cannot see.
    const auto hidden = std::erase_if(memories, [this](int m) { return m_grid.isRowHidden(m); });
    const QString hiddenText =
        hidden > 0 ? tr("; %n more hidden by the filter", "", static_cast<int>(hidden)) : QString();
    if (memories.empty()) {
        m_status.showMessage(tr("No duplicates within a bank or area") + hiddenText);
        return;
    }
    QItemSelection selection;
    QAbstractItemModel* model = m_grid.model();
    for (const int memory : memories)
        selection.select(model->index(memory, 0), model->index(memory, model->columnCount() - 1));
    m_grid.setCurrentIndex(model->index(memories.front(), 1));
    m_grid.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_grid.setFocus();
    m_status.showMessage(
        tr("%n duplicates selected: Delete clears them", "", int(memories.size())) + hiddenText);
}

} // namespace r36::ui
