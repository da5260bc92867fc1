#include "frmMain.h"

#include "BusyCursor.h"
#include "ListBar.h"
#include "Pages.h"
#include "Placement.h"
#include "StatusBar.h"
#include "TabControl.h"
#include "ToolBar.h"
#include "Twips.h"
#include "common/ProgrammSettings.h"
#include "common/cls_Language.h"
#include "common/editor/LanguageEditorDatabase.h"
#include "common/editor/LanguageSettingsDialog.h"
#include "objects/Application.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/Error.h"
#include "objects/Material.h"
#include "shell/contract/Captions.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/ErrorWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace shell {
namespace {

using orvik::common::ProgrammSettings;

constexpr int MinimumWidthPx = 800;
constexpr int MinimumHeightPx = 600;

int px(int twips) {
    return twips / orvik::common::qt::TwipsPerPixel;
}

template <typename P, typename Maker, typename... Args>
P* make(const Maker& maker, QWidget* parent, Args&&... args) {
    std::unique_ptr<P> made = maker ? maker(std::forward<Args>(args)...) : nullptr;
    if (!made) {
        if constexpr (sizeof...(Args) > 0) {
            made = std::make_unique<P>(std::forward<Args>(args)...);
        } else {
            made = std::make_unique<P>();
        }
    }
    made->setParent(parent);
    return made.release();
}

} // namespace

frmMain::frmMain(Services services, contract::PanelFactory factory, ProgramFiles files, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_factory(std::move(factory)), m_files(std::move(files)),
      m_dialogLanguage(new contract::DialogLanguage(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(contract::ProgramTitle));
    buildWidgets();
}

frmMain::~frmMain() = default;

void frmMain::buildWidgets() {
    buildToolbar();
    buildMenus();
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("qt_central"));
    setCentralWidget(central);
    central->installEventFilter(this);

    m_lblUebersicht = new QLabel(central);
    m_lblUebersicht->setObjectName(QStringLiteral("lblUebersicht"));
    m_lblAktuellerStahl = new QLabel(central);
    m_lblAktuellerStahl->setObjectName(QStringLiteral("lblAktuellerStahl"));
    m_lblAktuellerStahl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* label : {m_lblUebersicht, m_lblAktuellerStahl}) {
        QFont bold = label->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.2);
        label->setFont(bold);
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::Mid);
        label->setForegroundRole(QPalette::BrightText);
    }

    m_listBar = new controls::ListBar(central);
    m_listBar->setObjectName(QStringLiteral("SSListBar1"));
    buildListBar();
    buildPanels();

    m_statusBar = new controls::StatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->addPanel(QStringLiteral("LINKS"), 0);
    m_statusBar->addPanel(QStringLiteral("RECHTS"), 1);
    setStatusBar(m_statusBar);

    m_picToolTip = new QFrame(central);
    m_picToolTip->setObjectName(QStringLiteral("picToolTip"));
    m_picToolTip->setFrameShape(QFrame::Box);
    m_picToolTip->setAutoFillBackground(true);
    m_picToolTip->setBackgroundRole(QPalette::ToolTipBase);
    m_lblToolTip = new QLabel(m_picToolTip);
    m_lblToolTip->setObjectName(QStringLiteral("lblToolTip"));
    m_lblToolTip->setForegroundRole(QPalette::ToolTipText);
    m_lblToolTip->move(px(60), px(60));
    m_picToolTip->hide();
    m_picToolTip->installEventFilter(this);
    m_lblToolTip->installEventFilter(this);
    m_timerToolTip = new QTimer(this);
    m_timerToolTip->setObjectName(QStringLiteral("timerToolTip"));
    connect(m_timerToolTip, &QTimer::timeout, this, &frmMain::ToolTipTick);
    qApp->installEventFilter(this);
}

void frmMain::buildToolbar() {
    m_toolbar = new controls::ToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const QStyle* look = style();
    m_toolbar->addButton(QStringLiteral("NEW"), QStringLiteral("Neue Suche"),
                         look->standardIcon(QStyle::SP_FileIcon));
    m_toolbar->addButton(QStringLiteral("FIND"), QStringLiteral("Suchen"),
                         look->standardIcon(QStyle::SP_FileDialogContentsView));
    m_toolbar->addButton(QStringLiteral("SAVE"), QStringLiteral("Speichern"),
                         look->standardIcon(QStyle::SP_DialogSaveButton));
    m_toolbar->addButton(QStringLiteral("OPEN"), QStringLiteral("Öffnen"),
                         look->standardIcon(QStyle::SP_DialogOpenButton));
    m_toolbar->addButton(QStringLiteral("PRINT"), QStringLiteral("Drucken"),
                         look->standardIcon(QStyle::SP_FileDialogDetailedView));
    connect(m_toolbar, &controls::ToolBar::ButtonClick, this, &frmMain::ToolbarClick);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
}

