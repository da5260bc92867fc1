#include "ImageCombo.h"
#include "ImageList.h"
#include "KeyCodes.h"
#include "ListBar.h"
#include "NumEntry.h"
#include "Placement.h"
#include "ProgressBar.h"
#include "StatusBar.h"
#include "TabControl.h"
#include "ToolBar.h"
#include "common/qt/QtLanguageForm.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using controls::ListBar;

namespace {

QIcon icon(Qt::GlobalColor color, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(color);
    return QIcon(pixmap);
}

/// The main window's list bar: two groups of pages and the favourites.
struct PageBar {
    PageBar() {
        bar = new ListBar(&window);
        bar->setObjectName("SSListBar1");
        bar->addGroup("SUCHEN", "Suchen");
        bar->addGroup("UEBERSICHT", "Übersicht");
        bar->addGroup("FAVORITEN", "Favoriten");
        bar->addItem(1, "AUSWAHL", "Auswahl", icon(Qt::red, 32), icon(Qt::red, 16));
        bar->addItem(1, "SUCHEN_ANALYSE", "Analyse", icon(Qt::green, 32), icon(Qt::green, 16));
        bar->addItem(2, "CHEM_ANALYSE", "chemische Analyse", icon(Qt::blue, 32), icon(Qt::blue, 16));
        bar->addItem(2, "LIEFERFIRMEN", "Lieferfirmen", icon(Qt::cyan, 32), icon(Qt::cyan, 16));
        window.resize(200, 400);
        bar->resize(200, 400);
        window.show();
    }
    /// The header button of a group, as the user clicks it.
    [[nodiscard]] QToolButton* header(int group) const {
        return bar->findChildren<QToolButton*>().at(group - 1);
    }
    QWidget window;
    ListBar* bar = nullptr; // owned by window
};

} // namespace

class BarsTest : public QObject {
    Q_OBJECT

private slots:
    void listBarItemsByKeyAcrossGroups() {
        PageBar p;
        ListBar& bar = *p.bar;
        QCOMPARE(bar.groupCount(), 3);
        QCOMPARE(bar.groupByKey("UEBERSICHT"), 2);
        QCOMPARE(bar.groupByKey("NONE"), 0);
        QCOMPARE(bar.CurrentGroup(), 1);
        QVERIFY(!bar.addItem(3, "AUSWAHL", "twice", {}, {})); // keys are unique across groups
        QVERIFY(bar.addItem(3, "FAV_ANALYSE", "chemische Analyse",
                            bar.itemIcon("CHEM_ANALYSE", ListBar::IconSize::Large),
                            bar.itemIcon("CHEM_ANALYSE", ListBar::IconSize::Small)));
        QCOMPARE(bar.itemPosition("AUSWAHL"), 1);
        QCOMPARE(bar.itemPosition("CHEM_ANALYSE"), 3);
        QCOMPARE(bar.itemPosition("FAV_ANALYSE"), 5);
        QCOMPARE(bar.itemPosition("NONE"), 0);
        QCOMPARE(bar.findItem("LIEFERFIRMEN")->group, 2);
        QCOMPARE(bar.findItem("LIEFERFIRMEN")->item, 2);
        QCOMPARE(bar.itemKeys(), (std::vector<QString>{"AUSWAHL", "SUCHEN_ANALYSE", "CHEM_ANALYSE",
                                                       "LIEFERFIRMEN", "FAV_ANALYSE"}));
        QVERIFY(!bar.itemIcon("FAV_ANALYSE", ListBar::IconSize::Small).isNull());
        QVERIFY(!bar.itemTag("CHEM_ANALYSE").isValid());
        bar.setItemTag("CHEM_ANALYSE", true);
        QCOMPARE(bar.itemTag("CHEM_ANALYSE"), QVariant(true));
        bar.removeItem("CHEM_ANALYSE");
        QVERIFY(!bar.findItem("CHEM_ANALYSE"));
        QCOMPARE(bar.itemPosition("LIEFERFIRMEN"), 3);
        bar.clearItems(3);
        QCOMPARE(bar.itemCount(3), 0);
        QCOMPARE(bar.itemCount(2), 1);
    }

