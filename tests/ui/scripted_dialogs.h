#pragma once

// UserDialogs for widget tests: file names, OK/Cancel answers and the buttons pressed in choices
// come from queues the test fills; every message, question and choice is recorded so the test
// can check what the user would have read.

#include "ui/user_dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

namespace r36::test {

class ScriptedDialogs : public ui::UserDialogs {
public:
    struct Message {
        Icon icon;
        QString title, text, details;
    };

    std::deque<QString> fileNames; // answers to open/save dialogs; none left = cancel
    std::deque<bool> answers;      // answers to OK/Cancel questions; none left = Cancel
    std::deque<QString> texts; // texts typed when asked; none left = cancel
    /// Buttons to press in choices, by text; when none is left, the command goes ahead as it
    /// did before there were choices ("Write without reading", "Write all", "Only change the
    /// counts"), or is cancelled.
    std::deque<QString> buttons;
    std::vector<Message> messages;  // every message shown, in order
    std::vector<QString> questions; // every OK/Cancel question's text
    std::vector<Choice> choices;    // every choice shown

    std::vector<QString> dialogStarts; // the folder or name each file dialog opened with

    QString openFileName(QWidget*, const QString&, const QString& folder) override {
        dialogStarts.push_back(folder);
        return next(fileNames, {});
    }
    QString saveFileName(QWidget*, const QString&, const QString& start) override {
        dialogStarts.push_back(start);
        return next(fileNames, {});
    }
    void message(QWidget*, Icon icon, const QString& title, const QString& text,
                 const QString& details) override {
        messages.push_back({icon, title, text, details});
    }
    bool askOkCancel(QWidget*, Icon, const QString&, const QString& text) override {
        questions.push_back(text);
        return next(answers, false);
    }
    int choose(QWidget*, const Choice& choice, int* picked) override {
        choices.push_back(choice);
        QString answer = next(buttons, {});
        for (const QString& ahead :
             {QStringLiteral("Write without reading"), QStringLiteral("Write all"),
              QStringLiteral("Only change the counts")})
            if (answer.isEmpty() && choice.buttons.contains(ahead))
                answer = ahead;
        if (picked)
            *picked = 0; // the first line of a choice that lists some
        return static_cast<int>(choice.buttons.indexOf(answer));
    }

    bool askText(QWidget*, const QString&, const QString&, QString& text) override {
        if (texts.empty())
            return false;
        text = next(texts, {});
        return true;
    }

private:
    template <typename T> static T next(std::deque<T>& queue, T none) {
        if (queue.empty())
            return none;
        T front = queue.front();
        queue.pop_front();
        return front;
    }
};

} // namespace r36::test