QAction* frmMain::addMenuItem(QMenu& menu, const QString& name, int index, const QString& caption,
                              void (frmMain::*action)()) {
    auto* item = new QAction(caption, &menu);
    item->setObjectName(name);
    item->setProperty("index", index);
    menu.addAction(item);
    if (action != nullptr) {
        connect(item, &QAction::triggered, this, action);
    }
    m_menuItems[{name, index}] = item;
    return item;
}

QMenu* frmMain::addSubmenu(QMenu& parentMenu, const QString& name, int index, const QString& caption) {
    auto* sub = new QMenu(caption, &parentMenu);
    sub->setObjectName(name);
    sub->setProperty("index", index);
    parentMenu.addMenu(sub);
    m_menuItems[{name, index}] = sub->menuAction();
    return sub;
}

void frmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    const auto top = [this, bar](int index, const QString& caption) {
        auto* menu = new QMenu(caption, bar);
        menu->setObjectName(QStringLiteral("mnuZeile"));
        menu->setProperty("index", index);
        bar->addMenu(menu);
        m_menuItems[{QStringLiteral("mnuZeile"), index}] = menu->menuAction();
        return menu;
    };
    const auto separator = [this](QMenu& menu, const QString& name, int index) {
        QAction* line = menu.addSeparator();
        m_menuItems[{name, index}] = line;
    };
    const QString datei = QStringLiteral("mnuDatei");
    QMenu* file = top(0, QStringLiteral("&Datei"));
    addMenuItem(*file, datei, 0, QStringLiteral("Analyse &laden..."), &frmMain::LoadAnalysis)
        ->setEnabled(false);
    addMenuItem(*file, datei, 1, QStringLiteral("Analyse &speichern..."), &frmMain::SaveAnalysis)
        ->setEnabled(false);
    separator(*file, datei, 2);
    addMenuItem(*file, datei, 3, QStringLiteral("Firmenadressen in Steuerdatei &speichern"),
                &frmMain::ExportSuppliers)
        ->setEnabled(false);
    separator(*file, datei, 4);
    addMenuItem(*file, datei, 5, QStringLiteral("Drucker einrichten..."), &frmMain::PrinterSetup)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    addMenuItem(*file, datei, 6, QStringLiteral("&Drucken"), &frmMain::PrintMaterial);
    separator(*file, datei, 7);
    addMenuItem(*file, datei, 8, QStringLiteral("Login"), &frmMain::Connect);
    addMenuItem(*file, datei, 9, QStringLiteral("Logout"), &frmMain::Disconnect);
    separator(*file, datei, 10);
    addMenuItem(*file, datei, 11, QStringLiteral("&Beenden"));
    connect(menuItem(datei, 11), &QAction::triggered, this, &QWidget::close);

    QMenu* view = top(1, QStringLiteral("&Ansicht"));
    QMenu* search = addSubmenu(*view, QStringLiteral("mnuAnsicht"), 0, QStringLiteral("Suchen"));
    const QStringList searchCaptions{QStringLiteral("Auswahl"), QStringLiteral("Analyse"),
                                     QStringLiteral("mechanische Eigenschaften")};
    for (int i = 0; i < 3; ++i) {
        QAction* item = addMenuItem(*search, QStringLiteral("mnuSuchen"), i, searchCaptions[i]);
        const QString key = QLatin1String(Pages[static_cast<std::size_t>(i)].itemKey);
        connect(item, &QAction::triggered, this, [this, key] { menuPage(QStringLiteral("SUCHEN"), key); });
    }
    QMenu* overview = addSubmenu(*view, QStringLiteral("mnuAnsicht"), 1, QStringLiteral("Übersicht"));
    const QStringList overviewCaptions{QStringLiteral("chemische Analyse"),
                                       QStringLiteral("Lieferfirmen"),
                                       QStringLiteral("mechanische Eigenschaften"),
                                       QStringLiteral("Phyisikalische Eigenschaften"),
                                       QStringLiteral("Wärmebehandlung"),
                                       QStringLiteral("Info"),
                                       QStringLiteral("Normenvergleich")};
    for (int i = 0; i < 7; ++i) {
        QAction* item = addMenuItem(*overview, QStringLiteral("mnuUebersicht"), i, overviewCaptions[i]);
        const QString key = QLatin1String(Pages[static_cast<std::size_t>(i + 3)].itemKey);
        connect(item, &QAction::triggered, this,
                [this, key] { menuPage(QStringLiteral("UEBERSICHT"), key); });
    }
    QMenu* symbols = addSubmenu(*view, QStringLiteral("mnuAnsicht"), 2, QStringLiteral("Symbole"));
    const QStringList symbolCaptions{QStringLiteral("große Symbole"), QStringLiteral("kleine Symbole")};
    for (int i = 0; i < 2; ++i) {
        QAction* item = addMenuItem(*symbols, QStringLiteral("mnuSymbole"), i, symbolCaptions[i]);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { SetSymbolSize(i); });
    }
    view->addSeparator();
    // The result combination window opens from here as well as by its keys, captioned as the window
    // is in the current language.
    QAction* combine =
        addMenuItem(*view, QStringLiteral("mnuErgebniskombination"), 0,
                    QStringLiteral("Suchergebnisse kombinieren"), &frmMain::ShowCombinationWindow);
    connect(view, &QMenu::aboutToShow, this, [this, combine] {
        if (m_combinationWindow != nullptr) {
            combine->setText(m_combinationWindow->windowTitle() + QStringLiteral("\tShift+Ctrl+S"));
        }
    });

    QMenu* options = top(2, QStringLiteral("&Optionen"));
    QMenu* language = addSubmenu(*options, QStringLiteral("mnuOptionen"), 0, QStringLiteral("Sprache"));
    const QStringList languageCaptions{QStringLiteral("Deutsch"), QStringLiteral("Französisch"),
                                       QStringLiteral("Englisch")};
    for (int i = 0; i < 3; ++i) {
        QAction* item = addMenuItem(*language, QStringLiteral("mnuSprache"), i, languageCaptions[i]);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { ChangeLanguage(i); });
    }
    QMenu* own = addSubmenu(*language, QStringLiteral("mnuSprache"), 3, QStringLiteral("Selbst definiert"));
    addMenuItem(*own, QStringLiteral("mnuEigeneSprache"), 0, QStringLiteral("Bearbeiten..."),
                &frmMain::EditSelfDefinedTexts);
    connect(addMenuItem(*own, QStringLiteral("mnuEigeneSprache"), 1, QStringLiteral("Laden")),
            &QAction::triggered, this, [this] { SelfDefinedTexts(true); });
    QAction* unload = addMenuItem(*own, QStringLiteral("mnuEigeneSprache"), 2, QStringLiteral("Entladen"));
    unload->setEnabled(false);
    connect(unload, &QAction::triggered, this, [this] { SelfDefinedTexts(false); });
    separator(*options, QStringLiteral("mnuOptionen"), 1);
    addMenuItem(*options, QStringLiteral("mnuOptionen"), 2, QStringLiteral("Einstellungen..."),
                &frmMain::ShowOptions);

    QMenu* favourites = top(3, QStringLiteral("Favoriten"));
    connect(addMenuItem(*favourites, QStringLiteral("mnuFavoriten"), 0,
                        QStringLiteral("Zu Favoriten hinzufügen")),
            &QAction::triggered, this, [this] { m_favorites.AddFavorite(*m_listBar, m_page); });
    connect(addMenuItem(*favourites, QStringLiteral("mnuFavoriten"), 1,
                        QStringLiteral("Aus Favoriten entfernen")),
            &QAction::triggered, this, [this] { m_favorites.RemoveFavorite(*m_listBar, m_page); });

    QMenu* help = top(4, QStringLiteral("&Hilfe"));
    connect(addMenuItem(*help, QStringLiteral("mnuHilfe"), 0, QStringLiteral("Info...")), &QAction::triggered,
            this, [this] {
                if (m_services.dialogs != nullptr) {
                    m_services.dialogs->showAbout(dialogContext());
                }
            });
    separator(*help, QStringLiteral("mnuHilfe"), 2);
    QAction* context = addMenuItem(*help, QStringLiteral("mnuHilfe"), 3, QStringLiteral("Hilfe zu Graukant"));
    context->setShortcut(QKeySequence(Qt::Key_F1));
    connect(context, &QAction::triggered, this, [this] { ShowHelp(m_helpContextId); });
    connect(addMenuItem(*help, QStringLiteral("mnuHilfe"), 4, QStringLiteral("Hilfe Inhalt")),
            &QAction::triggered, this, [this] { ShowHelp(0); });
    separator(*help, QStringLiteral("mnuHilfe"), 5);
    connect(addMenuItem(*help, QStringLiteral("mnuHilfe"), 6, QStringLiteral("Lizenzvertrag")),
            &QAction::triggered, this, [this] { ShowHelp(110); });
    setMenuHelp();
}

