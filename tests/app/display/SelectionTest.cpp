#include "DisplayTestSupport.h"
#include "MaterialDisplayInfo.h"
#include "MaterialListModel.h"
#include "SpecialCombo.h"
#include "common/ProgrammSettings.h"
#include "objects/Application.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/List.h"
#include "objects/Material.h"
#include "objects/Suppliers.h"
#include "platform/db/sqlite/Connection.h"
#include "platform/db/sqlite/Statement.h"
#include "test_support/Files.h"
#include "uctlMaterialList.h"
#include "uctlSelection.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using display::uctlSelection;
using displaytest::SampleProgram;
using orvik::common::Language;
using shell::contract::ActivatedMaterial;

class SelectionTest : public QObject {
    Q_OBJECT

private:
    SampleProgram* m_program = nullptr;
    std::shared_ptr<orvik::objects::List> m_list;
    std::shared_ptr<orvik::objects::CombinationResultBuilder> m_builder;
    std::shared_ptr<display::MaterialDisplayInfo> m_info;
    std::unique_ptr<uctlSelection> m_page;

    /// The selection lists as the main window loads them.
    void loadLists() {
        (void)m_list->Countries();
        (void)m_list->Steelgroups();
        (void)m_list->Suppliers();
        (void)m_list->Standards();
    }

    void chooseEntry(uctlSelection::Filter which, const QString& text) {
        auto& combo = m_page->filter(which);
        const int index = combo.findText(text, Qt::MatchContains);
        QVERIFY2(index > 0, qPrintable(text));
        combo.setCurrentIndex(index);
    }

    void resetPage() {
        for (int i = 0; i < uctlSelection::FilterCount_; ++i) {
            m_page->filter(static_cast<uctlSelection::Filter>(i)).setCurrentIndex(0);
        }
        m_page->ReloadMaterialList();
        m_program->messages.shown.clear();
    }

    /// Types the text into the search box and presses Enter; the designation current in the list.
    QString searchFor(const QString& text) {
        m_page->searchBox().setText(text);
        m_page->searchEntered();
        auto& list = m_page->materialList();
        return list.CurrentPos() >= 0
                   ? list.model().text(list.CurrentPos(), display::MaterialListModel::Designation)
                   : QString();
    }

    /// The designations the list shows.
    QStringList shown() const {
        QStringList texts;
        auto& list = m_page->materialList();
        for (int row = 0; row < list.Count(); ++row) {
            texts << list.model().text(row, display::MaterialListModel::Designation);
        }
        return texts;
    }

private slots:
    void initTestCase() {
        m_program = new SampleProgram;
        m_list = m_program->application()->List();
        m_builder = std::make_shared<orvik::objects::CombinationResultBuilder>();
        m_info = std::make_shared<display::MaterialDisplayInfo>();
        m_page = std::make_unique<uctlSelection>();
        m_page->setCombinationResultBuilder(m_builder);
        m_page->setStatusBarText(QStringLiteral("Bereit"));
        m_page->setMaterialDisplayInfo(m_info);
        m_page->setDialogLanguage(&m_program->language());
        m_page->setServices(m_program->services());
        m_page->setApplication(m_program->application());
        m_page->setList(m_list);
        m_page->Init();
        loadLists();
        m_program->language().ExecAfterLanguageChange();
        m_page->resize(900, 500);
        m_page->show();
    }
    void cleanupTestCase() {
        m_page.reset();
        m_list.reset();
        delete m_program;
    }
    void init() { resetPage(); }

    void theFiltersStartWithAllAndTheListIsFull() {
        for (int i = 0; i < uctlSelection::FilterCount_; ++i) {
            auto& combo = m_page->filter(static_cast<uctlSelection::Filter>(i));
            QVERIFY(combo.count() > 1);
            QCOMPARE(combo.itemText(0), QStringLiteral("alle"));
            QCOMPARE(combo.itemData(0).toInt(), -1);
        }
        QVERIFY(m_page->Count() > 50);
        QCOMPARE(m_page->materialList().Count(), m_page->Count());
        QVERIFY(m_builder->DesignationCombinationPossible());
        QCOMPARE(m_page->findChild<QLabel*>(QStringLiteral("lblAuswahl"))->text(),
                 QStringLiteral("Stahlgruppe"));
    }

