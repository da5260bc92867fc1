#pragma once

#include "Favorites.h"
#include "ProgramFiles.h"
#include "QtPlatform.h"
#include "QtTranslation.h"
#include "platform/Event.h"
#include "shell/contract/ActivatedMaterial.h"
#include "shell/contract/PanelFactory.h"
#include "shell/contract/ShellDialogs.h"

#include <QMainWindow>
#include <map>
#include <memory>

class QFrame;
class QLabel;
class QPrinter;
class QTimer;

namespace controls {
class ListBar;
class StatusBar;
class TabControl;
class ToolBar;
} // namespace controls

namespace orvik::common {
class cls_Language;
}
namespace orvik::objects {
class Application;
class CombinationResultBuilder;
class List;
class Material;
} // namespace orvik::objects

namespace shell {

namespace contract {
class DialogLanguage;
}

/// The main window: list bar of pages on the left, the page panels on the right under the page title
/// and the current steel, menus, toolbar and status bar. The constructor builds the widgets only;
/// Load() makes the object model, opens the connection, wires the shared objects into the panels and
/// prepares menus and favourites, raising InitializeStep after each step (the splash follows it).
///
/// It owns the Application (and through it the connection), the current Material, the combination
/// builder, the language relay, the display info, the favourites and the program's own printer choice.
/// Every failure the object model reports reaches the error window; the window goes on.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    /// What the main window talks to the user through; owned by the caller, outliving the window.
    struct Services {
        MessageBoxes* messageBoxes = nullptr;
        contract::FileDialogs* fileDialogs = nullptr;
        contract::ErrorWindow* errorWindow = nullptr;
        contract::HelpViewer* help = nullptr;
        contract::ShellDialogs* dialogs = nullptr;
    };

    frmMain(Services services, contract::PanelFactory factory, ProgramFiles files, QWidget* parent = nullptr);
    ~frmMain() override;

    /// The initialisation; run once, before the window is shown.
    void Load();

    // The state of the window, as menus, panels and tests see it.
    [[nodiscard]] const std::shared_ptr<orvik::objects::Application>& Application() const noexcept {
        return m_application;
    }
    [[nodiscard]] const std::shared_ptr<orvik::objects::Material>& currentMaterial() const noexcept {
        return m_material;
    }
    [[nodiscard]] const std::shared_ptr<orvik::objects::CombinationResultBuilder>&
    combinationResultBuilder() const noexcept {
        return m_builder;
    }
    [[nodiscard]] int currentPage() const noexcept { return m_page; }
    [[nodiscard]] bool materialSelected() const noexcept { return m_materialSelected; }
    [[nodiscard]] contract::DialogLanguage& dialogLanguage() const noexcept { return *m_dialogLanguage; }
    [[nodiscard]] controls::ListBar& listBar() const noexcept { return *m_listBar; }
    [[nodiscard]] controls::ToolBar& toolBar() const noexcept { return *m_toolbar; }
    [[nodiscard]] controls::StatusBar& statusBar() const noexcept { return *m_statusBar; }
    [[nodiscard]] QLabel& pageTitle() const noexcept { return *m_lblUebersicht; }
    [[nodiscard]] QLabel& currentSteel() const noexcept { return *m_lblAktuellerStahl; }
    [[nodiscard]] QFrame& toolTipPanel() const noexcept { return *m_picToolTip; }
    /// A menu item by control name and index (`mnuDatei`, 8); nullptr when there is none.
    [[nodiscard]] QAction* menuItem(const QString& name, int index) const;
    /// A hosted panel by control name; nullptr when there is none.
    [[nodiscard]] contract::Panel* panel(const QString& controlName) const;
    [[nodiscard]] controls::TabControl& compositionTabs() const noexcept { return *m_tabCompositionSearch; }
    [[nodiscard]] contract::CombinationWindow& combinationWindow() const noexcept {
        return *m_combinationWindow;
    }
    [[nodiscard]] Favorites& favorites() noexcept { return m_favorites; }
    [[nodiscard]] orvik::common::cls_Language* languageClass() const;

    // What the list bar, menus and toolbar do, callable on their own.
    /// Opens the page of a list-bar item (or its favourite twin).
    void ItemClick(const QString& key);
    void ActivateMaterial(const contract::ActivatedMaterial& record);
    /// 0 German, 1 French, 2 English.
    void ChangeLanguage(int language);
    void Connect();
    void Disconnect();
    void NewSearch();
    void ToolbarClick(const QString& key);
    void ShowOptions();
    void SetSymbolSize(int size);
    /// A designation chosen in the result combination window: highlighted in each search whose result
    /// takes part in the combination.
    void CombinationMaterialSelected(const QString& idDesignationCountry);

signals:
    void InitializeStep();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (frmMain.cpp)
    void buildWidgets();
    void buildMenus();
    void buildListBar();
    /// Every menu item's help topic, opened by F1 while the item is chosen in its open menu.
    void setMenuHelp();
    bool menuHelpKey(QObject* watched, QEvent* event);
    void buildToolbar();
    void buildPanels();
    QAction* addMenuItem(QMenu& menu, const QString& name, int index, const QString& caption,
                         void (frmMain::*action)() = nullptr);
    QMenu* addSubmenu(QMenu& parentMenu, const QString& name, int index, const QString& caption);
    void step();
    void createObjects();
    void wirePanels();
    void sizeWindow();
    void layoutFrame();
    void ResetMaterialDisplay();
    void ApplySymbolSize();
    /// Exactly the language shown is checked in the language menu.
    void MarkLanguage(int language);
    void ShowConnectionState();
    void reportError(const QString& modul, const QString& procedure, std::int32_t number,
                     const QString& description);
    void HandMaterialToPanels();
    [[nodiscard]] QString text(int id, const QString& fallback = {}) const;
    void information(const QString& message);
    [[nodiscard]] contract::DialogContext dialogContext();
    /// The services as every window and panel gets them.
    [[nodiscard]] contract::WindowServices windowServices() const;

