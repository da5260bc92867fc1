// Runs the test classes of the property search page and the combination window in one executable.

#include "PropertySearchPanelTest.h"

#include <QApplication>
#include <QTest>

int runResultCombinationTest(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    propertytest::PropertySearchPanelTest panel;
    int failed = QTest::qExec(&panel, argc, argv);
    failed += runResultCombinationTest(argc, argv);
    return failed;
}
