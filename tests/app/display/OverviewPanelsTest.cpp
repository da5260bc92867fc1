#include "DisplayTestSupport.h"
#include "MaterialDisplayInfo.h"
#include "objects/Application.h"
#include "objects/Material.h"
#include "uctlDescription.h"
#include "uctlInfo.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using displaytest::SampleProgram;
using orvik::common::Language;

class OverviewPanelsTest : public QObject {
    Q_OBJECT

private:
    SampleProgram* m_program = nullptr;

    std::shared_ptr<display::MaterialDisplayInfo> shownInfo(const std::string& designation, int page = 1) {
        auto info = std::make_shared<display::MaterialDisplayInfo>();
        info->setErrorHandler([this](const std::string& modul, const std::string& procedure,
                                     std::int32_t number, const std::string& description) {
            m_program->errors.ShowErrorForm(nullptr, QString::fromStdString(modul),
                                            QString::fromStdString(procedure), number,
                                            QString::fromStdString(description));
        });
        info->setLanguageClass(m_program->application()->LanguageObject());
        info->setMaterial(m_program->material(designation));
        info->setPage(page);
        info->Show();
        return info;
    }

private slots:
    void initTestCase() { m_program = new SampleProgram; }
    void cleanupTestCase() { delete m_program; }
    void cleanup() { m_program->errors.shown.clear(); }

    void displayInfoHoldsTheSteelsHeaderTexts() {
        const auto info = shownInfo("1.4301");
        QVERIFY(m_program->errors.shown.isEmpty());
        QCOMPARE(QString::fromStdString(info->MaterialNumber()), QStringLiteral("1.4301"));
        QCOMPARE(QString::fromStdString(info->Symbols()), QStringLiteral("X5CrNi18-10"));
        QCOMPARE(QString::fromStdString(info->Tradenames()), QString());
        QCOMPARE(QString::fromStdString(info->Steelgroup()),
                 QStringLiteral("Austenitische nichtrostende Stähle"));
        QCOMPARE(QString::fromStdString(info->Standards()), QStringLiteral("Norm EN 10088-2 (2014) gültig"));
        QCOMPARE(QString::fromStdString(info->Country()), QStringLiteral("Europa (EN)"));
        QCOMPARE(QString::fromStdString(info->Supplier()), QString());
    }

    void descriptionShowsTheRowsInOrder() {
        display::uctlDescription panel;
        panel.setDialogLanguage(&m_program->language());
        m_program->language().ExecAfterLanguageChange();
        const auto info = shownInfo("1.4301");
        panel.setMaterialDisplayInfo(info);
        info->Show();
        QStringList captions;
        QStringList rows;
        for (int row = 0; row < display::uctlDescription::RowCount; ++row) {
            captions << panel.caption(row);
            rows << panel.rowText(row);
        }
        QCOMPARE(captions, (QStringList{"Werkstoff Nr.", "Kurzname", "Firmenbez.", "Stahlgruppe",
                                        "Lieferfirma", "Normen", "Land"}));
        QCOMPARE(rows, (QStringList{"1.4301", "X5CrNi18-10", "", "Austenitische nichtrostende Stähle", "",
                                    "Norm EN 10088-2 (2014) gültig", "Europa (EN)"}));
        panel.resize(900, 200);
        panel.show();
        displaytest::savePicture(panel, QStringLiteral("description-1.4301"));
    }
};

QTEST_MAIN(OverviewPanelsTest)
#include "OverviewPanelsTest.moc"
