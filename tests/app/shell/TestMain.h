#pragma once

// Every test class of the shell registers itself here; one executable runs them all.
#include <QApplication>
#include <QTest>
#include <functional>
#include <vector>

namespace shelltest {

using Runner = std::function<int(int, char**)>;

inline std::vector<Runner>& runners() {
    static std::vector<Runner> all;
    return all;
}

struct Registration {
    explicit Registration(Runner runner) { runners().push_back(std::move(runner)); }
};

} // namespace shelltest

#define GK_SHELL_TEST(Class)                                                                                 \
    static const shelltest::Registration registration##Class([](int argc, char** argv) {                     \
        Class test;                                                                                          \
        return QTest::qExec(&test, argc, argv);                                                              \
    });