void frmMain::setMenuHelp() {
    struct MenuHelp {
        const char* name;
        int first;
        int last;
        int contextId;
    };
    static constexpr MenuHelp topics[] = {
        {"mnuDatei", 0, 0, 100},   {"mnuDatei", 1, 1, 26},     {"mnuDatei", 3, 3, 27},
        {"mnuDatei", 5, 5, 28},    {"mnuDatei", 6, 6, 29},     {"mnuDatei", 8, 8, 30},
        {"mnuDatei", 9, 9, 31},    {"mnuDatei", 11, 11, 32},   {"mnuAnsicht", 0, 0, 12},
        {"mnuSuchen", 0, 2, 12},   {"mnuAnsicht", 1, 1, 33},   {"mnuUebersicht", 0, 6, 33},
        {"mnuOptionen", 0, 0, 13}, {"mnuSprache", 0, 3, 13},   {"mnuEigeneSprache", 0, 1, 13},
        {"mnuOptionen", 2, 2, 34}, {"mnuFavoriten", 0, 0, 14}, {"mnuFavoriten", 1, 1, 36},
        {"mnuHilfe", 0, 0, 15},    {"mnuHilfe", 6, 6, 110}};
    for (const MenuHelp& topic : topics) {
        for (int index = topic.first; index <= topic.last; ++index) {
            if (QAction* item = menuItem(QLatin1String(topic.name), index)) {
                controls::setHelpContextId(*item, topic.contextId);
            }
        }
    }
}

