// The property print range dialog: the steel's entries split between the two lists by the choice
// handed in, selected rows moved each once and in the entries' order, the choice written back on
// "Ok" and shown again on the next opening, an empty choice refused.

#include "SampleSteel.h"
#include "WindowFakes.h"
#include "common/Enums.h"
#include "common/cls_Language.h"
#include "frmPropertyPrintRange.h"
#include "objects/Application.h"
#include "objects/Material.h"
#include "test_support/FixtureDatabases.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <set>

namespace {

using shell::dialogs::frmPropertyPrintRange;

// Mechanical properties of the sample steel.
constexpr int Mechanical = 2;

QStringList allIds(const apptest::SampleSteel& steel) {
    QStringList ids;
    const auto list = steel.material()->GetPropertyList(1);
    for (const auto& entry : *list) {
        ids.push_back(QString::fromStdString(entry.key.asText()));
    }
    return ids;
}

class PropertyPrintRangeTest : public QObject {
    Q_OBJECT

private slots:
    void theStandardsReadWithTheKindOfStandardInTheProgramsLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("standard");
        QTest::addRow("French") << int(orvik::common::Language::French) << QStringLiteral("Norme EN 10025-2");
        QTest::addRow("English") << int(orvik::common::Language::English)
                                 << QStringLiteral("Standard EN 10025-2");
        QTest::addRow("German") << int(orvik::common::Language::German) << QStringLiteral("Norm EN 10025-2");
    }
    void theStandardsReadWithTheKindOfStandardInTheProgramsLanguage() {
        QFETCH(int, language);
        QFETCH(QString, standard);
        apptest::SampleSteel steel;
        // As the program switches: the windows and the object model read the running language.
        steel.application()->LanguageObject()->setLanguage(static_cast<orvik::common::Language>(language));
        // The steel as the main window makes it current in that language.
        const auto material = steel.application()->Material("1", "2", platform::Variant(2));
        frmPropertyPrintRange::Items items;
        frmPropertyPrintRange dialog(nullptr, nullptr, nullptr, material, 0, items, true);
        QCOMPARE(dialog.grdItems(0).count(), 1);
        QCOMPARE(dialog.grdItems(0).item(0)->text(), standard);
    }

    void anUnrestrictedListShowsEveryEntryLeftWithAllChosen() {
        apptest::SampleSteel steel;
        frmPropertyPrintRange::Items items;
        frmPropertyPrintRange dialog(nullptr, nullptr, nullptr, steel.material(), Mechanical, items, true);
        QVERIFY(allIds(steel).size() >= 3);
        QCOMPARE(dialog.ids(0), allIds(steel));
        QVERIFY(dialog.ids(1).isEmpty());
        QVERIFY(dialog.optRange(0).isChecked());
        QVERIFY(!dialog.grdItems(0).isEnabled());
        QVERIFY(!dialog.cmdMove(0).isEnabled());
        QVERIFY(!dialog.cmdMove(1).isEnabled());
        QVERIFY(dialog.Cancel());
    }

    void movingKeepsEverySelectedRowOnce_data() {
        QTest::addColumn<QList<int>>("selected");
        QTest::addRow("one") << QList<int>{0};
        QTest::addRow("two apart") << QList<int>{0, 2};
        QTest::addRow("the last two") << QList<int>{1, 3};
        QTest::addRow("every row") << QList<int>{0, 1, 2, 3};
    }
    void movingKeepsEverySelectedRowOnce() {
        QFETCH(QList<int>, selected);
        apptest::SampleSteel steel;
        const auto all = allIds(steel);
        frmPropertyPrintRange::Items items;
        frmPropertyPrintRange dialog(nullptr, nullptr, nullptr, steel.material(), Mechanical, items, true);
        dialog.optRange(1).setChecked(true);
        QVERIFY(dialog.grdItems(0).isEnabled());
        QStringList expected;
        for (const int row : selected) {
            if (row < dialog.grdItems(0).count()) {
                dialog.grdItems(0).item(row)->setSelected(true);
                expected.push_back(all[row]);
            }
        }
        QVERIFY(dialog.cmdMove(0).isEnabled());
        dialog.cmdMove(0).click();
        // In the entries' order on the right, the rest on the left, each entry in one list once.
        QCOMPARE(dialog.ids(1), expected);
        const auto both = dialog.ids(0) + dialog.ids(1);
        QCOMPARE(both.size(), all.size());
        QCOMPARE(std::set<QString>(both.begin(), both.end()).size(), std::size_t(all.size()));
        QVERIFY(!dialog.cmdMove(0).isEnabled());

        // And back: every row of the right list returns once.
        for (int row = 0; row < dialog.grdItems(1).count(); ++row) {
            dialog.grdItems(1).item(row)->setSelected(true);
        }
        dialog.cmdMove(1).click();
        QCOMPARE(dialog.ids(0), all);
        QVERIFY(dialog.ids(1).isEmpty());
    }

