#pragma once

#include "ObjectsTestSupport.h"
#include "objects/ReportDocument.h"

#include <memory>
#include <string>

namespace orvik::objects {
class Application;
class Material;
class PrintSteel;
} // namespace orvik::objects

namespace apptest {

/// The designation and occurrence through which a sample steel is seen.
struct SeenAs {
    const char* steel;
    const char* designation;
    int occurrence;
};
/// 1.0038 (S235JR in Europe).
inline constexpr SeenAs S235JR{"1", "2", 2};
/// 1.4301 (X5CrNi18-10 in Europe).
inline constexpr SeenAs X5CrNi18_10{"69", "340", 482};
/// 1.7225 (42CrMo4 in Europe).
inline constexpr SeenAs C42CrMo4{"27", "139", 197};

/// A program folder of the test's own with the sample databases, the print template and the report
/// file, a connected application, and a sample steel (1.0038, S235JR in Europe, unless told
/// otherwise), in German with a comma as decimal separator.
class SampleSteel {
public:
    explicit SampleSteel(SeenAs seen = S235JR);
    ~SampleSteel();

    [[nodiscard]] const std::shared_ptr<orvik::objects::Application>& application() const { return m_app; }
    [[nodiscard]] const std::shared_ptr<orvik::objects::Material>& material() const { return m_material; }
    [[nodiscard]] const objectstest::TestProgram& program() const { return m_program; }
    /// The program folder, ending in the separator.
    [[nodiscard]] std::string programFolder() const;

    /// The data sheet with every section on and every property table and property, as the print
    /// writer and the report lay it out; `date` stands in the page foot.
    [[nodiscard]] orvik::objects::ReportDocument dataSheet(const std::string& date) const;

private:
    objectstest::TestProgram m_program;
    test_support::ScopedEnv m_separator{"GK_DECIMAL_SEPARATOR", std::string(",")};
    std::shared_ptr<orvik::objects::Application> m_app;
    std::shared_ptr<orvik::objects::Material> m_material;
};

/// Turns every section switch of the print writer on.
void switchEverySectionOn(orvik::objects::PrintSteel& print);

} // namespace apptest