bool frmMain::menuHelpKey(QObject* watched, QEvent* event) {
    const auto* menu = qobject_cast<QMenu*>(watched);
    if (menu == nullptr || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 || menu->activeAction() == nullptr) {
        return false;
    }
    const QObject* owner = menu;
    while (owner != nullptr && owner != this) {
        owner = owner->parent();
    }
    if (owner == nullptr) {
        return false; // a menu of another window (a dialog's) keeps its own F1
    }
    // F1 on an open menu's item is the item's topic, not the page's (the F1 of "Hilfe zu Graukant").
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    const int contextId = controls::helpContextId(*menu->activeAction());
    if (contextId != 0) {
        ShowHelp(contextId);
    }
    return true;
}

void frmMain::buildListBar() {
    const QStyle* look = style();
    const std::array<QStyle::StandardPixmap, 10> icons{QStyle::SP_FileDialogContentsView,
                                                       QStyle::SP_FileDialogDetailedView,
                                                       QStyle::SP_FileDialogListView,
                                                       QStyle::SP_FileDialogInfoView,
                                                       QStyle::SP_DirHomeIcon,
                                                       QStyle::SP_ComputerIcon,
                                                       QStyle::SP_DriveHDIcon,
                                                       QStyle::SP_BrowserReload,
                                                       QStyle::SP_MessageBoxInformation,
                                                       QStyle::SP_ArrowRight};
    const std::array<QString, 10> captions{QStringLiteral("Auswahl"),
                                           QStringLiteral("Analyse"),
                                           QStringLiteral("mechanische Eigenschaften"),
                                           QStringLiteral("chemische Analyse"),
                                           QStringLiteral("Lieferfirmen"),
                                           QStringLiteral("mechanische Eigenschaften"),
                                           QStringLiteral("Physikalische Eigenschaften"),
                                           QStringLiteral("Wärmebehandlung"),
                                           QStringLiteral("Info"),
                                           QStringLiteral("Normenvergleich")};
    const int search = m_listBar->addGroup(QStringLiteral("SUCHEN"), QStringLiteral("Suchen"));
    const int overview = m_listBar->addGroup(QStringLiteral("UEBERSICHT"), QStringLiteral("Übersicht"));
    m_listBar->addGroup(QLatin1String(FavoritesGroupKey), QStringLiteral("Favoriten"));
    for (const Page& page : Pages) {
        const auto at = static_cast<std::size_t>(page.number - 1);
        const QIcon icon = look->standardIcon(icons[at]);
        m_listBar->addItem(page.number <= 3 ? search : overview, QLatin1String(page.itemKey), captions[at],
                           icon, icon);
    }
    connect(m_listBar, &controls::ListBar::ItemClick, this, &frmMain::ItemClick);
    connect(m_listBar, &controls::ListBar::GroupChange, this, &frmMain::GroupChange);
    connect(m_listBar, &controls::ListBar::MouseMove, this, [this](int, int, int, int) {
        HideToolTip();
        SetStatusRight({});
    });
}