    void theChoiceIsWrittenBackAndShownAgain() {
        apptest::SampleSteel steel;
        const auto all = allIds(steel);
        frmPropertyPrintRange::Items items;
        // An entry the steel no longer has is dropped.
        items.add(platform::Variant("9999"), std::make_shared<orvik::objects::ListItem>());
        {
            frmPropertyPrintRange dialog(nullptr, nullptr, nullptr, steel.material(), Mechanical, items,
                                         false);
            QVERIFY(dialog.optRange(1).isChecked());
            dialog.grdItems(0).item(1)->setSelected(true);
            dialog.cmdMove(0).click();
            dialog.cmdOk_Click();
            QVERIFY(!dialog.Cancel());
            QVERIFY(!dialog.PrintAll());
        }
        QCOMPARE(items.count(), 1);
        QVERIFY(items.exists(platform::Variant(all[1].toStdString())));
        QCOMPARE(QString::fromStdString(items.item(platform::Variant(all[1].toStdString()))->id().asText()),
                 all[1]);

        frmPropertyPrintRange again(nullptr, nullptr, nullptr, steel.material(), Mechanical, items, false);
        QCOMPARE(again.ids(1), QStringList{all[1]});
        QCOMPARE(again.ids(0).size(), all.size() - 1);
        again.optRange(0).setChecked(true);
        again.cmdOk_Click();
        QVERIFY(again.PrintAll());
        QCOMPARE(items.count(), 0);
    }

    void anEmptyChoiceIsRefused() {
        apptest::SampleSteel steel;
        frmPropertyPrintRange::Items items;
        apptest::FakeMessageBoxes messages;
        frmPropertyPrintRange dialog(nullptr, nullptr, &messages, steel.material(), Mechanical, items, true);
        dialog.optRange(1).setChecked(true);
        dialog.cmdOk_Click();
        QCOMPARE(messages.shown.size(), std::size_t{1});
        QVERIFY(dialog.Cancel());
        QVERIFY(dialog.result() != QDialog::Accepted);
    }

    void theStandardsListOffersTheStandardsOfThePropertyTables() {
        apptest::SampleSteel steel;
        frmPropertyPrintRange::Items items;
        frmPropertyPrintRange dialog(nullptr, nullptr, nullptr, steel.material(), 0, items, true);
        QCOMPARE(dialog.ids(0), QStringList{QStringLiteral("1")});
    }

    // The only table of 1.0038 cannot be read: switching between the lists tells it once, and its
    // standard can still be chosen, for the data sheet to say that the table could not be read.
    void aTableThatCannotBeReadIsToldOnceHoweverOftenTheListsAreShown() {
        apptest::SampleSteel steel;
        test_support::runScript(steel.program().databaseFolder() / "Graukant.MDB",
                                "UPDATE tabEigenschaftsMatrix SET Eigenschaft_D = '<Eigenschaften><Wert' "
                                "WHERE Id_Eigenschaftsmatrix = 1;");
        objectstest::ErrorLog told(steel.material()->Error);
        frmPropertyPrintRange::Items items;
        for (int i = 0; i < 3; ++i) {
            frmPropertyPrintRange standards(nullptr, nullptr, nullptr, steel.material(), 0, items, true);
            QCOMPARE(standards.ids(0), QStringList{QStringLiteral("1")});
            frmPropertyPrintRange properties(nullptr, nullptr, nullptr, steel.material(), Mechanical, items,
                                             true);
            QCOMPARE(properties.ids(0), QStringList());
        }
        QCOMPARE(told.count(), 1U);
    }
};

} // namespace

QTEST_MAIN(PropertyPrintRangeTest)
#include "PropertyPrintRangeTest.moc"
