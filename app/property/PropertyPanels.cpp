#include "PropertyPanels.h"

#include "frmErgebniskombination.h"
#include "uctlPropertySearch.h"

namespace property {

void addPropertyPanels(shell::contract::PanelFactory& factory) {
    factory.propertySearch = [] {
        return std::make_unique<uctlPropertySearch>();
    };
    factory.combinationWindow = [] {
        return std::make_unique<frmErgebniskombination>();
    };
}

} // namespace property