    // Pages (frmMainPages.cpp)
    void openPage(int page);
    [[nodiscard]] bool needsReload(int page) const;
    [[nodiscard]] QWidget* pagePanel(int page) const;
    void ResetShownFlags();
    void RefreshPageState();
    void EnableByPage();
    void ShowPanelsOfPage();
    void GroupChange(int newGroup, int previousGroup);
    void CompositionTabClick();
    void ReactivateRememberedMaterial();

    // Menus (frmMainMenus.cpp)
    void ConnectionRefresh();
    void LoadSelectionLists(bool leaveSelectionAlone);
    /// The combined results and the material list, which belong to the connection that made them.
    void ForgetResults();
    void menuPage(const QString& groupKey, const QString& itemKey);
    void LoadAnalysis();
    void SaveAnalysis();
    void ExportSuppliers();
    void PrinterSetup();
    void PrintMaterial();
    void SelfDefinedTexts(bool on);
    void EditSelfDefinedTexts();
    void ShowHelp(int contextId);
    [[nodiscard]] contract::CompositionSearchPanel* visibleCompositionPanel() const;

    // Panel notifications (frmMainRouting.cpp)
    void connectPanel(contract::Panel& panel);
    void ShowToolTip(const contract::Panel& source, const QString& text, int top);
    void HideToolTip();
    void ToolTipTick();
    void SetStatusRight(const QString& text);
    void MaterialSelectedFrom(const contract::Panel& source, const contract::ActivatedMaterial& record);
    void CountInformation();
    void ShowCombinationWindow();
    void wireCombinationWindow();
    /// A row chosen in the result combination window: highlighted in the searches, then made current.
    void CombinationChosen(const contract::ActivatedMaterial& record);

    Services m_services;
    contract::PanelFactory m_factory;
    ProgramFiles m_files;

    // Widgets, owned by the window.
    controls::ToolBar* m_toolbar = nullptr;
    QLabel* m_lblUebersicht = nullptr;
    QLabel* m_lblAktuellerStahl = nullptr;
    controls::ListBar* m_listBar = nullptr;
    controls::StatusBar* m_statusBar = nullptr;
    QFrame* m_picToolTip = nullptr;
    QLabel* m_lblToolTip = nullptr;
    QTimer* m_timerToolTip = nullptr;
    QWidget* m_pageArea = nullptr;
    controls::TabControl* m_tabCompositionSearch = nullptr;
    contract::SelectionPanel* m_uctlSelection = nullptr;
    contract::CompositionSearchPanel* m_uctlCompositionSearch = nullptr;
    contract::CompositionSearchPanel* m_uctlAdvancedCompositionSearch = nullptr;
    contract::PropertySearchPanel* m_uctlPropertySearch = nullptr;
    contract::Panel* m_uctlDescription = nullptr;
    contract::Panel* m_uctlCompositionView = nullptr;
    contract::SupplierPanel* m_uctlSupplier = nullptr;
    contract::PropertiesViewPanel* m_uctlPropertiesView = nullptr;
    contract::InfoPanel* m_uctlInfo = nullptr;
    contract::Panel* m_uctlStandardComparison = nullptr;
    contract::CombinationWindow* m_combinationWindow = nullptr; // a window of its own, owned by this one
    std::map<std::pair<QString, int>, QAction*> m_menuItems;
    std::map<QString, QMenu*> m_menus;

    // Objects of the run.
    contract::DialogLanguage* m_dialogLanguage = nullptr; // owned by the window
    std::shared_ptr<orvik::objects::Application> m_application;
    platform::Subscription m_applicationErrors;
    std::shared_ptr<orvik::objects::Material> m_material;
    platform::Subscription m_materialErrors;
    std::shared_ptr<orvik::objects::CombinationResultBuilder> m_builder;
    std::shared_ptr<contract::MaterialDisplayInfo> m_displayInfo;
    std::shared_ptr<orvik::objects::List> m_list;
    std::unique_ptr<QPrinter> m_printer;
    Favorites m_favorites;
    QtTranslation m_qtTexts;

    int m_page = 0;
    bool m_materialSelected = false;
    bool m_layoutReady = false;
    bool m_combinationPlaced = false;
    int m_helpContextId = 0;
};

} // namespace shell
