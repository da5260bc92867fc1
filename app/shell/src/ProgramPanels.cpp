#include "ProgramPanels.h"

#include "CompositionPanels.h"
#include "DisplayPanels.h"
#include "PropertyPanels.h"

namespace shell {

contract::PanelFactory programPanels(contract::ErrorWindow* errorWindow) {
    contract::PanelFactory factory;
    display::addDisplayPanels(factory, [errorWindow] { return errorWindow; });
    composition::addCompositionPanels(factory);
    property::addPropertyPanels(factory);
    return factory;
}

} // namespace shell
