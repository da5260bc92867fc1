#pragma once

// The user at the message boxes: answers from what the test set and keeps what was shown. It needs
// nothing of the program's contract, so the editor's tests use it as well as the windows' tests.

#include "platform/qt/MessageBoxes.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

namespace apptest {

class FakeMessageBoxes : public platform::qt::MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
        /// The button Enter would choose; none for the first button.
        std::optional<Answer> defaultAnswer;
        /// The pointer the user saw with the message.
        Qt::CursorShape pointer;
    };
    struct About {
        QString application;
        QString text;
        QIcon icon;
    };
    /// `question` is the answer to a question when the queue is empty.
    explicit FakeMessageBoxes(Answer question = Answer::No) : m_question(question) {}

    /// Answers from the queue; OK, or the default answer for a question, when it is empty.
    Answer show(QWidget*, const QString& text, const QString& title, Icon icon, Buttons buttons,
                std::optional<Answer> defaultAnswer = std::nullopt) override {
        const QCursor* pointer = QApplication::overrideCursor();
        shown.push_back({text, title, icon, buttons, defaultAnswer,
                         pointer != nullptr ? pointer->shape() : Qt::ArrowCursor});
        if (answers.empty()) {
            return buttons == Buttons::YesNo ? m_question : Answer::Ok;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void about(QWidget*, const QString& application, const QString& text, const QIcon& icon) override {
        abouts.push_back({application, text, icon});
    }
    /// The texts of the messages shown, in order.
    [[nodiscard]] QStringList texts() const {
        QStringList all;
        for (const Shown& s : shown) {
            all << s.text;
        }
        return all;
    }
    std::deque<Answer> answers;
    std::vector<Shown> shown;
    std::vector<About> abouts;

private:
    Answer m_question;
};

} // namespace apptest
