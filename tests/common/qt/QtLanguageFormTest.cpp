#include "common/qt/QtLanguageForm.h"

#include "../../common/TextServiceFakeSource.h"
#include "common/cls_Language.h"
#include "common/qt/LanguageCaptions.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

using orvik::common::test::FakeTextSource;

namespace {

/// A grid of our own with two fixed rows, as the grid stand-in shows itself to the text service.
class TwoRowGrid : public QWidget, public orvik::common::qt::GridCaptions {
public:
    using QWidget::QWidget;
    [[nodiscard]] int captionRows() const override { return 3; }
    [[nodiscard]] int captionCols() const override { return 2; }
    [[nodiscard]] int captionFixedRows() const override { return 2; }
    [[nodiscard]] QString captionText(int row, int col) const override { return cells[row][col]; }
    void setCaptionText(int row, int col, const QString& text) override { cells[row][col] = text; }
    [[nodiscard]] int captionColWidth(int) const override { return 100; }
    QString cells[3][2] = {{"a", "b"}, {"", "d"}, {"data", "data"}};
};

/// A list bar with one group of two items.
class OneGroupBar : public QWidget, public orvik::common::qt::ListBarCaptions {
public:
    using QWidget::QWidget;
    [[nodiscard]] int captionGroupCount() const override { return 1; }
    [[nodiscard]] int captionGroupIndex(int) const override { return 2; }
    [[nodiscard]] QString captionGroupText(int) const override { return group; }
    void setCaptionGroupText(int, const QString& text) override { group = text; }
    [[nodiscard]] int captionItemCount(int) const override { return 2; }
    [[nodiscard]] int captionItemIndex(int, int item) const override { return item + 1; }
    [[nodiscard]] QString captionItemText(int, int item) const override { return items[item]; }
    void setCaptionItemText(int, int item, const QString& text) override { items[item] = text; }
    QString group = "Overview";
    QString items[2] = {"composition", "suppliers"};
};

} // namespace

namespace {

template <typename T> T* named(QObject* parent, const char* name, const QString& text = {}, int index = -1) {
    auto* object = new T(text, static_cast<QWidget*>(parent));
    object->setObjectName(name);
    if (index >= 0) {
        object->setProperty("index", index);
    }
    return object;
}

} // namespace

class QtLanguageFormTest : public QObject {
    Q_OBJECT

private:
    FakeTextSource::State db;
    std::unique_ptr<orvik::common::cls_Language> language;

    void record(const std::string& form, const std::string& control, const std::string& german) {
        db.controls[{FakeTextSource::lower(form), FakeTextSource::lower(control)}] =
            orvik::common::TextRecord{german, std::nullopt, std::nullopt, std::nullopt};
    }

private slots:
    void init() {
        db = {};
        language = std::make_unique<orvik::common::cls_Language>(
            std::make_unique<FakeTextSource>(db), [] { return std::string("German"); },
            [](const platform::UserMessage&) {});
    }

