#pragma once

#include "shell/contract/CombinationWindow.h"
#include "shell/contract/MaterialDisplayInfo.h"
#include "shell/contract/Panels.h"

#include <functional>
#include <memory>

namespace shell::contract {

/// How the main window gets its ten panels and the shared display strings. Each member makes one; an
/// empty member gives the empty frame of that page (the contract class itself). The program fills in
/// the panel libraries' makers in one place, app/shell/src/ProgramPanels.cpp; a test fills in fakes. The main
/// window takes ownership of what a maker returns.
struct PanelFactory {
    template <typename P> using Maker = std::function<std::unique_ptr<P>()>;

    Maker<SelectionPanel> selection;
    /// Called twice, with the control names `uctlCompositionSearch` and `uctlAdvancedCompositionSearch`.
    std::function<std::unique_ptr<CompositionSearchPanel>(const QString& controlName)> compositionSearch;
    Maker<PropertySearchPanel> propertySearch;
    Maker<Panel> description;
    Maker<Panel> compositionView;
    Maker<SupplierPanel> supplier;
    Maker<PropertiesViewPanel> propertiesView;
    Maker<InfoPanel> info;
    Maker<Panel> standardComparison;
    std::function<std::shared_ptr<MaterialDisplayInfo>()> materialDisplayInfo;
    /// The result combination window (a window of its own, parented to the main window).
    Maker<CombinationWindow> combinationWindow;
};

} // namespace shell::contract
