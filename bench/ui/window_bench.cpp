// Speed of the window program on the offscreen platform: from creating the
// windows to the first painted main window, and from a "Calculate" click to
// the painted result at 100 plates.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include "benchapplication.h"
#include "runtime/numconv.h"
#include "ui/apptitle.h"
#include "ui/errorreporter.h"
#include "ui/startup.h"

namespace colmara {
namespace {

// The program's own start-up up to the application object, done once; its
// duration is reported with the first window benchmark.
double g_applicationMs = 0;

QApplication& Application() {
    static QApplication& app = []() -> QApplication& {
        QElapsedTimer timer;
        timer.start();
        RereadProcessFormatSettings();
        QApplication& created = BenchApplication();
        g_applicationMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        return created;
    }();
    return app;
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

void WaitForPaint(const PaintCounter& counter, int before) {
    while (counter.paints == before) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void BM_StartToFirstPaintedMainWindow(benchmark::State& state) {
    Application();
    ErrorReporter reporter(ApplicationTitleFromPath(QCoreApplication::applicationFilePath()));
    double firstMs = -1;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        Forms forms = CreateForms(reporter);
        PaintCounter counter;
        forms.form1->installEventFilter(&counter);
        forms.form1->show();
        WaitForPaint(counter, 0);
        if (firstMs < 0) firstMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        state.PauseTiming();
        forms = Forms{};
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["application_ms"] = g_applicationMs;
    state.counters["first_window_ms"] = firstMs;
}
BENCHMARK(BM_StartToFirstPaintedMainWindow)->Unit(benchmark::kMillisecond);

void BM_CalculateClickToPaintedResult(benchmark::State& state) {
    Application();
    ErrorReporter reporter(QStringLiteral("colmara"));
    Forms forms = CreateForms(reporter);
    TForm1& form = *forms.form1;
    form.Edit3->setText(QString::number(state.range(0)));
    PaintCounter counter;
    form.installEventFilter(&counter);
    form.show();
    WaitForPaint(counter, 0);
    for (auto _ : state) {
        const int before = counter.paints;
        form.Button1->click();
        // The lists ask for a repaint; the next paint of the window shows
        // the result.
        form.update();
        WaitForPaint(counter, before);
    }
    state.counters["report_lines"] = 6 + 7 * static_cast<double>(state.range(0)) + 6;
}
BENCHMARK(BM_CalculateClickToPaintedResult)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace colmara