void frmMain::buildPanels() {
    m_pageArea = centralWidget();
    QWidget* area = m_pageArea;
    m_uctlSelection = make<contract::SelectionPanel>(m_factory.selection, area);
    m_tabCompositionSearch = new controls::TabControl(area);
    m_tabCompositionSearch->setObjectName(QStringLiteral("tabCompositionSearch"));
    m_uctlCompositionSearch = make<contract::CompositionSearchPanel>(m_factory.compositionSearch, nullptr,
                                                                     QStringLiteral("uctlCompositionSearch"));
    m_uctlAdvancedCompositionSearch = make<contract::CompositionSearchPanel>(
        m_factory.compositionSearch, nullptr, QStringLiteral("uctlAdvancedCompositionSearch"));
    m_tabCompositionSearch->addTab(m_uctlCompositionSearch, QStringLiteral("Standard-Analysensuche"));
    m_tabCompositionSearch->addTab(m_uctlAdvancedCompositionSearch,
                                   QStringLiteral("Erweiterte Analysensuche"));
    connect(m_tabCompositionSearch, &controls::TabControl::Click, this, &frmMain::CompositionTabClick);
    m_uctlPropertySearch = make<contract::PropertySearchPanel>(m_factory.propertySearch, area);
    const auto plain = [area](const contract::PanelFactory::Maker<contract::Panel>& maker, const char* name) {
        std::unique_ptr<contract::Panel> made = maker ? maker() : nullptr;
        if (!made) {
            made = std::make_unique<contract::Panel>(QLatin1String(name));
        }
        made->setParent(area);
        return made.release();
    };
    m_uctlDescription = plain(m_factory.description, "uctlDescription");
    m_uctlCompositionView = plain(m_factory.compositionView, "uctlCompositionView");
    m_uctlStandardComparison = plain(m_factory.standardComparison, "uctlStandardComparison");
    m_uctlSupplier = make<contract::SupplierPanel>(m_factory.supplier, area);
    m_uctlPropertiesView = make<contract::PropertiesViewPanel>(m_factory.propertiesView, area);
    m_uctlInfo = make<contract::InfoPanel>(m_factory.info, area);
    for (contract::Panel* page : std::initializer_list<contract::Panel*>{
             m_uctlSelection, m_uctlCompositionSearch, m_uctlAdvancedCompositionSearch, m_uctlPropertySearch,
             m_uctlDescription, m_uctlCompositionView, m_uctlStandardComparison, m_uctlSupplier,
             m_uctlPropertiesView, m_uctlInfo}) {
        page->setAutoFillBackground(true);
        connectPanel(*page);
    }
}

contract::Panel* frmMain::panel(const QString& controlName) const {
    for (contract::Panel* page : std::initializer_list<contract::Panel*>{
             m_uctlSelection, m_uctlCompositionSearch, m_uctlAdvancedCompositionSearch, m_uctlPropertySearch,
             m_uctlDescription, m_uctlCompositionView, m_uctlStandardComparison, m_uctlSupplier,
             m_uctlPropertiesView, m_uctlInfo}) {
        if (page->objectName() == controlName) {
            return page;
        }
    }
    return nullptr;
}

QAction* frmMain::menuItem(const QString& name, int index) const {
    const auto found = m_menuItems.find({name, index});
    return found == m_menuItems.end() ? nullptr : found->second;
}

