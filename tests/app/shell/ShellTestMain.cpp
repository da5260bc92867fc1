#include "TestMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& run : shelltest::runners()) {
        failed += run(argc, argv);
    }
    return failed;
}
