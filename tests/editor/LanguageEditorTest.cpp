#include "../common/TextServiceFakeSource.h"
#include "LanguageEditorFakes.h"
#include "common/editor/LanguageEditorModel.h"
#include "common/editor/LanguageSettingsDialog.h"
#include "common/editor/WindowHelper.h"
#include "common/editor/frmBigEdit.h"
#include "common/editor/frmLanguageSetting.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <stdexcept>

using namespace orvik::common::editor;
using namespace orvik::common::editor::test;
using Answer = platform::qt::MessageBoxes::Answer;

namespace {

/// Acts on the edit window once it is shown modally: types `typed` over the user's text, then OK or
/// cancel.
void answerBigEdit(frmBigEdit& bigEdit, const QString& typed, bool ok) {
    QTimer::singleShot(0, &bigEdit, [&bigEdit, typed, ok] {
        auto* text = bigEdit.findChild<QLineEdit*>("txtSelfDefine");
        text->selectAll();
        QTest::keyClicks(text, typed);
        bigEdit.findChild<QPushButton*>(ok ? "cmdOk" : "cmdAbbrechen")->click();
    });
}

QString cellText(const frmLanguageSetting& editor, int row, int column) {
    return editor.rows().index(row, column).data().toString();
}

} // namespace

class LanguageEditorTest : public QObject {
    Q_OBJECT

private:
    FakeEditorData data;
    FakeMessageBoxes messages;

    std::unique_ptr<frmLanguageSetting> openEditor(std::int32_t language = 0) {
        auto editor = std::make_unique<frmLanguageSetting>(data, messages);
        editor->setLanguage(language);
        editor->setDbPath("/tmp/gk/Daten");
        editor->setDbName("Language.mdb");
        editor->init_dlg();
        return editor;
    }

private slots:
    void init() {
        data = FakeEditorData{};
        data.rows = {controlRow("frmMain", "cmdOk(2)", "&OK", ""),
                     controlRow("frmMain", "lblName", "Name:", "Mein Name"), textRow(17, "ja", ""),
                     textRow(41, "Möchten Sie das Programm beenden?", "Schluss?")};
        messages = FakeMessageBoxes{};
    }

    void fillsTheRowsFromTheData() {
        const auto editor = openEditor(1);
        QCOMPARE(data.openedFile, std::string("/tmp/gk/Daten/Language.mdb"));
        QCOMPARE(data.loadedColumn, std::string("france"));
        const LanguageEditorModel& rows = editor->rows();
        QCOMPARE(editor->grid().model(), &rows);
        QCOMPARE(rows.rowCount(), 4);
        QCOMPARE(rows.columnCount(), 2);
        QCOMPARE(rows.headerData(0, Qt::Horizontal).toString(), QString("Standardtext"));
        QCOMPARE(rows.headerData(1, Qt::Horizontal).toString(), QString("Selbstdefinierter Text"));
        struct Expected {
            const char* shown;
            const char* self;
            LanguageEditorRow::Table table;
            const char* key1;
            const char* key2;
            const char* width;
        };
        const Expected expected[] = {
            {"&OK", "", LanguageEditorRow::Table::Controls, "frmMain", "cmdOk(2)", "1200"},
            {"Name:", "Mein Name", LanguageEditorRow::Table::Controls, "frmMain", "lblName", "1200"},
            {"ja", "", LanguageEditorRow::Table::Texts, "17", "17", "0"},
            {"Möchten Sie das Programm beenden?", "Schluss?", LanguageEditorRow::Table::Texts, "41", "41",
             "0"}};
        for (int r = 0; r < 4; ++r) {
            const Expected& e = expected[r];
            QCOMPARE(cellText(*editor, r, LanguageEditorModel::Shown), QString(e.shown));
            QCOMPARE(cellText(*editor, r, LanguageEditorModel::SelfDefine), QString(e.self));
            QCOMPARE(rows.row(r).table, e.table);
            QCOMPARE(rows.row(r).key1, std::string(e.key1));
            QCOMPARE(rows.row(r).key2, std::string(e.key2));
            QCOMPARE(rows.row(r).width, std::string(e.width));
            QVERIFY(!rows.isOpened(r));
        }
        QVERIFY(!editor->grid().currentIndex().isValid());
        QVERIFY(messages.shown.empty());
    }

