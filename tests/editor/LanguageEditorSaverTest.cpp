#include "common/editor/LanguageEditorSaver.h"

#include "LanguageEditorFakes.h"

#include <QTest>

using namespace orvik::common::editor;
using namespace orvik::common::editor::test;

class LanguageEditorSaverTest : public QObject {
    Q_OBJECT

private slots:
    void saverRetriesIgnoresOrAbortsAsChosen() {
        using OnFailure = LanguageEditorSaver::OnFailure;
        struct Case {
            const char* what;
            std::vector<OnFailure> choices;
            bool saved;
            std::size_t attempts;
            std::map<FakeEditorData::Key, std::string> committed;
        };
        const Case cases[] = {
            {"retry stores the failed row",
             {OnFailure::Retry},
             true,
             3,
             {{{"1", "1"}, "x"}, {{"2", "2"}, "y"}}},
            {"twice failed, then stored",
             {OnFailure::Retry, OnFailure::Retry},
             true,
             4,
             {{{"1", "1"}, "x"}, {{"2", "2"}, "y"}}},
            {"ignore goes on without the row", {OnFailure::Ignore}, true, 2, {{{"2", "2"}, "y"}}},
            {"abort keeps nothing", {OnFailure::Abort}, false, 1, {}},
        };
        for (const Case& c : cases) {
            FakeEditorData data;
            data.failures[{"1", "1"}] = static_cast<int>(c.choices.size());
            std::vector<std::int32_t> numbers;
            const auto choose = [&](const platform::CallError& e) {
                numbers.push_back(e.number());
                return c.choices.at(numbers.size() - 1);
            };
            const bool saved =
                LanguageEditorSaver(data).save({textRow(1, "a", "x"), textRow(2, "b", "y")}, choose);
            QVERIFY2(numbers == std::vector<std::int32_t>(c.choices.size(), 3260), c.what);
            QVERIFY2(saved == c.saved, c.what);
            QVERIFY2(data.attempts.size() == c.attempts, c.what);
            QVERIFY2(data.committed == c.committed, c.what);
            QVERIFY2(!data.inTransaction, c.what);
            QVERIFY2(data.commits + data.rollbacks == 1, c.what);
        }
    }

    void saverSkipsAMissingRecordAndDropsTheSaveWhenCommitFails() {
        FakeEditorData data;
        data.missing[{"1", "1"}] = true;
        const auto never = [](const platform::CallError&) {
            return LanguageEditorSaver::OnFailure::Abort;
        };
        QVERIFY(LanguageEditorSaver(data).save({textRow(1, "a", "x"), textRow(2, "b", "y")}, never));
        const std::map<FakeEditorData::Key, std::string> stored{{{"2", "2"}, "y"}};
        QCOMPARE(data.committed, stored);

        FakeEditorData failing;
        failing.failCommit = true;
        QVERIFY_THROWS_EXCEPTION(platform::CallError,
                                 (void)LanguageEditorSaver(failing).save({textRow(2, "b", "y")}, never));
        QVERIFY(failing.committed.empty());
        QCOMPARE(failing.rollbacks, 1);
        QVERIFY(!failing.inTransaction);
    }
};

QTEST_MAIN(LanguageEditorSaverTest)
#include "LanguageEditorSaverTest.moc"