orvik::common::cls_Language* frmMain::languageClass() const {
    return m_dialogLanguage->LanguageClass().get();
}

QString frmMain::text(int id, const QString& fallback) const {
    return contract::textOf(languageClass(), static_cast<orvik::common::TextID>(id), fallback);
}

void frmMain::information(const QString& message) {
    if (m_services.messageBoxes != nullptr) {
        // The user reads and answers with the normal pointer, also while work has the busy one up.
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        m_services.messageBoxes->show(this, message, QString::fromLatin1(contract::ProgramTitle),
                                      MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
    }
}

contract::WindowServices frmMain::windowServices() const {
    contract::WindowServices services;
    services.messageBoxes = m_services.messageBoxes;
    services.fileDialogs = m_services.fileDialogs;
    services.errorWindow = m_services.errorWindow;
    services.help = m_services.help;
    return services;
}

contract::DialogContext frmMain::dialogContext() {
    contract::DialogContext context;
    context.parent = this;
    context.language = m_dialogLanguage;
    context.services = windowServices();
    context.application = m_application;
    context.material = m_material;
    context.printer = m_printer.get();
    return context;
}

void frmMain::reportError(const QString& modul, const QString& procedure, std::int32_t number,
                          const QString& description) {
    if (m_services.errorWindow != nullptr) {
        m_services.errorWindow->ShowErrorForm(this, modul, procedure, number, description);
    }
}

void frmMain::step() {
    emit InitializeStep();
}

void frmMain::Load() {
    createObjects();
    step();
    wirePanels();
    step();
    ResetShownFlags();
    step();
    sizeWindow();
    step();
    ResetMaterialDisplay();
    step();
    ConnectionRefresh();
    contract::adjustCaptions(languageClass(), *this);
    ShowConnectionState();
    step();
    m_favorites.LoadFavorites(*m_listBar);
    step();
    ApplySymbolSize();
    step();
    const bool own = ProgrammSettings().SelfDefined();
    menuItem(QStringLiteral("mnuEigeneSprache"), 1)->setEnabled(!own);
    menuItem(QStringLiteral("mnuEigeneSprache"), 2)->setEnabled(own);
    MarkLanguage(m_dialogLanguage->Language());
    m_lblUebersicht->setText(QLatin1Char(' ') + m_listBar->itemText(QStringLiteral("AUSWAHL")));
    m_picToolTip->raise();
    m_layoutReady = true;
    layoutFrame();
    m_combinationWindow = make<contract::CombinationWindow>(m_factory.combinationWindow, this);
    m_combinationWindow->setWindowFlag(Qt::Window);
    m_combinationWindow->hide();
    connect(m_combinationWindow, &contract::CombinationWindow::MaterialSelected, this,
            &frmMain::CombinationChosen);
    wireCombinationWindow();
    step();
}

void frmMain::createObjects() {
    const ProgrammSettings settings;
    m_builder = std::make_shared<orvik::objects::CombinationResultBuilder>();
    m_builder->Reset();
    m_displayInfo = m_factory.materialDisplayInfo ? m_factory.materialDisplayInfo() : nullptr;
    if (!m_displayInfo) {
        m_displayInfo = std::make_shared<contract::MaterialDisplayInfo>();
    }
    m_application = orvik::objects::Application::create();
    m_applicationErrors = m_application->Error.subscribe([this](const orvik::objects::ErrorPtr& error) {
        if (error) {
            reportError(QString::fromStdString(error->Modul()), QString::fromStdString(error->Procedure()),
                        error->Number(), QString::fromStdString(error->Description()));
        }
    });
    const auto& language = m_application->LanguageObject();
    language->setUseSelfDefined(settings.SelfDefined());
    // The text service holds the language of the run: the object model reads it there too.
    language->setHelpFile(m_files.HelpFile(language->Language()).string());
    m_dialogLanguage->setLanguage(language->Language());
    m_dialogLanguage->setLanguageClass(language);
    m_qtTexts.use(language->Language());
    if (m_services.messageBoxes != nullptr) {
        const std::string workgroup = m_files.workgroupFile().string();
        language->setSettingsDialog(orvik::common::editor::languageSettingsDialog(
            [workgroup] {
                platform::db::DBEngine engine;
                engine.setSystemDB(workgroup);
                return std::make_unique<orvik::common::editor::LanguageEditorDatabase>(engine);
            },
            *m_services.messageBoxes, this));
    }
    m_printer = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter());
    m_application->OpenConnection(false);
}

