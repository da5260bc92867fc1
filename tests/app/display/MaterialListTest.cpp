#include "DisplayTestSupport.h"
#include "MaterialListModel.h"
#include "SearchText.h"
#include "objects/Application.h"
#include "objects/List.h"
#include "platform/db/Dao.h"
#include "test_support/Files.h"
#include "uctlMaterialList.h"

#include <QAbstractItemModelTester>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using displaytest::ListRow;
using displaytest::SampleProgram;
using shell::contract::ActivatedMaterial;

Q_DECLARE_METATYPE(std::string)

class MaterialListTest : public QObject {
    Q_OBJECT

private:
    /// A shown list of a few designations after `count` generated ones.
    struct ShownList {
        ShownList(SampleProgram& program, int count, bool withKey = true) {
            db = displaytest::listDatabase(program.folder() / "list.db", count, extra());
            list.setDialogLanguage(&program.language());
            list.setApplication(program.application());
            list.setListType(0);
            list.resize(300, 400);
            list.setItems(displaytest::listRecords(*db, withKey));
            list.Show();
            list.show();
        }
        static std::vector<ListRow> extra() {
            return {{"1.4301", "1.4301", "W"},
                    {"X5CrNi18-10", "X5CrNi1810", "K"},
                    {"O'Brien 304", "O'BRIEN304", "F"},
                    {"1.4307", "1.4307", "W"},
                    {"A[1]", "A[1]", "K"}};
        }
        std::shared_ptr<platform::db::Database> db;
        display::uctlMaterialList list;
    };

    SampleProgram* m_program = nullptr;

private slots:
    void initTestCase() { m_program = new SampleProgram; }
    void cleanupTestCase() { delete m_program; }

