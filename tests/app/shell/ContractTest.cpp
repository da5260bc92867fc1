#include "shell/contract/ActivatedMaterial.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/Panels.h"

#include <QSignalSpy>
#include <QTest>
#include <vector>

using shell::contract::ActivatedMaterial;
using shell::contract::DialogLanguage;

namespace {

/// Records the order in which the relay reached it.
class RecordingPanel : public shell::contract::Panel {
public:
    explicit RecordingPanel(std::vector<QString>& log) : Panel(QStringLiteral("uctlRecording")), m_log(log) {}

protected:
    void languageAboutToChange() override { m_log.push_back(objectName() + QStringLiteral(":before")); }
    void languageChanged() override { m_log.push_back(objectName() + QStringLiteral(":after")); }

private:
    std::vector<QString>& m_log;
};

} // namespace

class ContractTest : public QObject {
    Q_OBJECT

private slots:
    void relayStoresValuesWithoutRaising() {
        DialogLanguage relay;
        QVERIFY(relay.LanguageClass() == nullptr);
        QCOMPARE(relay.Language(), 0);
        QSignalSpy before(&relay, &DialogLanguage::BeforeLanguageChange);
        QSignalSpy after(&relay, &DialogLanguage::AfterLanguageChange);
        relay.setLanguage(2);
        QCOMPARE(relay.Language(), 2);
        QCOMPARE(before.count() + after.count(), 0);
        relay.ExecBeforeLanguageChange();
        relay.ExecAfterLanguageChange();
        QCOMPARE(before.count(), 1);
        QCOMPARE(after.count(), 1);
    }

    void relayWithoutSubscriberDoesNothing() {
        DialogLanguage relay;
        relay.ExecBeforeLanguageChange();
        relay.ExecAfterLanguageChange();
        QCOMPARE(relay.Language(), 0);
    }

    void panelsHearTheSwitchSynchronouslyInOrder() {
        std::vector<QString> log;
        DialogLanguage relay;
        RecordingPanel panel(log);
        panel.setDialogLanguage(&relay);
        relay.ExecBeforeLanguageChange();
        log.push_back(QStringLiteral("stored"));
        relay.ExecAfterLanguageChange();
        const std::vector<QString> expected{u"uctlRecording:before"_qs, u"stored"_qs,
                                            u"uctlRecording:after"_qs};
        QCOMPARE(log, expected);
    }

    void panelListensOnlyToItsCurrentRelay() {
        std::vector<QString> log;
        DialogLanguage first;
        DialogLanguage second;
        RecordingPanel panel(log);
        panel.setDialogLanguage(&first);
        panel.setDialogLanguage(&second);
        first.ExecAfterLanguageChange();
        QVERIFY(log.empty());
        second.ExecAfterLanguageChange();
        QCOMPARE(log.size(), std::size_t{1});
        panel.setDialogLanguage(nullptr);
        second.ExecAfterLanguageChange();
        QCOMPARE(log.size(), std::size_t{1});
    }

    void panelOutlivedByNothingItNeeds() {
        std::vector<QString> log;
        auto relay = std::make_unique<DialogLanguage>();
        RecordingPanel panel(log);
        panel.setDialogLanguage(relay.get());
        relay.reset();
        QVERIFY(panel.dialogLanguage() == nullptr);
    }

    void namesOfTheTwoCompositionPanels() {
        const shell::contract::CompositionSearchPanel simple(QStringLiteral("uctlCompositionSearch"));
        const shell::contract::CompositionSearchPanel advanced(
            QStringLiteral("uctlAdvancedCompositionSearch"));
        QCOMPARE(advanced.objectName(), u"uctlAdvancedCompositionSearch"_qs);
        QCOMPARE(advanced.UserControlName(), u"uctlCompositionSearch"_qs);
        QCOMPARE(simple.UserControlName(), u"uctlCompositionSearch"_qs);
        const shell::contract::SelectionPanel selection;
        QCOMPARE(selection.UserControlName(), u"uctlSelection"_qs);
    }

    void panelSignalsReachDirectConnections() {
        shell::contract::Panel panel(QStringLiteral("uctlDescription"));
        ActivatedMaterial received;
        QObject::connect(&panel, &shell::contract::Panel::MaterialSelected,
                         [&received](const ActivatedMaterial& chosen) { received = chosen; });
        const ActivatedMaterial chosen{u"12"_qs, u"34"_qs, u"56"_qs, u"1.4301"_qs, u"W"_qs};
        emit panel.MaterialSelected(chosen);
        QCOMPARE(received, chosen);
    }

    void steelNamedOnlyByBothIds_data() {
        QTest::addColumn<QString>("steel");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<bool>("isSteel");
        QTest::newRow("both") << u"12"_qs << u"34"_qs << true;
        QTest::newRow("no steel") << QString() << u"34"_qs << false;
        QTest::newRow("no designation") << u"12"_qs << QString() << false;
        QTest::newRow("steel 0") << u"0"_qs << u"34"_qs << false;
        QTest::newRow("designation 0") << u"12"_qs << u"0"_qs << false;
        QTest::newRow("blank") << u" "_qs << u"34"_qs << false;
    }

    void steelNamedOnlyByBothIds() {
        QFETCH(QString, steel);
        QFETCH(QString, designation);
        QFETCH(bool, isSteel);
        const ActivatedMaterial record{steel, designation, {}, {}, {}};
        QCOMPARE(record.isSteel(), isSteel);
    }
};

QTEST_MAIN(ContractTest)
#include "ContractTest.moc"
