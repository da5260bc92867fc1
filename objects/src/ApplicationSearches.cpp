// The application's factories of the property search and its mask.

#include "objects/Application.h"
#include "objects/PropertyMaskInit.h"
#include "objects/PropertySearch.h"

namespace orvik::objects {

std::shared_ptr<objects::PropertySearch> Application::PropertySearch() const {
    auto search = std::make_shared<objects::PropertySearch>();
    if (LoggedIn()) {
        search->Init(m_connection);
    }
    return search;
}

std::shared_ptr<objects::PropertyMaskInit> Application::PropertyMaskInit() const {
    auto mask = std::make_shared<objects::PropertyMaskInit>();
    if (LoggedIn()) {
        mask->Init(m_connection);
    }
    return mask;
}

} // namespace orvik::objects
