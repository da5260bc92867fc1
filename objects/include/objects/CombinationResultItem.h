#pragma once

#include <cstdint>
#include <string>

namespace orvik::objects {

/// One designation occurrence present in every combined search result. A record of public values.
class CombinationResultItem {
public:
    std::string idSteel;
    std::string IdDesignation;
    std::string IdDesigCountry;
    std::int32_t IdCountry = 0;
    std::string Designation;
    std::int32_t Order = 0;
};

} // namespace orvik::objects
