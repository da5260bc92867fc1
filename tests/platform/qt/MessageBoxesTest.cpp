// The real message boxes, worked with the keyboard as a user would: Enter chooses the default button.

#include "platform/qt/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <optional>

// Declared before the test's data columns use it: a later declaration would specialise a template
// that the optimiser has instantiated already.
Q_DECLARE_METATYPE(std::optional<platform::qt::MessageBoxes::Answer>)

namespace {

using platform::qt::MessageBoxes;
using Answer = MessageBoxes::Answer;
using Buttons = MessageBoxes::Buttons;

class MessageBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void enterChoosesTheDefaultButton_data() {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<std::optional<Answer>>("defaultAnswer");
        QTest::addColumn<Answer>("answer");
        QTest::addRow("a question without default: the first button")
            << Buttons::YesNo << std::optional<Answer>() << Answer::Yes;
        QTest::addRow("a question with No as default")
            << Buttons::YesNo << std::optional(Answer::No) << Answer::No;
        QTest::addRow("abort as default")
            << Buttons::AbortRetryIgnore << std::optional(Answer::Abort) << Answer::Abort;
        QTest::addRow("a default that is not offered: the first button")
            << Buttons::YesNo << std::optional(Answer::Retry) << Answer::Yes;
    }
    void enterChoosesTheDefaultButton() {
        QFETCH(Buttons, buttons);
        QFETCH(std::optional<Answer>, defaultAnswer);
        QFETCH(Answer, answer);
        bool pressed = false;
        QTimer::singleShot(0, [&pressed] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            pressed = true;
            QTest::keyClick(box, Qt::Key_Return);
        });
        platform::qt::QtMessageBoxes messages;
        const auto chosen =
            messages.show(nullptr, QStringLiteral("Jetzt downloaden?"), QStringLiteral("Graukant"),
                          MessageBoxes::Icon::Information, buttons, defaultAnswer);
        QVERIFY(pressed);
        QCOMPARE(chosen, answer);
    }
};

} // namespace

QTEST_MAIN(MessageBoxesTest)
#include "MessageBoxesTest.moc"