    void openingFailureShowsTheErrorAndKeepsWhatWasFilled() {
        data.failLoadAfter = 2;
        const auto editor = openEditor();
        QCOMPARE(editor->rows().rowCount(), 2);
        QCOMPARE(messages.shown.size(), std::size_t{1});
        QCOMPARE(messages.shown[0].title, QString("ERROR"));
        QCOMPARE(messages.shown[0].icon, platform::qt::MessageBoxes::Icon::Critical);
        QCOMPARE(messages.shown[0].text, QString("Error Description: \tNo current record.\nError Number: "
                                                 "\t3021\nError Source: \tDAO.Recordset\n"));

        data.failOpen = true;
        const auto unopened = openEditor();
        QCOMPARE(unopened->rows().rowCount(), 0);
        QVERIFY(!unopened->save());
        QCOMPARE(data.commits, 0);
    }

    void editingAndSavingOnlyTheOpenedRows() {
        const auto editor = openEditor();
        frmBigEdit bigEdit(editor.get());
        editor->setBigEdit(&bigEdit);

        answerBigEdit(bigEdit, "Sicher?", true);
        editor->enterCell(3, 0);
        QCOMPARE(editor->grid().currentIndex(), editor->rows().index(3, 1));
        QCOMPARE(cellText(*editor, 3, 1), QString("Sicher?"));
        QVERIFY(editor->rows().isOpened(3));

        answerBigEdit(bigEdit, "verworfen", false);
        editor->enterCell(1, 1);
        // Cancel keeps the cell, but the row counts as opened.
        QCOMPARE(cellText(*editor, 1, 1), QString("Mein Name"));
        QVERIFY(editor->rows().isOpened(1));
        QVERIFY(!editor->rows().isOpened(0) && !editor->rows().isOpened(2));

        QVERIFY(editor->save());
        QCOMPARE(data.commits, 1);
        const std::map<FakeEditorData::Key, std::string> stored{{{"frmMain", "lblName"}, "Mein Name"},
                                                                {{"41", "41"}, "Sicher?"}};
        QCOMPARE(data.committed, stored);
        QVERIFY(!editor->isVisible());
    }

    void bigEditShowsTheStandardText() {
        const auto editor = openEditor();
        frmBigEdit bigEdit(editor.get());
        editor->setBigEdit(&bigEdit);
        QString standard;
        QTimer::singleShot(0, &bigEdit, [&] {
            standard = bigEdit.findChild<QWidget*>("txtStandard")->property("plainText").toString();
            bigEdit.findChild<QPushButton*>("cmdAbbrechen")->click();
        });
        editor->enterCell(1, 0);
        QCOMPARE(standard, QString("Name:"));
        QVERIFY(!bigEdit.Take());
    }

