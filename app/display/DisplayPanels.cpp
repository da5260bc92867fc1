#include "DisplayPanels.h"

#include "MaterialDisplayInfo.h"
#include "shell/contract/ErrorWindow.h"
#include "uctlCompositionView.h"
#include "uctlDescription.h"
#include "uctlInfo.h"
#include "uctlPropertiesView.h"
#include "uctlSelection.h"
#include "uctlStandardComparison.h"
#include "uctlSupplier.h"

namespace display {

void addDisplayPanels(shell::contract::PanelFactory& factory,
                      std::function<shell::contract::ErrorWindow*()> errorWindow) {
    factory.selection = [] {
        return std::make_unique<uctlSelection>();
    };
    factory.description = [] {
        return std::make_unique<uctlDescription>();
    };
    factory.compositionView = [] {
        return std::make_unique<uctlCompositionView>();
    };
    factory.supplier = [] {
        return std::make_unique<uctlSupplier>();
    };
    factory.propertiesView = [] {
        return std::make_unique<uctlPropertiesView>();
    };
    factory.info = [] {
        return std::make_unique<uctlInfo>();
    };
    factory.standardComparison = [] {
        return std::make_unique<uctlStandardComparison>();
    };
    factory.materialDisplayInfo = [errorWindow] {
        auto info = std::make_shared<MaterialDisplayInfo>();
        info->setErrorHandler([errorWindow](const std::string& modul, const std::string& procedure,
                                            std::int32_t number, const std::string& description) {
            auto* window = errorWindow ? errorWindow() : nullptr;
            if (window != nullptr) {
                window->ShowErrorForm(nullptr, QString::fromStdString(modul),
                                      QString::fromStdString(procedure), number,
                                      QString::fromStdString(description));
            }
        });
        return info;
    };
}

} // namespace display