    void userGroupChangeCanBeTurnedBack() {
        PageBar p;
        ListBar& bar = *p.bar;
        QList<std::pair<int, int>> changes;
        connect(&bar, &ListBar::GroupChange, &bar, [&](int now, int previous) {
            changes.append({now, previous});
            if (bar.groupKey(now) == "UEBERSICHT") {
                bar.setCurrentGroup(previous); // no steel chosen yet
            }
        });
        p.header(2)->click();
        QCOMPARE(bar.CurrentGroup(), 1);
        p.header(3)->click();
        QCOMPARE(bar.CurrentGroup(), 3);
        QCOMPARE(changes, (QList<std::pair<int, int>>{{2, 1}, {3, 1}}));
        bar.setCurrentGroup(2); // from code: no notification
        QCOMPARE(bar.CurrentGroup(), 2);
        QCOMPARE(changes.size(), 2);
    }

    void itemClicksByUserAndCode() {
        PageBar p;
        ListBar& bar = *p.bar;
        QSignalSpy clicks(&bar, &ListBar::ItemClick);
        bar.clickItem("SUCHEN_ANALYSE");
        bar.clickItem("NONE");
        auto* list = bar.findChildren<QListWidget*>().at(0);
        QVERIFY(QTest::qWaitForWindowExposed(&p.window));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(clicks.count(), 3);
        QCOMPARE(clicks.at(0).at(0).toString(), QString("SUCHEN_ANALYSE"));
        QCOMPARE(clicks.at(1).at(0).toString(), QString("AUSWAHL"));
        QCOMPARE(clicks.at(2).at(0).toString(), QString("SUCHEN_ANALYSE"));
    }

    void iconSizePerGroup() {
        PageBar p;
        ListBar& bar = *p.bar;
        bar.setGroupIconSize(1, ListBar::IconSize::Small);
        QCOMPARE(bar.groupIconSize(1), ListBar::IconSize::Small);
        QCOMPARE(bar.groupIconSize(2), ListBar::IconSize::Large);
        auto lists = bar.findChildren<QListWidget*>();
        QCOMPARE(lists.at(0)->iconSize(), QSize(16, 16));
        QCOMPARE(lists.at(1)->iconSize(), QSize(32, 32));
    }

    void textServiceCaptionsOfListBarTabsAndToolbar() {
        QWidget window;
        window.setObjectName("frmMain");
        PageBar p;
        p.bar->setParent(&window);
        auto* tabs = new controls::TabControl(&window);
        tabs->setObjectName("tabCompositionSearch");
        tabs->addTab(new QWidget, "Einfach");
        tabs->addTab(new QWidget, "Erweitert");
        auto* toolbar = new controls::ToolBar(&window);
        toolbar->setObjectName("Toolbar1");
        toolbar->addButton("NEW", "Neu");
        toolbar->addButtonMenu("NEW", "NEW_LIST", "Liste");
        orvik::common::qt::QtLanguageForm form(window);
        const auto found = form.controls();
        orvik::common::ListBarControl* bar = nullptr;
        orvik::common::TabsControl* tab = nullptr;
        orvik::common::ToolbarControl* tool = nullptr;
        for (auto* control : found) {
            if (control->name() == "SSListBar1") {
                bar = dynamic_cast<orvik::common::ListBarControl*>(control);
            } else if (control->name() == "tabCompositionSearch") {
                tab = dynamic_cast<orvik::common::TabsControl*>(control);
            } else if (control->name() == "Toolbar1") {
                tool = dynamic_cast<orvik::common::ToolbarControl*>(control);
            }
        }
        QVERIFY(bar != nullptr && tab != nullptr && tool != nullptr);
        QCOMPARE(bar->groupCount(), 3);
        QCOMPARE(bar->groupIndex(1), 2);
        // Items are numbered through the whole bar, as the text database keys them
        // (SSListBar1_Group2_ListItem4 is the first item of the second group after three).
        QCOMPARE(bar->itemIndex(1, 1), p.bar->itemCount(1) + 2);
        bar->setGroupCaption(1, "Overview");
        bar->setItemText(1, 1, "Suppliers");
        QCOMPARE(p.bar->groupCaption(2), QString("Overview"));
        QCOMPARE(p.bar->itemText("LIEFERFIRMEN"), QString("Suppliers"));
        tab->setTabCaption(1, "Advanced");
        QCOMPARE(tabs->TabCaption(1), QString("Advanced"));
        QCOMPARE(tool->buttonKey(0), std::string("NEW"));
        QCOMPARE(tool->menuKey(0, 0), std::string("NEW_LIST"));
        tool->setButtonCaption(0, "New");
        QCOMPARE(toolbar->Button("NEW")->text(), QString("New"));
    }

