#pragma once
// The one QApplication of a benchmark run, made on first use: offscreen unless a platform
// is set, living for the whole run.

#include <QApplication>
#include <QElapsedTimer>

namespace velmora {

// Makes the application if there is none yet; the milliseconds that took, else 0.
inline double EnsureBenchApplication() {
    if (QApplication::instance()) return 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velmora_bench";
    static char* argv[] = {name, nullptr};
    QElapsedTimer timer;
    timer.start();
    new QApplication(argc, argv);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace velmora
