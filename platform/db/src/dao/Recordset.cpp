#include "RecordsetImpl.h"
#include "platform/db/Dao.h"

namespace platform::db {

Recordset::Recordset(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
Recordset::~Recordset() = default;

RecordsetType Recordset::type() const {
    return m_impl->type();
}
bool Recordset::bof() const {
    return m_impl->bof();
}
bool Recordset::eof() const {
    return m_impl->eof();
}
void Recordset::moveFirst() {
    m_impl->moveFirst();
}
void Recordset::moveNext() {
    m_impl->moveNext();
}
void Recordset::movePrevious() {
    m_impl->movePrevious();
}
void Recordset::moveLast() {
    m_impl->moveLast();
}
std::int32_t Recordset::recordCount() const {
    return m_impl->recordCount();
}
bool Recordset::countInBackground() {
    return m_impl->countInBackground();
}
bool Recordset::countReady() const {
    return m_impl->countReady();
}
std::int32_t Recordset::absolutePosition() const {
    return m_impl->absolutePosition();
}
void Recordset::setAbsolutePosition(std::int32_t position) {
    m_impl->setAbsolutePosition(position);
}

std::int32_t Recordset::fieldCount() const {
    return m_impl->fieldCount();
}
std::string Recordset::fieldName(std::int32_t index) const {
    return m_impl->fieldName(index);
}
Variant Recordset::field(std::int32_t index) const {
    return m_impl->field(index);
}
Variant Recordset::field(std::string_view name) const {
    return m_impl->field(name);
}
FieldView Recordset::fieldView(std::int32_t index) const {
    return m_impl->fieldView(index);
}
FieldView Recordset::fieldView(std::string_view name) const {
    return m_impl->fieldView(name);
}
void Recordset::setField(std::string_view name, Variant value) {
    m_impl->setField(name, std::move(value));
}

void Recordset::setIndex(std::string_view indexName) {
    m_impl->setIndex(indexName);
}
void Recordset::seek(std::string_view comparison, const std::vector<Variant>& keys) {
    m_impl->seek(comparison, keys);
}
void Recordset::findFirst(std::string_view criteria) {
    m_impl->find(FindDirection::First, criteria);
}
void Recordset::findNext(std::string_view criteria) {
    m_impl->find(FindDirection::Next, criteria);
}
void Recordset::findPrevious(std::string_view criteria) {
    m_impl->find(FindDirection::Previous, criteria);
}
void Recordset::findLast(std::string_view criteria) {
    m_impl->find(FindDirection::Last, criteria);
}
bool Recordset::noMatch() const {
    return m_impl->noMatch();
}

void Recordset::addNew() {
    m_impl->addNew();
}
void Recordset::edit() {
    m_impl->edit();
}
void Recordset::update() {
    m_impl->update();
}
void Recordset::cancelUpdate() {
    m_impl->cancelUpdate();
}
void Recordset::deleteCurrent() {
    m_impl->deleteCurrent();
}

void Recordset::close() {
    m_impl->close();
}
bool Recordset::isOpen() const {
    return m_impl->isOpen();
}

} // namespace platform::db