    void saveFailureRetryIgnoreAbort() {
        struct Case {
            const char* what;
            std::deque<Answer> answers;
            bool saved;
            std::size_t attempts;
            std::map<FakeEditorData::Key, std::string> committed;
        };
        const Case cases[] = {
            {"retry repeats the failed row",
             {Answer::Retry},
             true,
             3,
             {{{"frmMain", "cmdOk(2)"}, ""}, {{"17", "17"}, ""}}},
            {"ignore goes on with the next row", {Answer::Ignore}, true, 2, {{{"17", "17"}, ""}}},
            {"abort keeps nothing of this save", {Answer::Abort}, false, 1, {}},
        };
        for (const Case& c : cases) {
            init();
            data.committed = {{{"frmMain", "lblName"}, "früher gespeichert"}};
            data.failures[{"frmMain", "cmdOk(2)"}] = 1;
            messages.answers = c.answers;
            const auto editor = openEditor();
            editor->enterCell(0, 1);
            editor->enterCell(2, 1);
            editor->show();

            QCOMPARE(editor->save(), c.saved);
            QCOMPARE(data.attempts.size(), c.attempts);
            auto expected = c.committed;
            expected[{"frmMain", "lblName"}] = "früher gespeichert";
            QCOMPARE(data.committed, expected);
            QCOMPARE(messages.shown.size(), std::size_t{1});
            QCOMPARE(messages.shown[0].buttons, platform::qt::MessageBoxes::Buttons::AbortRetryIgnore);
            QCOMPARE(editor->isVisible(), !c.saved);
            QVERIFY(!data.inTransaction);
        }
    }

    void rowWhoseRecordIsGoneIsSkipped() {
        data.missing[{"17", "17"}] = true;
        const auto editor = openEditor();
        editor->enterCell(2, 1);
        editor->enterCell(3, 1);
        QVERIFY(editor->save());
        QCOMPARE(data.committed.size(), std::size_t{1});
        QVERIFY(messages.shown.empty());
    }

