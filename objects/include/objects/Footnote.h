#pragma once

#include <string>

namespace orvik::objects {

/// One footnote: the mark shown at a value and its text. A record of public values.
class Footnote {
public:
    /// The remark's id as text; empty for footnotes of an XML property matrix.
    std::string Footnote_ID;
    std::string Symbol;
    std::string Footnote;
};

} // namespace orvik::objects
