#include "platform/db/Dao.h"

namespace platform::db {

FieldView::FieldView(const Variant& value) {
    switch (value.type()) {
    case Type::Empty:
        break;
    case Type::Null:
        m_value = NullTag{};
        break;
    case Type::Integer:
        m_value = value.asInteger();
        break;
    case Type::Double:
        m_value = value.asDouble();
        break;
    case Type::Text:
        m_value = std::string_view(value.asText());
        break;
    case Type::Boolean:
        m_value = value.asBoolean();
        break;
    case Type::Date:
        m_value = value.asDate();
        break;
    }
}

Variant FieldView::toVariant() const {
    switch (type()) {
    case Type::Empty:
        return Variant();
    case Type::Null:
        return Variant::null();
    case Type::Integer:
        return Variant(asInteger());
    case Type::Double:
        return Variant(asDouble());
    case Type::Text:
        return Variant(std::string(asText()));
    case Type::Boolean:
        return Variant(asBoolean());
    case Type::Date:
        return Variant(asDate());
    }
    return Variant();
}

} // namespace platform::db