    void theSteelIsFoundEachWayWithEachFilter_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("found");
        struct Filtered {
            const char* name;
            int filter;
            const char* entry;
        };
        // The supplier of the sample data is recorded for the symbol and its trade name only; a
        // standard lists no trade names, and the trade name belongs to its company's country.
        const Filtered filters[] = {{"none", -1, ""},
                                    {"steel group", uctlSelection::Steelgroup, "Austenitische nichtrostende"},
                                    {"standard", uctlSelection::Standard, "10088-2"},
                                    {"supplier", uctlSelection::Supplier, ""},
                                    {"country", uctlSelection::Country, "Europa"}};
        struct Way {
            const char* name;
            const char* typed;
            const char* found;
        };
        const Way ways[] = {{"number", "1.4301", "1.4301"},
                            {"symbol", "x5crni18-10", "X5CrNi18-10"},
                            {"trade name", "samplinox 18-10", "SAMPLINOX 18-10"},
                            {"wildcard ?", "1.43?1", "1.4301"},
                            {"wildcard *", "X5CrNi18*", "X5CrNi18-10"}};
        for (const auto& f : filters) {
            for (const auto& w : ways) {
                const bool listed = QString::fromLatin1(f.name) == u"supplier"
                                        ? QString::fromLatin1(w.found).startsWith(u'X') ||
                                              QString::fromLatin1(w.found).startsWith(u'S')
                                        : !((QString::fromLatin1(f.name) == u"standard" ||
                                             QString::fromLatin1(f.name) == u"country") &&
                                            QString::fromLatin1(w.name) == u"trade name");
                if (listed) {
                    QTest::addRow("%s, by %s", f.name, w.name)
                        << f.filter << QString::fromUtf8(f.entry) << QString::fromLatin1(w.typed)
                        << QString::fromLatin1(w.found);
                }
            }
        }
    }
    void theSteelIsFoundEachWayWithEachFilter() {
        QFETCH(int, filter);
        QFETCH(QString, entry);
        QFETCH(QString, typed);
        QFETCH(QString, found);
        if (filter == uctlSelection::Supplier) {
            // Company 1 is recorded for the symbol and for its trade name SAMPLINOX 18-10.
            auto& suppliers = m_page->filter(uctlSelection::Supplier);
            QVERIFY(suppliers.findData(1) > 0);
            suppliers.setCurrentIndex(suppliers.findData(1));
            m_page->ReloadMaterialList();
        } else if (filter >= 0) {
            chooseEntry(static_cast<uctlSelection::Filter>(filter), entry);
            m_page->ReloadMaterialList();
            QVERIFY(m_page->Count() > 0);
        }
        QString current = searchFor(typed);
        if (m_page->IsFilter()) {
            // A pattern shows what matches it; the steel is among them.
            QVERIFY(shown().contains(found));
            QVERIFY(m_page->materialList().Search(found));
            current = m_page->materialList().model().text(m_page->materialList().CurrentPos(),
                                                          display::MaterialListModel::Designation);
        }
        QCOMPARE(current, found);
        QVERIFY(m_program->errors.shown.empty());
        QSignalSpy selected(m_page.get(), &uctlSelection::MaterialSelected);
        QTest::keyClick(m_page->materialList().grid(), Qt::Key_Return);
        QCOMPARE(selected.count(), 1);
        const auto record = selected.at(0).at(0).value<ActivatedMaterial>();
        QCOMPARE(record.Designation, found);
        QCOMPARE(record.SteelId, QStringLiteral("69"));
        QCOMPARE(m_info->ShowSupplier(), filter == uctlSelection::Supplier);
    }

    void aWildcardSearchNarrowsTheListAndEmptyTextRestoresIt() {
        const int all = m_page->Count();
        m_page->searchBox().setText(QStringLiteral("X5CrNi18?10"));
        m_page->searchEntered();
        QVERIFY(m_page->IsFilter());
        QVERIFY(shown().contains(QStringLiteral("X5CrNi18-10")));
        QCOMPARE(m_page->FilterCount(), m_page->materialList().Count());
        QVERIFY(m_page->materialList().Count() < all);
        m_page->searchBox().clear();
        m_page->searchEntered();
        QVERIFY(!m_page->IsFilter());
        QCOMPARE(m_page->materialList().Count(), all);
    }

    void typingGoesToTheFirstMatchAndAPatternWithEnterFilters() {
        const int all = m_page->Count();
        auto& list = m_page->materialList();
        m_page->searchBox().clear();
        m_page->searchBox().setFocus();
        QTest::keyClicks(&m_page->searchBox(), QStringLiteral("1.4301"));
        QCOMPARE(list.Count(), all);
        const QStringList rows = shown();
        QCOMPARE(list.CurrentPos(), rows.indexOf(QStringLiteral("1.4301")));
        QVERIFY(list.CurrentPos() > 0);
        // Once per country whose standard holds it: EN 10088-2 in Europe, BS EN 10088-2 in Britain.
        QCOMPARE(rows.count(QStringLiteral("1.4301")), 2);

        m_page->searchBox().setText(QStringLiteral("X5*"));
        m_page->searchEntered();
        QVERIFY(m_page->IsFilter());
        const QStringList filtered = shown();
        QVERIFY(filtered.contains(QStringLiteral("X5CrNi18-10")));
        QVERIFY(filtered.size() < all);
        for (const QString& designation : filtered) {
            QVERIFY2(designation.startsWith(QStringLiteral("X5"), Qt::CaseInsensitive),
                     qPrintable(designation));
        }
        m_page->searchBox().clear();
        m_page->searchEntered();
        QCOMPARE(list.Count(), all);
    }

    void theOptionLeavesOutTheNationalFormsOfEnDesignations() {
        const QString number = QStringLiteral("1.4301");
        QCOMPARE(shown().count(number), 2);
        orvik::common::ProgrammSettings().SuppressNationalEnDesignations(true);
        m_page->ReloadMaterialList();
        const int kept = static_cast<int>(shown().count(number));
        // With a country chosen the list is that country's, national forms included.
        chooseEntry(uctlSelection::Country, QStringLiteral("Großbritannien"));
        m_page->ReloadMaterialList();
        const int british = static_cast<int>(shown().count(number));
        orvik::common::ProgrammSettings().SuppressNationalEnDesignations(false);
        QCOMPARE(kept, 1);
        QCOMPARE(british, 1);
    }

    void aQuoteInTheSearchTextIsText_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("pattern") << "X5CrNi18'*";
        QTest::newRow("condition syntax") << "x' OR 'a'='a*";
        QTest::newRow("prefix") << "1.43'";
        // Control characters, pasted: no designation holds one, so nothing matches.
        QTest::newRow("NUL in a pattern") << QString::fromUtf8("1\0' OR 1=1*", 11);
        QTest::newRow("NUL in a prefix") << QString::fromUtf8("1\0' OR 1=1", 10);
        QTest::newRow("NUL after a match") << QString::fromUtf8("1.4301\0", 7);
        QTest::newRow("escape in a pattern") << "X5CrNi18\x1b*";
        QTest::newRow("tab after a match") << "1.4301\t";
    }
    void aQuoteInTheSearchTextIsText() {
        QFETCH(QString, typed);
        QSignalSpy status(m_page.get(), &uctlSelection::DisplayStatusBarText);
        m_page->searchBox().setText(typed);
        m_page->searchEntered();
        QVERIFY(m_program->errors.shown.empty());
        if (typed.contains(u'*')) {
            QCOMPARE(m_page->materialList().Count(), 0);
            QCOMPARE(m_program->messages.texts(),
                     QStringList{QStringLiteral("Keinen passenden Werkstoff gefunden.")});
        }
        QVERIFY(status.last().at(0).toString().startsWith(QStringLiteral("Suche erfolglos")));
    }

    void anUnclosedBracketSearchesNothing() {
        const int all = m_page->materialList().Count();
        m_page->searchBox().setText(QStringLiteral("1.4[30"));
        m_page->searchEntered();
        QVERIFY(!m_page->IsFilter());
        QCOMPARE(m_page->materialList().Count(), all);
        QVERIFY(m_program->messages.shown.empty());
    }

    void aSupersededStandardWithoutDesignationsShowsItsSuccessor() {
        chooseEntry(uctlSelection::Standard, QStringLiteral("17210"));
        m_page->ReloadMaterialList();
        QVERIFY(m_page->Count() > 0);
        QVERIFY(m_page->standardInfo().isHidden());
        QVERIFY(!m_page->materialList().isHidden());
        // Narrowed to a country that has none of its designations.
        chooseEntry(uctlSelection::Country, QStringLiteral("USA"));
        m_page->ReloadMaterialList();
        QCOMPARE(m_page->Count(), 0);
        QCOMPARE(m_program->messages.texts(),
                 QStringList{QStringLiteral("Keinen passenden Werkstoff gefunden.")});
        QVERIFY(!m_page->standardInfo().isHidden());
        QVERIFY(m_page->materialList().isHidden());
        QCOMPARE(m_page->standardInfo().toPlainText(),
                 QStringLiteral("Siehe unter\n\nNachfolgedokument\nDIN EN 10084"));
        resetPage();
        QVERIFY(m_page->standardInfo().isHidden());
    }

    void atLeastOneDesignationKindStaysChecked() {
        m_page->materialNumbers().setChecked(false);
        m_page->symbols().setChecked(false);
        m_page->tradenames().setChecked(false);
        QVERIFY(m_page->tradenames().isChecked());
        m_page->ReloadMaterialList();
        const auto texts = shown();
        QVERIFY(texts.contains(QStringLiteral("SAMPLINOX 18-10")));
        QVERIFY(!texts.contains(QStringLiteral("1.4301")));
        m_page->materialNumbers().setChecked(true);
        m_page->symbols().setChecked(true);
    }

    void aLanguageSwitchKeepsTheFilters() {
        chooseEntry(uctlSelection::Steelgroup, QStringLiteral("Austenitische nichtrostende"));
        chooseEntry(uctlSelection::Standard, QStringLiteral("10088-2"));
        chooseEntry(uctlSelection::Country, QStringLiteral("Europa"));
        m_page->symbols().setChecked(false);
        const auto idOf = [this](uctlSelection::Filter which) {
            return m_page->filter(which).currentData().toInt();
        };
        const int group = idOf(uctlSelection::Steelgroup);
        const int country = idOf(uctlSelection::Country);
        const QString standard = m_page->filter(uctlSelection::Standard).currentText();
        for (const auto language : {Language::English, Language::French, Language::German}) {
            m_program->switchLanguage(language, [this] { loadLists(); });
            QCOMPARE(idOf(uctlSelection::Steelgroup), group);
            QCOMPARE(idOf(uctlSelection::Country), country);
            QVERIFY(
                m_page->filter(uctlSelection::Standard).currentText().contains(QStringLiteral("10088-2")));
            QCOMPARE(m_page->filter(uctlSelection::Supplier).currentIndex(), 0);
            QVERIFY(!m_page->symbols().isChecked());
            QVERIFY(m_page->materialNumbers().isChecked());
            if (language == Language::English) {
                QCOMPARE(m_page->filter(uctlSelection::Steelgroup).itemText(0), QStringLiteral("all"));
                QCOMPARE(m_page->findChild<QLabel*>(QStringLiteral("lblAuswahl"))->text(),
                         QStringLiteral("Steel group"));
                m_page->searchBox().clear();
                m_page->ReloadMaterialList();
                QVERIFY(m_page->Count() > 0);
                displaytest::savePicture(*m_page, QStringLiteral("selection-english"));
            }
        }
        QCOMPARE(m_page->filter(uctlSelection::Standard).currentText(), standard);
        m_page->symbols().setChecked(true);
    }

    void aFilterWhoseEntryIsGoneFallsBackToAll() {
        chooseEntry(uctlSelection::Country, QStringLiteral("Europa"));
        m_program->switchLanguage(Language::English, [this] {
            loadLists();
            // The country list comes back without the chosen country.
            auto& combo = m_page->filter(uctlSelection::Country);
            combo.removeItem(combo.findText(QStringLiteral("Europ"), Qt::MatchContains));
        });
        QCOMPARE(m_page->filter(uctlSelection::Country).currentIndex(), 0);
        m_program->switchLanguage(Language::German, [this] { loadLists(); });
    }

    void typeAheadCompletesTheFilterList() {
        auto& combo = m_page->filter(uctlSelection::Steelgroup);
        combo.setFocus();
        QTest::keyClicks(&combo, QStringLiteral("aus"));
        QVERIFY(combo.currentText().startsWith(QStringLiteral("Austenit")));
        const QString matched = combo.currentText();
        // The part not typed shows selected.
        QVERIFY(combo.lineEdit() != nullptr);
        QCOMPARE(combo.lineEdit()->selectedText(), matched.mid(3));
        // A character that continues nothing changes nothing; the next one continues the match.
        QTest::keyClick(&combo, Qt::Key_Q);
        QCOMPARE(combo.currentText(), matched);
        QTest::keyClick(&combo, Qt::Key_Delete);
        QCOMPARE(combo.currentText(), matched);
        QTest::keyClick(&combo, Qt::Key_T);
        QCOMPARE(combo.currentText(), matched);
        QCOMPARE(combo.lineEdit()->selectedText(), matched.mid(4));
        // After a pick by arrow key Enter does not go back to what was typed.
        QTest::keyClick(&combo, Qt::Key_Down);
        const QString picked = combo.currentText();
        QVERIFY(picked != matched);
        QTest::keyClick(&combo, Qt::Key_Return);
        QCOMPARE(combo.currentText(), picked);
        QTest::keyClick(&combo, Qt::Key_A);
        QVERIFY(combo.currentText().startsWith(u'A', Qt::CaseInsensitive));
    }

    // As on a drop-down list without a text field: Home chooses "alle", End the last entry, and a
    // pick by key starts a new prefix.
    void homeAndEndChooseTheFirstAndTheLastEntry_data() {
        QTest::addColumn<int>("filter");
        for (int i = 0; i < uctlSelection::FilterCount_; ++i) {
            QTest::addRow("filter %d", i) << i;
        }
    }
    void homeAndEndChooseTheFirstAndTheLastEntry() {
        QFETCH(int, filter);
        auto& combo = m_page->filter(static_cast<uctlSelection::Filter>(filter));
        QVERIFY(combo.count() > 2);
        combo.setFocus();
        QSignalSpy picked(&combo, &QComboBox::activated);
        QTest::keyClick(&combo, Qt::Key_End);
        QCOMPARE(combo.currentIndex(), combo.count() - 1);
        QCOMPARE(picked.count(), 1);
        QTest::keyClick(&combo, Qt::Key_Home);
        QCOMPARE(combo.currentIndex(), 0);
        QCOMPARE(combo.currentText(), QStringLiteral("alle"));
        QCOMPARE(picked.count(), 2);
        // The first letter of an entry that "alle" does not begin with too.
        QString first;
        for (int i = 1; i < combo.count() && first.isEmpty(); ++i) {
            if (combo.findText(combo.itemText(i).left(1), Qt::MatchStartsWith) == i) {
                first = combo.itemText(i).left(1);
            }
        }
        QVERIFY(!first.isEmpty());
        QTest::keyClicks(&combo, first);
        QVERIFY(combo.currentIndex() > 0);
        QTest::keyClick(&combo, Qt::Key_Home);
        QTest::keyClicks(&combo, first);
        QCOMPARE(combo.lineEdit()->selectedText(), combo.currentText().mid(1));
        QTest::keyClick(&combo, Qt::Key_Home);
        m_page->searchBox().setFocus();
    }

    // A filter list destroyed while it has the focus and its window lives: the type-ahead hears the
    // last events of a combo box that is no longer one.
    void aFocusedListWithTypeAheadCanBeDestroyed() {
        auto* combo = new QComboBox(m_page.get());
        combo->addItems({QStringLiteral("alle"), QStringLiteral("Europa"), QStringLiteral("USA")});
        new display::SpecialCombo(*combo);
        combo->show();
        combo->setFocus();
        QTRY_VERIFY(combo->hasFocus());
        QTest::keyClick(combo, Qt::Key_E);
        QCOMPARE(combo->currentText(), QStringLiteral("Europa"));
        delete combo;
        QVERIFY(m_page->isVisible());
        m_page->searchBox().setFocus();
    }

    void aClickOnTheTextOfAFilterListOpensIt() {
        auto& combo = m_page->filter(uctlSelection::Country);
        QVERIFY(combo.lineEdit() != nullptr && combo.lineEdit()->isReadOnly());
        QTest::mouseClick(combo.lineEdit(), Qt::LeftButton);
        QTRY_VERIFY(combo.view()->isVisible());
        combo.hidePopup();
        QCOMPARE(combo.currentIndex(), 0);
        // The list keeps the focus for typing.
        QTRY_VERIFY(combo.hasFocus());
    }

    void typingInTheStandardAndSupplierListsShowsTheirTooltip_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addRow("standard") << int(uctlSelection::Standard) << "en 10088-2";
        QTest::addRow("supplier") << int(uctlSelection::Supplier) << "(d) must";
    }
    void typingInTheStandardAndSupplierListsShowsTheirTooltip() {
        QFETCH(int, filter);
        QFETCH(QString, typed);
        auto& combo = m_page->filter(static_cast<uctlSelection::Filter>(filter));
        combo.setFocus();
        QSignalSpy tips(m_page.get(), &uctlSelection::DisplayToolTip);
        QTest::keyClicks(&combo, typed);
        QVERIFY2(combo.currentIndex() > 0, qPrintable(combo.currentText()));
        QVERIFY(!tips.isEmpty());
        const auto tip = tips.last().at(0).toString();
        if (filter == uctlSelection::Supplier) {
            // The address of the supplier chosen, as a click on it shows.
            const auto supplier = m_program->application()->List()->Suppliers()->Item(combo.currentIndex());
            QCOMPARE(tip, QString::fromStdString(supplier->Address));
        } else {
            QVERIFY2(tip.contains(QStringLiteral("10088-2")), qPrintable(tip));
        }
        m_page->searchBox().setFocus();
    }

    void theSupplierDisplayFollowsTheListShown_data() {
        QTest::addColumn<bool>("reloaded");
        QTest::addColumn<bool>("shownAgain");
        QTest::addColumn<bool>("filtered");
        QTest::addRow("applied") << false << false << true;
        // The lists came anew with "alle", while the list still shows the supplier's designations.
        QTest::addRow("lists reloaded") << true << false << true;
        QTest::addRow("lists reloaded and shown") << true << true << false;
    }
    void theSupplierDisplayFollowsTheListShown() {
        QFETCH(bool, reloaded);
        QFETCH(bool, shownAgain);
        QFETCH(bool, filtered);
        auto& suppliers = m_page->filter(uctlSelection::Supplier);
        suppliers.setCurrentIndex(suppliers.findData(1));
        m_page->ReloadMaterialList();
        if (reloaded) {
            loadLists();
            QCOMPARE(suppliers.currentIndex(), 0);
        }
        if (shownAgain) {
            m_page->Show();
        }
        const auto steel = filtered ? QStringLiteral("X5CrNi18-10") : QStringLiteral("1.4301");
        QCOMPARE(searchFor(steel), steel);
        QSignalSpy selected(m_page.get(), &uctlSelection::MaterialSelected);
        QTest::keyClick(m_page->materialList().grid(), Qt::Key_Return);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(m_info->ShowSupplier(), filtered);
        QCOMPARE(m_info->CompanyId(), filtered ? 1 : 0);
        std::string address;
        const auto all = m_program->application()->List()->Suppliers();
        for (const auto& supplier : *all) {
            if (filtered && address.empty() && supplier->Supplier_ID == 1) {
                address = supplier->Address;
            }
        }
        QVERIFY(!filtered || !address.empty());
        QCOMPARE(m_info->FilterAddress(), address);
    }

    void aKeyInTheSearchBoxOverAnEmptyListSaysTheSearchFailed_data() {
        QTest::addColumn<QString>("searched");
        QTest::addColumn<bool>("empty");
        QTest::addRow("a pattern that matches nothing") << "zz*" << true;
        QTest::addRow("a list with rows") << "" << false;
    }
    void aKeyInTheSearchBoxOverAnEmptyListSaysTheSearchFailed() {
        QFETCH(QString, searched);
        QFETCH(bool, empty);
        (void)searchFor(searched);
        QCOMPARE(m_page->materialList().Count() == 0, empty);
        m_program->messages.shown.clear();
        QSignalSpy status(m_page.get(), &uctlSelection::DisplayStatusBarText);
        for (const auto key : {Qt::Key_Backspace, Qt::Key_X}) {
            // Said at the press, whether or not the list searches as the user types.
            QTest::keyPress(&m_page->searchBox(), key);
            QVERIFY(!status.isEmpty());
            QCOMPARE(status.last().at(0).toString(), empty ? QStringLiteral("Suche erfolglos") : QString());
            QTest::keyRelease(&m_page->searchBox(), key);
            status.clear();
        }
        (void)searchFor(QString());
    }

    void theSearchFoundIsPictured() {
        QCOMPARE(searchFor(QStringLiteral("1.4301")), QStringLiteral("1.4301"));
        displaytest::savePicture(*m_page, QStringLiteral("selection-1.4301"));
    }

    void aFailedSearchShowsTheErrorWindowNotNothingFound() {
        m_program->application()->CloseConnection();
        m_page->ReloadMaterialList();
        QCOMPARE(m_program->errors.shown.size(), std::size_t{1});
        QVERIFY(m_program->messages.shown.empty());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(m_page->materialList().Count(), 0);
        m_program->application()->OpenConnection();
        QVERIFY(m_program->application()->LoggedIn());
    }

    // A damaged page among the designations of Filter.mdb, past the list's first row: the list
    // cannot be read to its end, and the error window says so with the file instead of a list that
    // is shorter or empty without a word.
    void aDamagedFilterDatabaseShowsTheErrorWindow() {
        const auto file = m_program->folder() / "Datenbank" / "Filter.mdb";
        m_program->application()->CloseConnection();
        const std::string good = test_support::readBytes(file);
        std::int64_t lastLeaf = 0;
        {
            platform::db::sqlite::Connection native(file, platform::db::sqlite::OpenMode::ReadOnly);
            platform::db::sqlite::Statement pages(native,
                                                  "SELECT max(pageno) FROM dbstat "
                                                  "WHERE name = 'tabFilterStahlbez' AND pagetype = 'leaf'");
            QVERIFY(pages.step());
            lastLeaf = pages.columnInt64(0);
        }
        QVERIFY(lastLeaf > 1);
        constexpr std::size_t page = 4096;
        std::string damaged = good;
        damaged.replace(static_cast<std::size_t>(lastLeaf - 1) * page, page, test_support::randomBytes(page));
        test_support::writeBytes(file, damaged);
        m_program->application()->OpenConnection();
        m_program->errors.shown.clear();
        m_page->ReloadMaterialList();
        QCOMPARE(m_program->errors.shown.size(), std::size_t{1});
        QCOMPARE(m_program->errors.shown.front().number, 3343);
        QVERIFY2(m_program->errors.shown.front().description.contains(QStringLiteral("Filter.mdb")),
                 qPrintable(m_program->errors.shown.front().description));
        QVERIFY(m_program->messages.shown.empty());
        QVERIFY(QApplication::overrideCursor() == nullptr);

        m_program->application()->CloseConnection();
        test_support::writeBytes(file, good);
        m_program->application()->OpenConnection();
        m_program->errors.shown.clear();
        QVERIFY(m_program->application()->LoggedIn());
    }
};

QTEST_MAIN(SelectionTest)
#include "SelectionTest.moc"