    void setsCaptionsOfAWindowByObjectNameAndIndex() {
        QMainWindow window;
        window.setObjectName("frmMain");
        window.setWindowTitle("main");
        auto* central = new QWidget(&window);
        window.setCentralWidget(central);
        auto* layout = new QVBoxLayout(central);
        layout->addWidget(named<QLabel>(central, "lblName", "name"));
        layout->addWidget(named<QPushButton>(central, "cmdOk", "ok", 2));
        layout->addWidget(named<QCheckBox>(central, "chkAlle", "all"));
        layout->addWidget(named<QRadioButton>(central, "optArt", "kind", 0));
        auto* frame = new QGroupBox("frame", central);
        frame->setObjectName("fraRahmen");
        layout->addWidget(frame);
        auto* inFrame = named<QLabel>(frame, "lblInFrame", "inner");
        auto* unnamed = new QLabel("unnamed", central);
        layout->addWidget(unnamed);

        auto* tabs = new QTabWidget(central);
        tabs->setObjectName("SSTab1");
        tabs->addTab(new QWidget, "zero");
        tabs->addTab(new QWidget, "one");
        layout->addWidget(tabs);
        auto* strip = new QTabBar(central);
        strip->setObjectName("TabStrip1");
        strip->addTab("first");
        strip->addTab("second");
        layout->addWidget(strip);

        auto* grid = new QTableWidget(2, 2, central);
        grid->setObjectName("flx");
        grid->setHorizontalHeaderLabels({"c0", ""});
        layout->addWidget(grid);

        auto* panel = new QWidget(central);
        panel->setObjectName("uctlPanel");
        auto* inPanel = named<QLabel>(panel, "lblName", "panel's own");

        QMenu* top = window.menuBar()->addMenu("&File");
        top->setObjectName("mnuZeile");
        top->setProperty("index", 0);
        QAction* save = top->addAction("save");
        save->setObjectName("mnuDatei");
        save->setProperty("index", 1);

        QToolBar* toolbar = window.addToolBar("tools");
        toolbar->setObjectName("Toolbar1");
        QAction* print = toolbar->addAction("print");
        print->setProperty("key", "PRINT");
        auto* printMenu = new QMenu(&window);
        QAction* setup = printMenu->addAction("setup");
        setup->setObjectName("SETUP");
        print->setMenu(printMenu);

        record("frmMain", "frmMain", "Hauptfenster");
        record("frmMain", "lblName", "Name:");
        record("frmMain", "cmdOk(2)", "&OK");
        record("frmMain", "chkAlle", "Alle");
        record("frmMain", "optArt(0)", "Art");
        record("frmMain", "fraRahmen", "Rahmen");
        record("frmMain", "lblInFrame", "Innen");
        record("frmMain", "SSTab1(1)", "Eins");
        record("frmMain", "TabStrip1(1)", "Erster");
        record("frmMain", "flx_Col(0)", "Spalte");
        record("frmMain", "flx_Col(1)", "Leer");
        record("frmMain", "mnuZeile(0)", "&Datei");
        record("frmMain", "mnuDatei(1)", "&Speichern");
        record("frmMain", "Toolbar1_ButtonPRINT", "Drucken");
        record("frmMain", "Toolbar1_ButtonPRINT_ButtonmenueSETUP", "Einrichten");

        orvik::common::qt::QtLanguageForm form(window);
        QVERIFY(form.isWindow());
        language->adjustForm(form);

        QCOMPARE(window.windowTitle(), QString("Hauptfenster"));
        QCOMPARE(central->findChild<QLabel*>("lblName")->text(), QString("Name:"));
        QCOMPARE(central->findChild<QPushButton*>("cmdOk")->text(), QString("&OK"));
        QCOMPARE(central->findChild<QCheckBox*>("chkAlle")->text(), QString("Alle"));
        QCOMPARE(central->findChild<QRadioButton*>("optArt")->text(), QString("Art"));
        QCOMPARE(frame->title(), QString("Rahmen"));
        QCOMPARE(inFrame->text(), QString("Innen"));
        QCOMPARE(unnamed->text(), QString("unnamed"));
        QCOMPARE(tabs->tabText(0), QString("zero"));
        QCOMPARE(tabs->tabText(1), QString("Eins"));
        QCOMPARE(strip->tabText(0), QString("Erster"));
        QCOMPARE(strip->tabText(1), QString("second"));
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QString("Spalte"));
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString("Leer"));
        QCOMPARE(inPanel->text(), QString("panel's own"));
        QCOMPARE(top->title(), QString("&Datei"));
        QCOMPARE(save->text(), QString("&Speichern"));
        QCOMPARE(print->text(), QString("Drucken"));
        QCOMPARE(setup->text(), QString("Einrichten"));
    }

    void panelIsItsOwnFormAndKeepsItsEmptyCaption() {
        // A panel is not a window: it sits in one.
        QWidget window;
        auto* panel = new QWidget(&window);
        panel->setObjectName("uctlDescription");
        auto* inner = new QWidget(panel);
        auto* label = named<QLabel>(inner, "lblBeschreibung", "Kurzname", 1);
        record("uctlDescription", "lblBeschreibung(1)", "Symbol");

        orvik::common::qt::QtLanguageForm form(*panel);
        QVERIFY(!form.isWindow());
        QCOMPARE(form.controls().size(), std::size_t{1});
        language->adjustForm(form);
        QCOMPARE(label->text(), QString("Symbol"));
        QCOMPARE(panel->windowTitle(), QString());
    }

    void gridAndListBarOfOurOwn() {
        QWidget window;
        window.setObjectName("frmMain");
        auto* grid = new TwoRowGrid(&window);
        grid->setObjectName("grdMechSuchen");
        auto* bar = new OneGroupBar(&window);
        bar->setObjectName("SSListBar1");
        record("frmMain", "grdMechSuchen_Col(1)", "B");
        record("frmMain", "grdMechSuchen_Col(2000)", "C");
        record("frmMain", "SSListBar1_Group2", "Übersicht");
        record("frmMain", "SSListBar1_Group2_ListItem2", "Lieferfirmen");

        orvik::common::qt::QtLanguageForm form(window);
        language->adjustForm(form);
        QCOMPARE(grid->cells[0][0], QString("a"));
        QCOMPARE(grid->cells[0][1], QString("B"));
        QCOMPARE(grid->cells[1][0], QString("C"));
        QCOMPARE(grid->cells[1][1], QString("d"));
        QCOMPARE(grid->cells[2][0], QString("data"));
        QCOMPARE(bar->group, QString("Übersicht"));
        QCOMPARE(bar->items[0], QString("composition"));
        QCOMPARE(bar->items[1], QString("Lieferfirmen"));
    }

    void tableViewOverAModelTakesItsHeadings() {
        QWidget window;
        window.setObjectName("frmList");
        QStandardItemModel model(1, 3);
        model.setHorizontalHeaderLabels({"first", "", "third"});
        model.setItem(0, 0, new QStandardItem("cell"));
        auto* view = new QTableView(&window);
        view->setObjectName("flx");
        view->setModel(&model);
        view->setColumnWidth(0, 100);
        record("frmList", "flx_Col(0)", "Erste");
        record("frmList", "flx_Col(1)", "Zweite");

        orvik::common::qt::QtLanguageForm form(window);
        QCOMPARE(form.controls().size(), std::size_t{1});
        language->adjustForm(form);
        QCOMPARE(model.horizontalHeaderItem(0)->text(), QString("Erste"));
        QCOMPARE(model.horizontalHeaderItem(1)->text(), QString("Zweite"));
        QCOMPARE(model.horizontalHeaderItem(2)->text(), QString("third"));
        QCOMPARE(model.item(0, 0)->text(), QString("cell"));

        // A view without a model has nothing to caption.
        QWidget empty;
        (new QTableView(&empty))->setObjectName("flx");
        QCOMPARE(orvik::common::qt::QtLanguageForm(empty).controls().size(), std::size_t{0});
    }

    void widthsAreInTwips() {
        QWidget window;
        window.setObjectName("frmW");
        window.resize(400, 300);
        auto* button = named<QPushButton>(&window, "cmdOk", "ok");
        button->resize(80, 20);
        orvik::common::qt::QtLanguageForm form(window);
        QCOMPARE(form.width(), 6000);
        QCOMPARE(form.controls().size(), std::size_t{1});
        QCOMPARE(form.controls().front()->width(), 1200);
    }
};

QTEST_MAIN(QtLanguageFormTest)
#include "QtLanguageFormTest.moc"
