#include "ProgramPanels.h"

namespace shell {

contract::PanelFactory programPanels() {
    contract::PanelFactory factory;
    return factory;
}

} // namespace shell