    void conditionsQuoteTheTextAndKeepItsWildcards_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("plain") << "1.43"
                               << "SuchBezeichnung LIKE '1.43*'"
                               << "SuchBezeichnung LIKE '1.43'";
        QTest::newRow("quote is doubled") << "O'B"
                                          << "SuchBezeichnung LIKE 'O''B*'"
                                          << "SuchBezeichnung LIKE 'O''B'";
        QTest::newRow("condition syntax stays text") << "x' OR 'a'='a"
                                                     << "SuchBezeichnung LIKE 'x'' OR ''a''=''a*'"
                                                     << "SuchBezeichnung LIKE 'x'' OR ''a''=''a'";
        QTest::newRow("question mark gets a star") << "1.43?1"
                                                   << "SuchBezeichnung LIKE '1.43?1*'"
                                                   << "SuchBezeichnung LIKE '1.43?1*'";
        QTest::newRow("star alone as typed") << "X5*10"
                                             << "SuchBezeichnung LIKE 'X5*10*'"
                                             << "SuchBezeichnung LIKE 'X5*10'";
        QTest::newRow("hash ending in a star") << "1.4#*"
                                               << "SuchBezeichnung LIKE '1.4#**'"
                                               << "SuchBezeichnung LIKE '1.4#*'";
    }
    void conditionsQuoteTheTextAndKeepItsWildcards() {
        QFETCH(QString, text);
        QFETCH(QString, prefix);
        QFETCH(QString, pattern);
        QCOMPARE(QString::fromStdString(display::SearchText::prefixCondition(text.toStdString())), prefix);
        QCOMPARE(QString::fromStdString(display::SearchText::patternCondition(text.toStdString())), pattern);
    }

    void bracketsAndWildcardsAreRecognised_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bracketsValid");
        QTest::addColumn<bool>("star");
        QTest::addColumn<bool>("patternChars");
        QTest::newRow("plain") << "1.4301" << true << false << false;
        QTest::newRow("open without close") << "A[1" << false << false << true;
        QTest::newRow("close before open") << "A]1[" << false << false << true;
        QTest::newRow("pair") << "A[1]" << true << false << true;
        QTest::newRow("close alone") << "A]" << true << false << true;
        QTest::newRow("star") << "X5*" << true << true << false;
        QTest::newRow("hash") << "1.#301" << true << false << true;
    }
    void bracketsAndWildcardsAreRecognised() {
        QFETCH(QString, text);
        QFETCH(bool, bracketsValid);
        QFETCH(bool, star);
        QFETCH(bool, patternChars);
        const auto s = text.toStdString();
        QCOMPARE(display::SearchText::IsBracketPatternValid(s), bracketsValid);
        QCOMPARE(display::SearchText::HasStarWildcard(s), star);
        QCOMPARE(display::SearchText::HasPatternChars(s), patternChars);
    }

    void occurrenceIdsThatAreNoNumberFindNothing_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("condition");
        QTest::newRow("number") << "42"
                                << "(Id_StahlbezVorkommen=42)";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("text") << "1 OR 1=1"
                              << "";
        QTest::newRow("decimal") << "4.2"
                                 << "";
    }
    void occurrenceIdsThatAreNoNumberFindNothing() {
        QFETCH(QString, id);
        QFETCH(QString, condition);
        QCOMPARE(QString::fromStdString(display::SearchText::occurrenceCondition(id.toStdString())),
                 condition);
    }

    void searchFindsTheFirstDesignationStartingWithTheText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found");
        QTest::newRow("number prefix") << "1.43"
                                       << "1.4301";
        QTest::newRow("blanks are removed") << "1 . 4 3 0 7"
                                            << "1.4307";
        QTest::newRow("symbol, any case") << "x5crni"
                                          << "X5CrNi18-10";
        QTest::newRow("quote finds a quote") << "o'brien"
                                             << "O'Brien 304";
        QTest::newRow("question mark") << "1.43?7"
                                       << "1.4307";
        QTest::newRow("hash is a digit") << "#.4301"
                                         << "1.4301";
        QTest::newRow("star") << "X5*10"
                              << "X5CrNi18-10";
        QTest::newRow("bracket set") << "1.430[7]"
                                     << "1.4307";
        QTest::newRow("bracket as itself") << "A[[]"
                                           << "A[1]";
        QTest::newRow("generated") << "D0499"
                                   << "D049900";
        QTest::newRow("near the end") << "A[[]1"
                                      << "A[1]";
    }
    void searchFindsTheFirstDesignationStartingWithTheText() {
        QFETCH(QString, text);
        QFETCH(QString, found);
        for (const bool withKey : {true, false}) {
            searchFinds(text, found, withKey);
        }
    }
    void searchFinds(const QString& text, const QString& found, bool withKey) {
        ShownList shown(*m_program, 50000, withKey);
        QApplication::processEvents();
        QSignalSpy highlighted(&shown.list, &display::uctlMaterialList::MaterialHighlited);
        QVERIFY(shown.list.Search(text));
        const int row = shown.list.CurrentPos();
        QCOMPARE(shown.list.model().text(row, display::MaterialListModel::Designation), found);
        QVERIFY(shown.list.highlighted());
        QVERIFY(!highlighted.isEmpty());
        QCOMPARE(highlighted.last().at(0).value<ActivatedMaterial>().Designation, found);
        // The row is the top row as far as the list can scroll.
        auto* bar = shown.list.grid()->verticalScrollBar();
        QVERIFY(shown.list.grid()->rowAt(0) == row || bar->value() == bar->maximum());
        QVERIFY(shown.list.grid()->rowAt(0) <= row);
    }

    void failedSearchSaysSoAndFindsNothing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("status");
        const QString failed = QStringLiteral("Suche erfolglos");
        QTest::newRow("no such start") << "ZZ" << failed;
        QTest::newRow("quote alone") << "'" << failed;
        QTest::newRow("unclosed bracket is not searched") << "1.4[3" << QString();
        QTest::newRow("close before open is not searched") << "]1[" << QString();
    }
    void failedSearchSaysSoAndFindsNothing() {
        QFETCH(QString, text);
        QFETCH(QString, status);
        ShownList shown(*m_program, 100);
        QSignalSpy statusTexts(&shown.list, &display::uctlMaterialList::DisplayStatusBarText);
        QVERIFY(!shown.list.Search(text));
        QVERIFY(!statusTexts.isEmpty());
        QCOMPARE(statusTexts.first().at(0).toString(), QString());
        QVERIFY(statusTexts.last().at(0).toString().startsWith(status));
    }

    void anEmptyOrMissingListHasNoRows() {
        display::uctlMaterialList list;
        list.setDialogLanguage(&m_program->language());
        QSignalSpy selected(&list, &display::uctlMaterialList::MaterialSelected);
        QSignalSpy statusTexts(&list, &display::uctlMaterialList::DisplayStatusBarText);
        list.setItems(nullptr);
        list.Show();
        QCOMPARE(list.Count(), 0);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        list.SelectFirstItem();
        QTest::keyClick(list.grid(), Qt::Key_Return);
        QCOMPARE(selected.count(), 0);
        QVERIFY(!list.Search(QStringLiteral("1.4301")));
        QVERIFY(statusTexts.last().at(0).toString().startsWith(QStringLiteral("Suche erfolglos")));
    }

    void selectDesignationPositionsOnTheOccurrence() {
        ShownList shown(*m_program, 100000);
        QSignalSpy highlighted(&shown.list, &display::uctlMaterialList::MaterialHighlited);
        shown.list.SelectDesignation(QStringLiteral("70001"));
        QCOMPARE(shown.list.CurrentPos(), 70000);
        const auto record = highlighted.last().at(0).value<ActivatedMaterial>();
        QCOMPARE(record, (ActivatedMaterial{"7001", "70001", "70001", "D070000", "K"}));

        highlighted.clear();
        for (const auto* id : {"999999", "", "abc", "1) OR (1=1"}) {
            shown.list.SelectDesignation(QString::fromLatin1(id));
            QVERIFY(!shown.list.highlighted());
        }
        QCOMPARE(highlighted.count(), 0);
        QCOMPARE(shown.list.CurrentPos(), 70000);
    }

    void aColumnLayoutTurnsTheHighlightOff_data() {
        QTest::addColumn<int>("listType");
        QTest::addRow("designations only") << 0;
        QTest::addRow("with material numbers") << 1;
    }
    void aColumnLayoutTurnsTheHighlightOff() {
        QFETCH(int, listType);
        ShownList shown(*m_program, 20);
        auto& list = shown.list;
        list.SelectFirstItem();
        QVERIFY(list.highlighted());
        QVERIFY(!list.grid()->selectionModel()->selectedRows().isEmpty());
        list.setListType(listType);
        QVERIFY(!list.highlighted());
        QVERIFY(list.grid()->selectionModel()->selectedRows().isEmpty());
        QCOMPARE(list.CurrentPos(), 0);
    }

    void doubleClickAndEnterSelectOnce() {
        ShownList shown(*m_program, 20);
        QSignalSpy selected(&shown.list, &display::uctlMaterialList::MaterialSelected);
        auto* grid = shown.list.grid();
        const QPoint second = grid->visualRect(shown.list.model().index(1, 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.at(0).at(0).value<ActivatedMaterial>().Designation, QStringLiteral("D000001"));
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(selected.count(), 2);
        // Letters typed into the list do not move it.
        QTest::keyClicks(grid, QStringLiteral("D0000"));
        QCOMPARE(shown.list.CurrentPos(), 1);
    }

    void aLargeListReadsOnlyTheRowsInSightAndScrollsToItsEnd() {
        ShownList shown(*m_program, 100000);
        QAbstractItemModelTester tester(&shown.list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int total = 100000 + static_cast<int>(ShownList::extra().size());
        // The count follows the first rows, from another thread; the view then lays out its rows.
        QTRY_COMPARE(shown.list.Count(), total);
        QApplication::processEvents();
        const int readAtStart = shown.list.model().rowsRead();
        QVERIFY2(readAtStart < 200, qPrintable(QString::number(readAtStart)));

        auto* grid = shown.list.grid();
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
        QApplication::processEvents();
        const int bottom = grid->rowAt(grid->viewport()->height() - 2);
        QVERIFY(bottom >= total - 2);
        QCOMPARE(shown.list.model().text(total - 1, display::MaterialListModel::Designation),
                 QStringLiteral("A[1]"));
        QVERIFY2(shown.list.model().rowsRead() < 400,
                 qPrintable(QString::number(shown.list.model().rowsRead())));
        QCOMPARE(shown.list.model().text(99999, display::MaterialListModel::Designation),
                 QStringLiteral("D099999"));
    }

    // A long list shows its first rows at once and counts the others when the events run on: the view
    // sees its rows grow, the count is whole, the rows are the record set's, and a search before the
    // count still finds a row near the end. The model stays sound while its row count changes.
    void aLongListCountsItsRowsAfterShowingTheFirst() {
        const auto db =
            displaytest::listDatabase(m_program->folder() / "long.db", 100000, ShownList::extra());
        const auto shortDb = displaytest::listDatabase(m_program->folder() / "short.db", 3);
        display::uctlMaterialList list;
        list.setDialogLanguage(&m_program->language());
        list.resize(300, 400);
        QAbstractItemModelTester tester(&list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int total = 100000 + static_cast<int>(ShownList::extra().size());
        for (const bool withKey : {true, false}) {
            list.setItems(displaytest::listRecords(*db, withKey));
            list.Show();
            list.show();
            QVERIFY(list.model().countPending());
            QVERIFY(list.Count() >= 4096);
            QVERIFY(list.Count() < total);
            QCOMPARE(list.model().text(1, display::MaterialListModel::Designation),
                     QStringLiteral("D000001"));
            // Counted in another thread with the key, once the event loop runs without it.
            QTRY_VERIFY(!list.model().countPending());
            QCOMPARE(list.Count(), total);
            QCOMPARE(list.model().text(total - 1, display::MaterialListModel::Designation),
                     QStringLiteral("A[1]"));
            QCOMPARE(list.model().text(54321, display::MaterialListModel::SteelId), QStringLiteral("5433"));

            list.setItems(displaytest::listRecords(*shortDb, withKey));
            list.Show();
            QVERIFY(!list.model().countPending());
            QCOMPARE(list.Count(), 3);
            list.setItems(nullptr);
            list.Show();
            QCOMPARE(list.Count(), 0);

            list.setItems(displaytest::listRecords(*db, withKey));
            list.Show();
            QVERIFY(list.Search(QStringLiteral("A[[]")));
            QCOMPARE(list.CurrentPos(), total - 1);
            QCOMPARE(list.Count(), total);
            QApplication::processEvents();
            QCOMPARE(list.Count(), total);
        }
    }

    // Rows beyond the first screens of a damaged list cannot be read: the list says so with the
    // error and the file instead of showing fewer rows without a word.
    void aDamagedListReportsTheErrorNamingTheFile() {
        const auto file = m_program->folder() / "damaged.db";
        { const auto made = displaytest::listDatabase(file, 100000); }
        std::string bytes = test_support::readBytes(file);
        const std::size_t page = 4096;
        const std::size_t at = (bytes.size() * 3 / 4) / page * page;
        bytes.replace(at, 8 * page, test_support::randomBytes(8 * page));
        test_support::writeBytes(file, bytes);
        const platform::db::DBEngine engine;
        const auto db = engine.createWorkspace("List", "Admin", "")->openDatabase(file.string(), false, true);
        for (const bool withKey : {true, false}) {
            display::uctlMaterialList list;
            QSignalSpy failed(&list, &display::uctlMaterialList::ReadFailed);
            list.setItems(displaytest::listRecords(*db, withKey));
            list.Show();
            QTRY_COMPARE(failed.count(), 1);
            QCOMPARE(failed.first().at(0).toInt(), 3343);
            QVERIFY2(failed.first().at(1).toString().contains(QString::fromStdString(file.string())),
                     qPrintable(failed.first().at(1).toString()));
        }
    }

    void theDesignationSearchOfTheSampleDataShowsItsRows() {
        display::uctlMaterialList list;
        list.setDialogLanguage(&m_program->language());
        list.setItems(m_program->application()->List()->Materials(-1, -1, -1, -1, -1, true, true, true));
        list.Show();
        QVERIFY(list.Count() > 0);
        QVERIFY(list.Search(QStringLiteral("1.4301")));
        const auto record = list.model().activatedMaterial(list.CurrentPos());
        QCOMPARE(record.Designation, QStringLiteral("1.4301"));
        QCOMPARE(record.DesignationType, QStringLiteral("W"));
        QVERIFY(record.isSteel());
    }

    void materialNumberAndTooltipWithListTypeOne() {
        display::uctlMaterialList list;
        list.setDialogLanguage(&m_program->language());
        list.setApplication(m_program->application());
        list.setListType(1);
        list.resize(400, 300);
        list.setItems(m_program->application()->List()->Materials(-1, -1, -1, -1, -1, true, true, true));
        list.Show();
        list.show();
        QVERIFY(list.Search(QStringLiteral("X5CrNi18-10")));
        const int row = list.CurrentPos();
        QCOMPARE(list.model().text(row, display::MaterialListModel::MaterialNumber),
                 QStringLiteral("1.4301"));
        QSignalSpy tips(&list, &display::uctlMaterialList::DisplayToolTip);
        QSignalSpy hides(&list, &display::uctlMaterialList::HideToolTip);
        auto* grid = list.grid();
        const auto moveTo = [grid](const QPoint& at) {
            QMouseEvent move(QEvent::MouseMove, at, grid->viewport()->mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(grid->viewport(), &move);
        };
        moveTo(grid->visualRect(list.model().index(row, 0)).center());
        QCOMPARE(tips.count(), 1);
        QCOMPARE(hides.count(), 0);
        QCOMPARE(tips.last().at(0).toString(),
                 QStringLiteral("Werkstoff-Nr.: 1.4301\nKurzname: X5CrNi18-10"));
        moveTo(grid->visualRect(list.model().index(row + 1, 0)).center());
        QCOMPARE(hides.count(), 1);
        QCOMPARE(tips.count(), 1);
    }
};

QTEST_MAIN(MaterialListTest)
#include "MaterialListTest.moc"
