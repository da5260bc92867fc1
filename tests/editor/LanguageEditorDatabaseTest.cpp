#include "common/editor/LanguageEditorDatabase.h"

#include "../common/LanguageTestDatabase.h"
#include "../common/TextServiceFakeSource.h"
#include "LanguageEditorFakes.h"
#include "common/LanguageDatabase.h"
#include "common/cls_Language.h"
#include "common/editor/LanguageEditorModel.h"
#include "common/editor/frmBigEdit.h"
#include "common/editor/frmLanguageSetting.h"
#include "platform/db/sqlite/Connection.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace orvik::common::editor;
using orvik::common::test::LanguageTestDatabase;
using Answer = platform::qt::MessageBoxes::Answer;

namespace {

const char* const rows = R"sql(
INSERT INTO tab_text (id_text, german, france, english, selfdefine) VALUES
    (17, 'ja', 'oui', 'yes', NULL),
    (41, 'Beenden?', 'Quitter ?', NULL, NULL);
INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('frmMain', 'cmdOk(2)', '&OK', '&OK', '&OK', NULL),
    ('frmMain', 'lblNoWidth', 'ohne Breite', NULL, NULL, NULL),
    ('frmMain', 'lblZeroWidth', 'Breite 0', NULL, NULL, NULL),
    ('frmMain', 'lblEmpty', '', NULL, NULL, NULL),
    ('frmMain', 'lblNull', NULL, 'nul', NULL, NULL),
    ('frmMain', 'lblSecond', 'Zweite', NULL, NULL, NULL),
    ('frm''Quote', 'lbl''s', 'Apostroph', NULL, NULL, NULL);
INSERT INTO tab_controls_width (id_form, id_control, width, "order") VALUES
    ('frmMain', 'cmdOk(2)', 1000, 2),
    ('frmMain', 'lblZeroWidth', 0, 1),
    ('frmMain', 'lblEmpty', 500, 1),
    ('frmMain', 'lblNull', 500, 1),
    ('frmMain', 'lblSecond', 700, 1),
    ('frm''Quote', 'lbl''s', 900, 3);
)sql";

void typeIntoBigEdit(frmBigEdit& bigEdit, const QString& typed) {
    QTimer::singleShot(0, &bigEdit, [&bigEdit, typed] {
        auto* text = bigEdit.findChild<QLineEdit*>("txtSelfDefine");
        text->selectAll();
        text->insert(typed); // as typed, umlauts included
        bigEdit.findChild<QPushButton*>("cmdOk")->click();
    });
}

int findRow(const LanguageEditorModel& model, const std::string& key2) {
    for (int r = 0; r < model.rowCount(); ++r) {
        if (model.row(r).key2 == key2) {
            return r;
        }
    }
    return -1;
}

QString selfDefined(const LanguageEditorModel& model, const std::string& key2) {
    return model.index(findRow(model, key2), LanguageEditorModel::SelfDefine).data().toString();
}

} // namespace

class LanguageEditorDatabaseTest : public QObject {
    Q_OBJECT

private slots:
    void listsOnlyControlsWithTextAndWidthInOrder() {
        const LanguageTestDatabase db(rows);
        LanguageEditorDatabase data(db.engine());
        test::FakeMessageBoxes messages;
        frmLanguageSetting editor(data, messages);
        editor.setDbPath(db.folder());
        editor.init_dlg();
        QVERIFY(messages.shown.empty());
        const LanguageEditorModel& model = editor.rows();
        QStringList keys;
        for (int r = 0; r < model.rowCount(); ++r) {
            keys << QString::fromStdString(model.row(r).key2);
        }
        QCOMPARE(keys, (QStringList{"lblSecond", "cmdOk(2)", "lbl's", "17", "41"}));
    }

    void storesAndReloadsAUserText() {
        const LanguageTestDatabase db(rows);
        test::FakeMessageBoxes messages;
        {
            LanguageEditorDatabase data(db.engine());
            frmLanguageSetting editor(data, messages);
            frmBigEdit bigEdit(&editor);
            editor.setBigEdit(&bigEdit);
            editor.setDbPath(db.folder());
            editor.init_dlg();
            typeIntoBigEdit(bigEdit, "Aufhören?");
            editor.enterCell(findRow(editor.rows(), "41"), 0);
            typeIntoBigEdit(bigEdit, "Meins");
            editor.enterCell(findRow(editor.rows(), "lbl's"), 1);
            QVERIFY(editor.save());
        }
        LanguageEditorDatabase data(db.engine());
        frmLanguageSetting reopened(data, messages);
        reopened.setDbPath(db.folder());
        reopened.init_dlg();
        QCOMPARE(selfDefined(reopened.rows(), "41"), QString("Aufhören?"));
        QCOMPARE(selfDefined(reopened.rows(), "lbl's"), QString("Meins"));
        QVERIFY(messages.shown.empty());

        orvik::common::cls_Language language(
            std::make_unique<orvik::common::LanguageDatabase>(db.engine()),
            [] { return std::string("German"); }, [](const platform::UserMessage&) {});
        language.setDbPath(db.folder());
        language.setUseSelfDefined(true);
        QCOMPARE(language.getTextFromDB(orvik::common::TextID::Programm_beenden), std::string("Aufhören?"));
    }

    void failedSaveKeepsWhatWasStoredBefore() {
        const LanguageTestDatabase db(rows);
        test::FakeMessageBoxes messages;
        LanguageEditorDatabase data(db.engine());
        frmLanguageSetting editor(data, messages);
        frmBigEdit bigEdit(&editor);
        editor.setBigEdit(&bigEdit);
        editor.setDbPath(db.folder());
        editor.init_dlg();
        typeIntoBigEdit(bigEdit, "erster");
        editor.enterCell(findRow(editor.rows(), "17"), 1);
        QVERIFY(editor.save());

        // Another program holds the file locked while this save runs.
        platform::db::sqlite::Connection other(db.file(), platform::db::sqlite::OpenMode::ReadWrite);
        QVERIFY_THROWS_NO_EXCEPTION(other.exec("BEGIN EXCLUSIVE"));
        typeIntoBigEdit(bigEdit, "zweiter");
        editor.enterCell(findRow(editor.rows(), "17"), 1);
        typeIntoBigEdit(bigEdit, "dritter");
        editor.enterCell(findRow(editor.rows(), "41"), 1);
        messages.answers = {Answer::Abort};
        QVERIFY(!editor.save());
        QVERIFY(!messages.shown.empty());
        // The user learns which file could not be written.
        QVERIFY2(messages.shown.front().text.contains(QString::fromStdString(db.file())),
                 qPrintable(messages.shown.front().text));
        other.exec("ROLLBACK");

        orvik::common::cls_Language language(
            std::make_unique<orvik::common::LanguageDatabase>(db.engine()),
            [] { return std::string("German"); }, [](const platform::UserMessage&) {});
        language.setDbPath(db.folder());
        language.setUseSelfDefined(true);
        QCOMPARE(language.getTextFromDB(orvik::common::TextID::ja), std::string("erster"));
        QCOMPARE(language.getTextFromDB(orvik::common::TextID::Programm_beenden), std::string("Beenden?"));
    }
};

QTEST_MAIN(LanguageEditorDatabaseTest)
#include "LanguageEditorDatabaseTest.moc"