    void aMouseClickOpensTheEditWindowOnce() {
        const auto editor = openEditor();
        frmBigEdit bigEdit(editor.get());
        editor->setBigEdit(&bigEdit);
        editor->show();
        int opened = 0;
        connect(&bigEdit, &QDialog::finished, &bigEdit, [&opened] { ++opened; });
        QTimer closer;
        connect(&closer, &QTimer::timeout, &bigEdit, [&bigEdit] {
            if (bigEdit.isVisible()) {
                bigEdit.findChild<QPushButton*>("cmdAbbrechen")->click();
            }
        });
        closer.start(0);
        QTableView& grid = editor->grid();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.visualRect(editor->rows().index(2, 0)).center());
        closer.stop();
        QCOMPARE(opened, 1);
        QVERIFY(editor->rows().isOpened(2));
        QCOMPARE(grid.currentIndex().column(), 1);
    }

    void closingClosesTheData() {
        { const auto editor = openEditor(); }
        QCOMPARE(data.closes, 1);
    }

    void bigEditRefusesQuotesAndLongTexts() {
        frmBigEdit bigEdit;
        bigEdit.show();
        auto* text = bigEdit.findChild<QLineEdit*>("txtSelfDefine");
        QTest::keyClicks(text, "Ein \"Zitat\"");
        QCOMPARE(text->text(), QString("Ein Zitat"));
        text->clear();
        QTest::keyClicks(text, QString(200, QChar('x')));
        QCOMPARE(text->text().size(), 150);
        QCOMPARE(bigEdit.windowTitle(), QString("Sprache editieren"));
    }

    void settingsDialogShowsTheSystemLanguageForUserDefined() {
        orvik::common::test::FakeTextSource::State texts;
        texts.controls[{"frmbigedit", "frmbigedit"}] =
            orvik::common::TextRecord{"Text bearbeiten", {}, {}, {}};
        texts.controls[{"frmlanguagesetting", "cmduebernehmen"}] =
            orvik::common::TextRecord{"&Speichern", {}, {}, {}};
        texts.controls[{"frmlanguagesetting", "flx_col(1)"}] =
            orvik::common::TextRecord{"Eigener Text", {}, {}, {}};
        orvik::common::cls_Language language(
            std::make_unique<orvik::common::test::FakeTextSource>(texts),
            [] { return std::string("German"); }, [](const platform::UserMessage&) {});
        language.setLanguage(orvik::common::cls_Language::UserDefined);
        language.setDbPath("/tmp/gk/Daten");

        QString editCaption;
        QString saveCaption;
        QString ownHeading;
        language.setSettingsDialog(
            languageSettingsDialog([this] { return std::make_unique<FakeEditorData>(data); }, messages));
        QTimer::singleShot(0, [&] {
            auto* editor = dynamic_cast<frmLanguageSetting*>(QApplication::activeModalWidget());
            QVERIFY(editor != nullptr);
            saveCaption = editor->findChild<QPushButton*>("cmdUebernehmen")->text();
            ownHeading = editor->grid().model()->headerData(1, Qt::Horizontal).toString();
            editCaption = editor->findChild<frmBigEdit*>()->windowTitle();
            editor->reject();
        });
        language.showSettingsDialog();

        QCOMPARE(language.Language(), orvik::common::cls_Language::German);
        QCOMPARE(saveCaption, QString("&Speichern"));
        QCOMPARE(ownHeading, QString("Eigener Text"));
        QCOMPARE(editCaption, QString("Text bearbeiten"));
    }

    void helpKeyOpensTheHelpFileOfTheService() {
        orvik::common::test::FakeTextSource::State texts;
        orvik::common::cls_Language language(
            std::make_unique<orvik::common::test::FakeTextSource>(texts),
            [] { return std::string("German"); }, [](const platform::UserMessage&) {});
        language.setDbPath("/tmp/gk/Daten");
        QStringList opened;
        language.setSettingsDialog(languageSettingsDialog(
            [this] { return std::make_unique<FakeEditorData>(data); }, messages, nullptr,
            [&opened](const QString& address) {
                opened << address;
                return true;
            }));
        const auto pressHelpAndClose = [] {
            auto* editor = dynamic_cast<frmLanguageSetting*>(QApplication::activeModalWidget());
            QVERIFY(editor != nullptr);
            QTest::keyClick(&editor->grid(), Qt::Key_F1);
            QTest::keyClick(editor->findChild<frmBigEdit*>()->findChild<QLineEdit*>("txtSelfDefine"),
                            Qt::Key_F1);
            editor->reject();
        };

        QTimer::singleShot(0, pressHelpAndClose);
        language.showSettingsDialog();
        QVERIFY(opened.isEmpty()); // no help file set, none opened

        language.setHelpFile("/opt/gk/Hilfe/Sprache.html");
        QTimer::singleShot(0, pressHelpAndClose);
        language.showSettingsDialog();
        QCOMPARE(opened, (QStringList{"/opt/gk/Hilfe/Sprache.html", "/opt/gk/Hilfe/Sprache.html"}));
        QVERIFY(messages.shown.empty());
    }

    void startHtmlReportsTheFailuresNumber() {
        struct Case {
            const char* what;
            WindowHelper::Opener open;
            int result;
            const char* title;
            const char* text;
        };
        const Case cases[] = {
            {"opened", [](const QString&) { return true; }, 33, nullptr, nullptr},
            {"not opened", [](const QString&) { return false; }, 2, nullptr, nullptr},
            {"failed with a number",
             [](const QString&) -> bool {
                 throw platform::CallError(platform::err::FileNotFound, "Shell", "File not found");
             },
             0, "Fehlernummer: 53", "File not found"},
            {"failed without a number",
             [](const QString&) -> bool { throw std::runtime_error("no desktop"); }, 0, "Fehlernummer: 5",
             "no desktop"},
        };
        for (const Case& c : cases) {
            messages = FakeMessageBoxes{};
            QVERIFY2(WindowHelper::StartHTML("/opt/gk/Hilfe/index.html", messages, c.open) == c.result,
                     c.what);
            if (c.title == nullptr) {
                QVERIFY2(messages.shown.empty(), c.what);
                continue;
            }
            QVERIFY2(messages.shown.size() == 1, c.what);
            QCOMPARE(messages.shown[0].title, QString(c.title));
            QCOMPARE(messages.shown[0].text, QString(c.text));
            QCOMPARE(messages.shown[0].icon, platform::qt::MessageBoxes::Icon::Information);
        }
    }

    void showInfoShowsTheIconAskedFor() {
        QPixmap picture(16, 16);
        picture.fill(Qt::red);
        const QIcon icon(picture);
        WindowHelper::ShowInfo(nullptr, "Graukant", "Version 5.1", icon, messages);
        QCOMPARE(messages.abouts.size(), std::size_t{1});
        QCOMPARE(messages.abouts[0].application, QString("Graukant"));
        QCOMPARE(messages.abouts[0].text, QString("Version 5.1"));
        QCOMPARE(messages.abouts[0].icon.cacheKey(), icon.cacheKey());
        QVERIFY(messages.shown.empty());
    }

    void comboOpensToTheGivenHeightAndItsWidth() {
        QWidget window;
        auto* combo = new QComboBox(&window);
        for (int i = 0; i < 60; ++i) {
            combo->addItem(QString("Eintrag %1").arg(i));
        }
        combo->setGeometry(10, 10, 150, 24);
        window.resize(400, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int rowHeight = combo->view()->sizeHintForRow(0);
        constexpr int heightTwips = 4500; // 300 pixels for the field and its open list
        WindowHelper::SetComboHeightWidth(&window, combo, heightTwips);
        combo->showPopup();
        const QWidget* list = combo->view()->window();
        QVERIFY(list->isVisible());
        QVERIFY2(combo->height() + list->height() <= 300,
                 qPrintable(QString("field %1 + list %2").arg(combo->height()).arg(list->height())));
        QVERIFY2(combo->height() + list->height() > 300 - rowHeight,
                 qPrintable(QString("field %1 + list %2").arg(combo->height()).arg(list->height())));
        QCOMPARE(list->width(), combo->width());
        QCOMPARE(list->mapToGlobal(QPoint(0, 0)), combo->mapToGlobal(QPoint(0, combo->height())));
        combo->hidePopup();

        // Set again, smaller: the last height holds.
        WindowHelper::SetComboHeightWidth(&window, combo, 1500);
        combo->showPopup();
        QCOMPARE(combo->height() + list->height(), 100);
        combo->hidePopup();

        // Where the screen ends below the field, the list opens above it.
        const QRect screen = window.screen()->availableGeometry();
        window.move(screen.left(), screen.bottom() - 80);
        combo->showPopup();
        QCOMPARE(list->mapToGlobal(QPoint(0, list->height())), combo->mapToGlobal(QPoint(0, 0)));
        QCOMPARE(combo->height() + list->height(), 100);
        combo->hidePopup();

        // Inside a panel, not a window: left as it is.
        auto* panel = new QWidget(&window);
        auto* inPanel = new QComboBox(panel);
        const int visible = inPanel->maxVisibleItems();
        WindowHelper::SetComboHeightWidth(panel, inPanel, heightTwips);
        QCOMPARE(inPanel->maxVisibleItems(), visible);
    }

    void windowHelpers() {
        QWidget window;
        auto* combo = new QComboBox(&window);
        combo->addItems({"a", "b"});
        combo->resize(120, 24);
        WindowHelper::SetDropWidth(&window, 0, combo);
        QCOMPARE(combo->view()->minimumWidth(), 120);
        WindowHelper::SetDropWidth(&window, 3000, combo);
        QCOMPARE(combo->view()->minimumWidth(), 200);

        auto* panel = new QWidget(&window);
        panel->move(7, 9);
        WindowHelper::Center_Form(panel);
        QCOMPARE(panel->pos(), QPoint(7, 9));

        QCOMPARE(WindowHelper::GetFolder(&window, [](QWidget*, const QString&) { return QString(); }),
                 QString());
        std::int32_t height = 0;
        std::int32_t width = 0;
        WindowHelper::GetScreenHeightWidth(height, width);
        QVERIFY(height > 0 && width > 0);
        QCOMPARE(height % 15, 0);
    }
};

QTEST_MAIN(LanguageEditorTest)
#include "LanguageEditorTest.moc"
