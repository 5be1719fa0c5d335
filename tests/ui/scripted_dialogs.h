#pragma once

// UserDialogs for widget tests: file names and OK/Cancel answers come from queues the test
// fills; every message is recorded so the test can check what the user would have read.

#include "ui/user_dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace r36::test {

class ScriptedDialogs : public ui::UserDialogs {
public:
    struct Message {
        Icon icon;
        QString title;
        QString text;
        QString details;
    };

    std::deque<QString> fileNames;       // answers to open/save dialogs; empty queue = cancel
    std::deque<bool> answers;            // answers to OK/Cancel questions; empty queue = Cancel
    std::vector<Message> messages;       // every message shown, in order
    std::vector<QString> questions;      // every OK/Cancel question's text
    std::vector<QString> questionTitles; // and its title
    /// Runs as each message is shown, while the program still waits for it.
    std::function<void(const Message&)> onMessage;
    QStringList filters; // the filter of every file dialog shown
    /// Buttons to press in choices, by text; when none is left, the write goes ahead as it
    /// did before there were choices ("Write without reading", "Write all"), or is cancelled.
    std::deque<QString> buttons;
    std::vector<Choice> choices; // every choice shown
    int line = 0;                // the line picked in a choice that lists some

    QString openFileName(QWidget*, const QString& filter) override { return nextFile(filter); }
    QString saveFileName(QWidget*, const QString& filter) override { return nextFile(filter); }
    void message(QWidget*, Icon icon, const QString& title, const QString& text,
                 const QString& details) override {
        messages.push_back({icon, title, text, details});
        if (onMessage)
            onMessage(messages.back());
    }
    bool askOkCancel(QWidget*, Icon, const QString& title, const QString& text) override {
        questions.push_back(text);
        questionTitles.push_back(title);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    int choose(QWidget*, const Choice& choice, int* picked) override {
        choices.push_back(choice);
        QString answer;
        if (!buttons.empty()) {
            answer = buttons.front();
            buttons.pop_front();
        } else {
            for (const QString& ahead :
                 {QStringLiteral("Write without reading"), QStringLiteral("Write all")})
                if (answer.isEmpty() && choice.buttons.contains(ahead))
                    answer = ahead;
        }
        if (picked)
            *picked = line;
        return static_cast<int>(choice.buttons.indexOf(answer));
    }

private:
    QString nextFile(const QString& filter) {
        filters << filter;
        if (fileNames.empty())
            return {};
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

} // namespace r36::test