void frmMain::wirePanels() {
    for (contract::Panel* page : std::initializer_list<contract::Panel*>{
             m_uctlSelection, m_uctlStandardComparison, m_uctlCompositionSearch,
             m_uctlAdvancedCompositionSearch, m_uctlPropertySearch}) {
        page->setApplication(m_application);
    }
    for (contract::Panel* page :
         std::initializer_list<contract::Panel*>{m_uctlSelection, m_uctlDescription, m_uctlSupplier}) {
        page->setMaterialDisplayInfo(m_displayInfo);
    }
    const contract::WindowServices services = windowServices();
    for (contract::Panel* page : std::initializer_list<contract::Panel*>{
             m_uctlPropertiesView, m_uctlSelection, m_uctlStandardComparison, m_uctlCompositionView,
             m_uctlSupplier, m_uctlCompositionSearch, m_uctlAdvancedCompositionSearch, m_uctlPropertySearch,
             m_uctlDescription, m_uctlInfo}) {
        page->setServices(services);
        page->setDialogLanguage(m_dialogLanguage);
    }
    for (contract::Panel* page :
         std::initializer_list<contract::Panel*>{m_uctlSelection, m_uctlPropertySearch,
                                                 m_uctlCompositionSearch, m_uctlAdvancedCompositionSearch}) {
        page->setCombinationResultBuilder(m_builder);
    }
    m_uctlSelection->Init();
    m_uctlPropertySearch->InitGrids();
    m_uctlCompositionSearch->setIsAdvanced(false);
    m_uctlAdvancedCompositionSearch->setIsAdvanced(true);
    m_dialogLanguage->ExecAfterLanguageChange();
}

void frmMain::sizeWindow() {
    const QScreen* screen = this->screen();
    const QRect work = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int minimumHeight = work.height() >= MinimumHeightPx ? MinimumHeightPx : work.height();
    setMinimumSize(MinimumWidthPx, minimumHeight);
    const bool largeFonts = screen != nullptr && screen->logicalDotsPerInchY() > 96.5;
    if (ProgrammSettings().AdjustFormSize() ||
        (screen != nullptr && screen->geometry().width() == MinimumWidthPx && largeFonts)) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    resize(std::max(MinimumWidthPx, std::min(1100, work.width())),
           std::max(minimumHeight, std::min(760, work.height())));
    move(work.center() - QPoint(width() / 2, height() / 2));
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutFrame();
}

void frmMain::layoutFrame() {
    if (!m_layoutReady || isMinimized()) {
        return;
    }
    const QWidget* area = centralWidget();
    const int w = area->width();
    const int h = area->height();
    const int labelHeight = m_lblUebersicht->sizeHint().height() + 6;
    m_lblUebersicht->setGeometry(0, px(10), w / 2, labelHeight);
    m_lblAktuellerStahl->setGeometry(w / 2, px(10), w - w / 2, labelHeight);
    const double r = static_cast<double>(width()) / MinimumWidthPx;
    // The list bar grows with the window up to its widest; it is never narrower than its longest text.
    int longest = 0;
    for (const QString& key : m_listBar->itemKeys()) {
        longest = std::max(longest, m_listBar->fontMetrics().horizontalAdvance(m_listBar->itemText(key)));
    }
    const int listWidth = std::max(px(std::min(static_cast<int>(1965 * r), 2800)), longest + 56);
    const int top = m_lblUebersicht->geometry().bottom() + 1 + px(20);
    m_listBar->setGeometry(0, top, listWidth, h - top);
    const int right = w - listWidth;
    m_uctlDescription->setGeometry(listWidth, top, right, px(2820));
    m_tabCompositionSearch->setGeometry(listWidth, top, right, h - top);
    m_uctlPropertySearch->setGeometry(listWidth, top, right, h - top);
    m_uctlPropertySearch->ManualResize();
    const int pageTop = m_uctlDescription->geometry().bottom() + 1 + px(20);
    const QRect page(listWidth + px(60), pageTop, right - px(120), h - pageTop);
    for (QWidget* overview :
         std::initializer_list<QWidget*>{m_uctlInfo, m_uctlCompositionView, m_uctlStandardComparison,
                                         m_uctlSupplier, m_uctlPropertiesView, m_uctlSelection}) {
        overview->setGeometry(page);
    }
}

