#pragma once

#include <cstdint>
#include <string>

namespace orvik::objects {

/// One hit of the property search: a designation of a steel in a country. A record of public values.
class MaterialItem {
public:
    std::string ID_Steel;
    /// The designation (`Id_Stahlbez`).
    std::string ID_Label;
    std::int32_t IdCountry = 0;
    /// 'W' material number, 'K' symbol, 'F' trade name.
    std::string DesignationType;
    std::int32_t Order = 0;
    /// The designation occurrence (`Id_StahlbezVorkommen`), the key of the hit.
    std::string IdDesigCountry;
    std::string Designation;
    std::string MaterialNo;
};

} // namespace orvik::objects
