#include "../common/TextServiceFakeSource.h"
#include "LanguageEditorFakes.h"
#include "common/editor/LanguageSettingsDialog.h"
#include "common/editor/WindowHelper.h"
#include "common/editor/frmBigEdit.h"
#include "common/editor/frmLanguageSetting.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

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

QString cellText(const QTableWidget& grid, int row, int column) {
    return grid.item(row, column)->text();
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

    void fillsTheGridFromTheData() {
        const auto editor = openEditor(1);
        QCOMPARE(data.openedFile, std::string("/tmp/gk/Daten/Language.mdb"));
        QCOMPARE(data.loadedColumn, std::string("france"));
        const QTableWidget& grid = editor->grid();
        QCOMPARE(grid.rowCount(), 4);
        QCOMPARE(grid.columnCount(), 7);
        const QStringList expected[] = {
            {"&OK", "", "frmMain", "cmdOk(2)", "1200", "tab_control", ""},
            {"Name:", "Mein Name", "frmMain", "lblName", "1200", "tab_control", ""},
            {"ja", "", "17", "17", "0", "tab_text", ""},
            {"Möchten Sie das Programm beenden?", "Schluss?", "41", "41", "0", "tab_text", ""}};
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 7; ++c) {
                QCOMPARE(cellText(grid, r, c), expected[r][c]);
            }
        }
        for (int c = 2; c < 7; ++c) {
            QVERIFY(grid.isColumnHidden(c));
        }
        QVERIFY(!grid.isColumnHidden(0) && !grid.isColumnHidden(1));
        QVERIFY(messages.shown.empty());
    }

    void languageColumns() {
        const std::pair<int, const char*> cases[] = {
            {0, "german"}, {1, "france"}, {2, "english"}, {3, "selfdefine"}};
        for (const auto& [language, column] : cases) {
            QCOMPARE(languageColumn(language), std::string(column));
        }
    }

    void openingFailureShowsTheErrorAndKeepsWhatWasFilled() {
        data.failLoadAfter = 2;
        const auto editor = openEditor();
        QCOMPARE(editor->grid().rowCount(), 2);
        QCOMPARE(messages.shown.size(), std::size_t{1});
        QCOMPARE(messages.shown[0].title, QString("ERROR"));
        QCOMPARE(messages.shown[0].icon, platform::qt::MessageBoxes::Icon::Critical);
        QCOMPARE(messages.shown[0].text, QString("Error Description: \tNo current record.\nError Number: "
                                                 "\t3021\nError Source: \tDAO.Recordset\n"));

        data.failOpen = true;
        const auto unopened = openEditor();
        QCOMPARE(unopened->grid().rowCount(), 0);
        QVERIFY(!unopened->save());
        QCOMPARE(data.commits, 0);
    }

    void editingAndSavingOnlyTheOpenedRows() {
        const auto editor = openEditor();
        frmBigEdit bigEdit(editor.get());
        editor->setBigEdit(&bigEdit);

        answerBigEdit(bigEdit, "Sicher?", true);
        editor->enterCell(3, 0);
        QCOMPARE(editor->grid().currentColumn(), 1);
        QCOMPARE(cellText(editor->grid(), 3, 1), QString("Sicher?"));
        QCOMPARE(cellText(editor->grid(), 3, 6), QString("TRUE"));

        answerBigEdit(bigEdit, "verworfen", false);
        editor->enterCell(1, 1);
        // Cancel keeps the cell, but the row counts as opened.
        QCOMPARE(cellText(editor->grid(), 1, 1), QString("Mein Name"));
        QCOMPARE(cellText(editor->grid(), 1, 6), QString("TRUE"));

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
        QTableWidget& grid = editor->grid();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualItemRect(grid.item(2, 0)).center());
        closer.stop();
        QCOMPARE(opened, 1);
        QCOMPARE(grid.item(2, 6)->text(), QString("TRUE"));
        QCOMPARE(grid.currentColumn(), 1);
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
        orvik::common::cls_Language language(
            std::make_unique<orvik::common::test::FakeTextSource>(texts),
            [] { return std::string("German"); }, [](const platform::UserMessage&) {});
        language.setLanguage(orvik::common::cls_Language::UserDefined);
        language.setDbPath("/tmp/gk/Daten");

        QString editCaption;
        QString saveCaption;
        language.setSettingsDialog(
            languageSettingsDialog([this] { return std::make_unique<FakeEditorData>(data); }, messages));
        QTimer::singleShot(0, [&] {
            auto* editor = dynamic_cast<frmLanguageSetting*>(QApplication::activeModalWidget());
            QVERIFY(editor != nullptr);
            saveCaption = editor->findChild<QPushButton*>("cmdUebernehmen")->text();
            editCaption = editor->findChild<frmBigEdit*>()->windowTitle();
            editor->reject();
        });
        language.showSettingsDialog();

        QCOMPARE(language.Language(), orvik::common::cls_Language::German);
        QCOMPARE(saveCaption, QString("&Speichern"));
        QCOMPARE(editCaption, QString("Text bearbeiten"));
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