void frmMain::ResetMaterialDisplay() {
    m_materialSelected = false;
    m_page = 1;
    m_listBar->setCurrentGroup(1);
    m_lblUebersicht->setText(QLatin1Char(' ') + m_listBar->itemText(QStringLiteral("AUSWAHL")));
    m_lblAktuellerStahl->clear();
    m_uctlCompositionView->Clear();
    m_uctlCompositionSearch->ResetControl();
    m_uctlAdvancedCompositionSearch->ResetControl();
    m_uctlInfo->setText({});
    m_uctlSupplier->Clear();
    m_uctlPropertySearch->Clear();
    m_displayInfo->Clear();
}

void frmMain::ApplySymbolSize() {
    const int size = ProgrammSettings().Symbols() == 0 ? 0 : 1;
    for (int group = 1; group <= std::min(3, m_listBar->groupCount()); ++group) {
        m_listBar->setGroupIconSize(group, size == 0 ? controls::ListBar::IconSize::Large
                                                     : controls::ListBar::IconSize::Small);
    }
    menuItem(QStringLiteral("mnuSymbole"), 0)->setChecked(size == 0);
    menuItem(QStringLiteral("mnuSymbole"), 1)->setChecked(size == 1);
}

void frmMain::MarkLanguage(int language) {
    for (int i = 0; i < 3; ++i) {
        menuItem(QStringLiteral("mnuSprache"), i)->setChecked(i == language);
    }
}

void frmMain::SetSymbolSize(int size) {
    ProgrammSettings().Symbols(size);
    ApplySymbolSize();
}

void frmMain::ShowConnectionState() {
    const bool connected = m_application && m_application->LoggedIn();
    m_statusBar->setPanelText(QStringLiteral("LINKS"), connected ? text(69, QStringLiteral("Angemeldet"))
                                                                 : text(70, QStringLiteral("Abgemeldet")));
}

void frmMain::HandMaterialToPanels() {
    for (contract::Panel* page : std::initializer_list<contract::Panel*>{
             m_uctlCompositionView, m_uctlStandardComparison, m_uctlSupplier, m_uctlPropertiesView,
             m_uctlCompositionSearch, m_uctlAdvancedCompositionSearch}) {
        page->setMaterial(m_material);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        layoutFrame();
        return false;
    }
    if ((watched == m_picToolTip || watched == m_lblToolTip) && event->type() == QEvent::Enter) {
        m_picToolTip->hide();
        m_timerToolTip->start(1000);
        return false;
    }
    if (menuHelpKey(watched, event)) {
        return true;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || widget->window() != this) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        for (contract::Panel* search : std::initializer_list<contract::Panel*>{
                 m_uctlCompositionSearch, m_uctlAdvancedCompositionSearch, m_uctlPropertySearch}) {
            if (search->isVisible()) {
                search->setShift(static_cast<int>(key->modifiers()));
            }
        }
        const auto shortcut = Qt::ShiftModifier | Qt::ControlModifier;
        if (event->type() == QEvent::KeyPress && (key->modifiers() & shortcut) == shortcut &&
            key->key() == Qt::Key_I) {
            CountInformation();
            return true;
        }
        if (event->type() == QEvent::KeyPress && (key->modifiers() & shortcut) == shortcut &&
            key->key() == Qt::Key_S) {
            ShowCombinationWindow();
            return true;
        }
    }
    return false;
}

void frmMain::closeEvent(QCloseEvent* event) {
    HideToolTip();
    if (ProgrammSettings().EndeBestaetigen() != 0 && m_services.messageBoxes != nullptr) {
        const auto answer = m_services.messageBoxes->show(
            this, text(41, QStringLiteral("Programm beenden?")), QString::fromLatin1(contract::ProgramTitle),
            MessageBoxes::Icon::Question, MessageBoxes::Buttons::YesNo);
        if (answer != MessageBoxes::Answer::Yes) {
            event->ignore();
            return;
        }
    }
    if (m_combinationWindow != nullptr) {
        m_combinationWindow->CloseDialog();
    }
    m_favorites.SaveFavorites();
    m_materialErrors.reset();
    m_material.reset();
    m_list.reset();
    if (m_application) {
        m_application->CloseConnection();
    }
    event->accept();
}

} // namespace shell
