#pragma once

#include "platform/Event.h"
#include "shell/contract/CombinationWindow.h"

#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace controls {
class Grid;
class StatusBar;
} // namespace controls
namespace orvik::objects {
class Application;
class CombinationResultBuilder;
class CombinationResultList;
} // namespace orvik::objects
namespace shell::contract {
class DialogLanguage;
}

namespace property {

/// The window that combines the latest results of the designation, composition, advanced composition
/// and property searches: the user ticks which take part, the shared builder intersects them, and
/// every designation found by all of them is listed. Each showing reads the builder's state afresh.
/// Choosing a row raises MaterialSelected with that steel. Made once by the main window (a window of
/// its own, not modal); errors of the builder go to the error window of the services.
class frmErgebniskombination : public shell::contract::CombinationWindow {
    Q_OBJECT

public:
    explicit frmErgebniskombination(QWidget* parent = nullptr);
    ~frmErgebniskombination() override;

    void setApplication(std::shared_ptr<orvik::objects::Application> application) override;
    void
    setCombinationResultBuilder(std::shared_ptr<orvik::objects::CombinationResultBuilder> builder) override;
    void setDialogLanguage(shell::contract::DialogLanguage* relay) override;
    void setServices(const shell::contract::WindowServices& services) override { m_services = services; }
    /// Closes the window for good (at shutdown).
    void CloseDialog() override;

    /// The material number of a steel in a country; by default the application's.
    using MaterialNumberSource = std::function<std::string(std::string_view idSteel, std::int32_t idCountry)>;
    void setMaterialNumberSource(MaterialNumberSource source) { m_materialNumberSource = std::move(source); }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Column { ColDesignation, ColMaterialNo, ColEmpty1, ColEmpty2, ColKey, ColOrder, ColumnCount };

    void InitResultGrid();
    void ShowBuilderState();
    void BuildAndShow();
    void SelectCurrentResult();
    void combineClicked();
    void updateCombineButton();
    void adjustCaptions();
    void clearGrid();
    /// The designation takes the width the material number leaves.
    void fitColumns();
    [[nodiscard]] QString materialNumber(const std::string& idSteel, std::int32_t idCountry);

    QGroupBox* m_fraCombination = nullptr;
    QLabel* m_label1 = nullptr;
    std::array<QCheckBox*, 4> m_chkResult{};
    QPushButton* m_cmdCombine = nullptr;
    QGroupBox* m_fraResult = nullptr;
    controls::Grid* m_grdResult = nullptr;
    controls::StatusBar* m_statusBar = nullptr;

    std::shared_ptr<orvik::objects::Application> m_application;
    std::shared_ptr<orvik::objects::CombinationResultBuilder> m_builder;
    std::shared_ptr<orvik::objects::CombinationResultList> m_list;
    QPointer<shell::contract::DialogLanguage> m_relay;
    QMetaObject::Connection m_afterChange;
    shell::contract::WindowServices m_services;
    platform::Subscription m_reseted;
    platform::Subscription m_thrown;
    MaterialNumberSource m_materialNumberSource;
    /// The material numbers of the combination shown, read once: each showing lists it again.
    std::map<std::pair<std::string, std::int32_t>, QString> m_materialNumbers;
};

} // namespace property
