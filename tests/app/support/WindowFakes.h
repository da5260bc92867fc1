#pragma once

// Stand-ins for the user at the program's message boxes, file dialogs and error window: they answer
// from what the test set and keep what they were shown.

#include "platform/qt/MessageBoxes.h"
#include "shell/contract/ErrorWindow.h"
#include "shell/contract/FileDialogs.h"

#include <QApplication>
#include <QCursor>
#include <QString>
#include <deque>
#include <vector>

namespace apptest {

class FakeMessageBoxes : public platform::qt::MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
        /// The pointer the user saw with the message.
        Qt::CursorShape pointer;
    };
    /// `question` is the answer to a question when the queue is empty.
    explicit FakeMessageBoxes(Answer question = Answer::No) : m_question(question) {}

    /// Answers from the queue; OK, or the default answer for a question, when it is empty.
    Answer show(QWidget*, const QString& text, const QString& title, Icon icon, Buttons buttons) override {
        const QCursor* pointer = QApplication::overrideCursor();
        shown.push_back(
            {text, title, icon, buttons, pointer != nullptr ? pointer->shape() : Qt::ArrowCursor});
        if (answers.empty()) {
            return buttons == Buttons::YesNo ? m_question : Answer::Ok;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<Answer> answers;
    std::vector<Shown> shown;

private:
    Answer m_question;
};

class FakeFileDialogs : public shell::contract::FileDialogs {
public:
    struct Asked {
        QString title;
        QString filter;
        QString suffix;
    };
    QString saveFileName(QWidget*, const QString& title, const QString&, const QString& filter,
                         const QString& defaultSuffix) override {
        asked.push_back({title, filter, defaultSuffix});
        return answer;
    }
    QString openFileName(QWidget*, const QString& title, const QString&, const QString& filter) override {
        asked.push_back({title, filter, {}});
        return answer;
    }
    QString folder(QWidget*, const QString& title, const QString&) override {
        asked.push_back({title, {}, {}});
        return answer;
    }
    /// The titles of the dialogs asked, in order.
    [[nodiscard]] std::vector<QString> titles() const {
        std::vector<QString> all;
        for (const Asked& a : asked) {
            all.push_back(a.title);
        }
        return all;
    }
    /// What every dialog returns; empty for a cancelled one.
    QString answer;
    std::vector<Asked> asked;
};

class FakeErrorWindow : public shell::contract::ErrorWindow {
public:
    struct Shown {
        QString modul;
        QString procedure;
        std::int32_t number;
        QString description;
    };
    void ShowErrorForm(QWidget*, const QString& modul, const QString& procedure, std::int32_t number,
                       const QString& description) override {
        shown.push_back({modul, procedure, number, description});
    }
    std::vector<Shown> shown;
};

} // namespace apptest
