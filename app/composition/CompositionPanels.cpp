#include "CompositionPanels.h"

#include "uctlCompositionSearch.h"

namespace composition {

void addCompositionPanels(shell::contract::PanelFactory& factory) {
    factory.compositionSearch = [](const QString& controlName) {
        return std::make_unique<uctlCompositionSearch>(controlName);
    };
}

} // namespace composition
