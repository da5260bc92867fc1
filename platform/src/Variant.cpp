#include "platform/Variant.h"

// The variant is header-only so far; its conversions live in VbConvert.
