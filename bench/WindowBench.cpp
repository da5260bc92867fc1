#include "WindowBench.h"

#include "ObjectModelBench.h"
#include "objects/Application.h"

#include <QApplication>

namespace bench {

void settleWindow() {
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QApplication::processEvents(QEventLoop::AllEvents);
    }
}

std::shared_ptr<orvik::objects::Application> windowApplication(benchmark::State& state, bool first) {
    // The run's application sets up the program folder a new one reads.
    auto app = application(state);
    if (!app || !first) {
        return app;
    }
    app = orvik::objects::Application::create();
    app->OpenConnection();
    if (!app->LoggedIn()) {
        state.SkipWithError("the application could not open the generated databases");
        return nullptr;
    }
    return app;
}

} // namespace bench
