#include "objects/GlobalFunctions.h"

#include "common/Helper.h"

namespace orvik::objects {

std::string GlobalFunctions::CVarStr(const platform::Variant& vValue) {
    return orvik::common::Helper::CVarStr(vValue);
}

} // namespace orvik::objects
