// The new-edition notice: the message in the user's language, the page of the link (French users
// get the English page), opened when clicked.

#include "WindowFakes.h"
#include "frmNewVersion.h"

#include <QtTest>

namespace {

using shell::dialogs::frmNewVersion;

class NewEditionNoticeTest : public QObject {
    Q_OBJECT

private slots:
    void messageAndPageFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("page");
        QTest::addRow("German") << 0 << "Sie arbeiten nicht mit der aktuellsten Version des Graukants."
                                << "/Update_g.htm";
        QTest::addRow("French") << 1 << "Vous ne travaillez pas avec l'édition du Graukant la plus récente."
                                << "/Update_e.htm";
        QTest::addRow("English") << 2 << "You are not working with the latest edition of Graukant."
                                 << "/Update_e.htm";
        QTest::addRow("user-defined") << 3 << "You are not working with the latest edition of Graukant."
                                      << "/Update_e.htm";
    }
    void messageAndPageFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, start);
        QFETCH(QString, page);
        apptest::FakeMessageBoxes messages;
        QStringList opened;
        frmNewVersion notice(nullptr, nullptr, language, messages, [&opened](const QString& address) {
            opened.push_back(address);
            return true;
        });
        QVERIFY(notice.message().startsWith(start));
        QVERIFY(notice.link().startsWith(QStringLiteral("https://")));
        QVERIFY(notice.link().endsWith(page));
        QCOMPARE(notice.windowTitle(), QStringLiteral("Graukant 2007"));
        notice.lblLink_Click();
        QCOMPARE(opened, QStringList{notice.link()});
    }
};

} // namespace

QTEST_MAIN(NewEditionNoticeTest)
#include "NewEditionNoticeTest.moc"
