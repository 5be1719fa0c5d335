#include "list_commands.h"

#include "memory_grid.h"
#include "memory_list_model.h"
#include "user_dialogs.h"

#include "image/list_check.h"
#include "image/memory_fields.h"
#include "session/failure_text.h"
#include "session/list_edits.h"
#include "session/session.h"

#include <QAction>
#include <QDockWidget>
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
    const auto add = [&](const QString& text, const char* name, QKeySequence keys, bool onGrid,
                         void (ListCommands::*slot)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        editMenu.addAction(action);
        if (onGrid)
            grid.addAction(action);
        else
            window->addAction(action);
        connect(action, &QAction::triggered, this, slot);
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

std::vector<int> ListCommands::selectedMemories() const {
    std::vector<int> memories;
    for (const QModelIndex& row : m_grid.selectionModel()->selectedRows())
        memories.push_back(row.row());
    std::sort(memories.begin(), memories.end());
    return memories;
}

void ListCommands::sort() {
    const auto [first, last] = m_grid.selectedRange();
    if (first < 0)
        return;
    static const std::array keys = {image::SortKey::Frequency, image::SortKey::Name,
                                    image::SortKey::Mode, image::SortKey::Step,
                                    image::SortKey::Subtone};
    UserDialogs::Choice choice;
    choice.objectName = QStringLiteral("frmSort");
    choice.title = tr("Sort");
    choice.text =
        first == last
            ? tr("Sort the bank or area of %1 by:").arg(label(m_session, first))
            : tr("Sort memories %1 to %2 by:").arg(label(m_session, first), label(m_session, last));
    choice.lines = {tr("Frequency"), tr("Name"), tr("Mode"), tr("Step"), tr("Sub-tone")};
    choice.buttons = {tr("Ascending"), tr("Descending"), tr("Cancel")};
    choice.pickLine = true;
    int line = -1;
    const int button = m_dialogs.choose(m_window, choice, &line);
    if (button < 0 || button > 1 || line < 0 || line >= static_cast<int>(keys.size()))
        return;
    const Outcome sorted =
        m_session.sortMemories(first, last, keys[static_cast<std::size_t>(line)], button == 1);
    m_status.showMessage(sorted ? tr("Memories sorted by %1").arg(choice.lines[line])
                                : tr("Nothing sorted: %1").arg(session::failureText(sorted.why())));
}

void ListCommands::setField() {
    const std::vector<int> memories = selectedMemories();
    if (memories.empty())
        return;
    // The grid's columns 2..11 (Mode .. Name); the label and the frequency are not set at once.
    UserDialogs::Choice field;
    field.objectName = QStringLiteral("frmSetField");
    field.title = tr("Set field");
    field.text = tr("Set which field in the %n selected memories?", "", int(memories.size()));
    for (int column = 2; column < MemoryListModel::kColumnCount; ++column)
        field.lines << m_grid.model()->headerData(column, Qt::Horizontal).toString();
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
    const std::vector<int> memories = selectedMemories();
    if (memories.empty() || column < 2)
        return;
    const session::SetFieldReport report =
        m_session.setField(memories, column - 1, value.toStdString());
    QString text = tr("%n memories changed", "", report.changed);
    if (!report.refused.empty()) {
        QStringList refused;
        for (const auto& refusal : report.refused)
            refused << tr("%1 (%2)").arg(label(m_session, refusal.memory),
                                         QString::fromStdString(refusal.reason));
        text += tr("; %n refused: ", "", int(report.refused.size())) +
                refused.mid(0, 5).join(QStringLiteral(", ")) +
                (refused.size() > 5 ? QStringLiteral(", …") : QString());
    }
    m_status.showMessage(text);
}

void ListCommands::checkList() {
    showFindings();
    m_panel->show();
    m_findings->setFocus();
}

void ListCommands::showFindings() {
    const std::vector<image::ListFinding> findings = image::checkList(m_session.image());
    m_findings->clear();
    for (const image::ListFinding& finding : findings) {
        auto* item = new QListWidgetItem(findingText(m_session, finding), m_findings);
        item->setData(kMemoryRole, finding.memory);
    }
    if (findings.empty())
        new QListWidgetItem(tr("No findings"), m_findings);
    m_status.showMessage(tr("%n findings", "", int(findings.size())));
}

void ListCommands::selectDuplicates() {
    const std::vector<int> memories =
        image::duplicatesToRemove(image::checkList(m_session.image()));
    if (memories.empty()) {
        m_status.showMessage(tr("No duplicates within a bank or area"));
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
        tr("%n duplicates selected: Delete clears them", "", int(memories.size())));
}

} // namespace r36::ui
