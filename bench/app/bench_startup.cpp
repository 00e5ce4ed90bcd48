// From program start to a shown window: the application set-up, the main
// window with all its pages and its first showing, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>
#include <chrono>
#include <memory>

#include "app/panes.h"
#include "app/unt_index.h"

namespace {

std::unique_ptr<QApplication> g_app;
int g_argc = 1;
char g_name[] = "vantrel";
char* g_argv[] = {g_name, nullptr};

void ShowAndWait(vantrel::app::TFrmIndex& window) {
  window.show();
  while (!window.windowHandle() || !window.windowHandle()->isExposed()) QApplication::processEvents();
  QApplication::processEvents();
}

// The first window of the process, application set-up included: what a user
// waits for after starting the program.
void BM_StartToShownWindow(benchmark::State& state) {
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    g_app = std::make_unique<QApplication>(g_argc, g_argv);
    vantrel::app::SetUpApplication();
    vantrel::app::TFrmIndex window;
    ShowAndWait(window);
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
}
BENCHMARK(BM_StartToShownWindow)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Every later window: creating and showing the main window alone.
void BM_MainWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    vantrel::app::TFrmIndex window;
    ShowAndWait(window);
  }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond);

}  // namespace