    void pictureOfAMainWindowFrameSavedToTheBuildFolder() {
        QMainWindow window;
        window.resize(720, 420);
        auto* toolbar = new controls::ToolBar(&window);
        toolbar->addButton("NEW", "Neu", icon(Qt::darkGreen, 16));
        toolbar->addButton("FIND", "Suchen", icon(Qt::darkBlue, 16));
        toolbar->addButton("PRINT", "Drucken", icon(Qt::darkGray, 16));
        toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        window.addToolBar(toolbar);
        auto* status = new controls::StatusBar(&window);
        status->addPanel("LINKS");
        status->addPanel("RECHTS", 1);
        status->setPanelText("LINKS", "Angemeldet");
        status->setPanelText("RECHTS", "Doppelklick übernimmt Werkstoff");
        window.setStatusBar(status);
        auto* central = new QWidget(&window);
        auto* layout = new QHBoxLayout(central);
        PageBar p;
        p.bar->setParent(central);
        p.bar->setFixedWidth(170);
        p.bar->setGroupIconSize(1, ListBar::IconSize::Small);
        layout->addWidget(p.bar);
        auto* tabs = new controls::TabControl(central);
        auto* page = new QWidget;
        auto* form = new QFormLayout(page);
        auto* entry = new controls::NumEntry(page);
        entry->setBackNumbers(2);
        entry->setDecimalSeparator(",");
        entry->setEntryText("0,25");
        entry->setBackColor(QColor(255, 255, 192));
        form->addRow("Toleranz", entry);
        auto* combo = new controls::ImageCombo(page);
        combo->addKeyedItem("inside", "innerhalb", icon(Qt::green, 16));
        combo->addKeyedItem("outside", "außerhalb", icon(Qt::red, 16));
        combo->setSelectedKey("outside");
        form->addRow("Suchmethode", combo);
        auto* progress = new controls::ProgressBar(page);
        progress->setMax(155);
        progress->setValueInRange(100);
        form->addRow("Laden", progress);
        tabs->addTab(page, "Einfach");
        tabs->addTab(new QWidget, "Erweitert");
        layout->addWidget(tabs, 1);
        window.setCentralWidget(central);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.grab().save(QStringLiteral(GK_TEST_OUTPUT_DIR "/controls.png")));
    }

    void tabClickTellsThePreviousTab() {
        controls::TabControl tabs;
        tabs.addTab(new QWidget, "0");
        tabs.addTab(new QWidget, "1");
        QSignalSpy clicks(&tabs, &controls::TabControl::Click);
        tabs.setTab(1);
        tabs.setTab(1);
        tabs.setTab(0);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(clicks.at(0).at(0).toInt(), 0);
        QCOMPARE(clicks.at(1).at(0).toInt(), 1);
        QCOMPARE(tabs.Tab(), 0);
    }

    void toolbarButtonsByKey() {
        controls::ToolBar toolbar;
        QVERIFY(toolbar.addButton("PRINT", "Drucken") != nullptr);
        QVERIFY(toolbar.addButton("PRINT", "again") == nullptr);
        QVERIFY(toolbar.addButtonMenu("NONE", "x", "x") == nullptr);
        QSignalSpy clicks(&toolbar, &controls::ToolBar::ButtonClick);
        toolbar.Button("PRINT")->trigger();
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toString(), QString("PRINT"));
        toolbar.setButtonEnabled("PRINT", false);
        QVERIFY(!toolbar.buttonEnabled("PRINT"));
        QVERIFY(!toolbar.buttonEnabled("NONE"));
        QVERIFY(toolbar.Button("NONE") == nullptr);
    }

    void statusBarPanelsByKey() {
        controls::StatusBar status;
        QVERIFY(status.addPanel("LINKS"));
        QVERIFY(status.addPanel("RECHTS", 1));
        QVERIFY(!status.addPanel("LINKS"));
        status.setPanelText("RECHTS", "Suche läuft");
        status.setPanelText("NONE", "ignored");
        QCOMPARE(status.PanelText("RECHTS"), QString("Suche läuft"));
        QCOMPARE(status.PanelText("LINKS"), QString());
        QCOMPARE(status.PanelText("NONE"), QString());
    }

    void progressBarStaysFullBeyondItsMaximum() {
        controls::ProgressBar progress;
        progress.setMin(0);
        progress.setMax(155);
        for (int i = 0; i < 160; ++i) {
            progress.step();
        }
        QCOMPARE(progress.Value(), 155);
        progress.setValueInRange(-3);
        QCOMPARE(progress.Value(), 155);
    }

    void imageComboByKey() {
        controls::ImageList pictures;
        QPixmap inside(16, 16);
        inside.fill(Qt::green);
        pictures.add("inside", inside);
        pictures.add("outside", QPixmap(16, 16));
        QCOMPARE(pictures.count(), 2);
        QVERIFY(pictures.picture("none").isNull());
        controls::ImageCombo combo;
        QVERIFY(combo.addKeyedItem("inside", "", QIcon(pictures.picture("inside"))));
        QVERIFY(combo.addKeyedItem("outside", "", QIcon(pictures.picture("outside"))));
        QVERIFY(!combo.addKeyedItem("inside", "", {}));
        combo.setSelectedKey("outside");
        QCOMPARE(combo.selectedKey(), QString("outside"));
        QCOMPARE(combo.currentIndex(), 1);
        combo.setSelectedKey("none");
        QCOMPARE(combo.selectedKey(), QString());
        QVERIFY(combo.selectedIcon().isNull());
        QSignalSpy chosen(&combo, &controls::ImageCombo::ItemChosen);
        emit combo.activated(0);
        QCOMPARE(chosen.at(0).at(0).toString(), QString("inside"));
    }

    void keyCodesAsTheWindowsCompareThem_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << 13 << 0;
        QTest::newRow("Enter of the number pad") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 13 << 0;
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << 9 << 1;
        QTest::newRow("Ctrl+Shift+I")
            << int(Qt::Key_I) << int(Qt::ShiftModifier | Qt::ControlModifier) << 73 << 3;
        QTest::newRow("Alt+F4") << int(Qt::Key_F4) << int(Qt::AltModifier) << 115 << 4;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << 112 << 0;
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << 55 << 0;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << 46 << 0;
        QTest::newRow("arrow down") << int(Qt::Key_Down) << 0 << 40 << 0;
        QTest::newRow("a key without a code") << int(Qt::Key_Launch0) << 0 << 0 << 0;
    }
    void keyCodesAsTheWindowsCompareThem() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QFETCH(int, shift);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(controls::keyCodeOf(event), code);
        QCOMPARE(controls::shiftStateOf(event.modifiers()), shift);
    }

    void placementInTwipsWithTagAndHelp() {
        QWidget parent;
        QWidget child(&parent);
        controls::moveTwips(child, 150, 300, 1500, 450);
        QCOMPARE(child.geometry(), QRect(10, 20, 100, 30));
        QCOMPARE(controls::geometryTwips(child), QRect(150, 300, 1500, 450));
        controls::setTag(child, "3|2");
        controls::setHelpContextId(child, 19);
        QCOMPARE(controls::tag(child), QString("3|2"));
        QCOMPARE(controls::helpContextId(child), 19);
        QCOMPARE(controls::helpContextId(parent), 0);
    }
};

QTEST_MAIN(BarsTest)
#include "BarsTest.moc"
