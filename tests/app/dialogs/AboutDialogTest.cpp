// The about box: the program's version, the publisher's address opened when clicked, and the
// system information offered as the publisher's page in German or English.

#include "WindowFakes.h"
#include "dlgInfo.h"
#include "shell/contract/DialogLanguage.h"

#include <QLabel>
#include <QtTest>

namespace {

using shell::dialogs::dlgInfo;
using Answer = platform::qt::MessageBoxes::Answer;

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheProgramsVersion() {
        apptest::FakeMessageBoxes messages;
        const dlgInfo dialog(nullptr, nullptr, messages, {5, 1, 0});
        QCOMPARE(dialog.versionText(), QStringLiteral("Version 5.01.0000"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), dialog.versionText());
    }

    void theAddressOpensWhenClicked() {
        apptest::FakeMessageBoxes messages;
        QStringList opened;
        dlgInfo dialog(nullptr, nullptr, messages, {5, 1, 0}, [&opened](const QString& address) {
            opened.push_back(address);
            return true;
        });
        dialog.lblAnzeige_Click(3);
        QVERIFY(opened.isEmpty());
        dialog.lblAnzeige_Click(10);
        QCOMPARE(opened, QStringList{dialog.address()});
        QVERIFY(dialog.address().startsWith(QStringLiteral("https://")));
    }

    void systemInformationOffersThePageInTheUsersLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("question");
        QTest::addRow("German") << 0 << "/r_sysinfo_g.htm"
                                << "Jetzt downloaden?";
        QTest::addRow("French gets English") << 1 << "/r_sysinfo_e.htm"
                                             << "Download now?";
        QTest::addRow("English") << 2 << "/r_sysinfo_e.htm"
                                 << "Download now?";
    }
    void systemInformationOffersThePageInTheUsersLanguage() {
        QFETCH(int, language);
        QFETCH(QString, page);
        QFETCH(QString, question);
        shell::contract::DialogLanguage relay;
        relay.setLanguage(language);
        for (const auto answer : {Answer::No, Answer::Yes}) {
            apptest::FakeMessageBoxes messages;
            messages.answers.push_back(answer);
            QStringList opened;
            dlgInfo dialog(nullptr, &relay, messages, {5, 1, 0}, [&opened](const QString& address) {
                opened.push_back(address);
                return true;
            });
            dialog.cmdSysinfo_Click();
            QCOMPARE(messages.shown.size(), std::size_t{1});
            QVERIFY(messages.shown.front().text.endsWith(question));
            QVERIFY(messages.shown.front().text.contains(dialog.address() + page));
            QCOMPARE(messages.shown.front().buttons, platform::qt::MessageBoxes::Buttons::YesNo);
            QCOMPARE(messages.shown.front().icon, platform::qt::MessageBoxes::Icon::Information);
            // Enter answers No: the page opens only on a deliberate Yes.
            QCOMPARE(messages.shown.front().defaultAnswer, std::optional<Answer>(Answer::No));
            QCOMPARE(opened, answer == Answer::Yes ? QStringList{dialog.address() + page} : QStringList{});
        }
    }
};

} // namespace

QTEST_MAIN(AboutDialogTest)
#include "AboutDialogTest.moc"
