// Speed of the Tools window on the offscreen platform: from a keystroke in a
// form's field to its answer shown (the answer is computed as the key is
// handled), against a frame of 16 ms. The sizing form runs a calculation at
// 100 plates on every key; the thermometer form answers a head reading at
// 950 hPa through an offset.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>

#include "benchapplication.h"
#include "ui/tools/toolswindow.h"

namespace colmara {
namespace {

// Range 0: the tab (0 dilution, 3 sizing, 4 thermometer). Each iteration types one digit
// into the form's first field and takes it out again: two keystrokes, two
// answers, each painted before the next.
// A key pressed and released in `field`, as the window system delivers it.
void Keystroke(QLineEdit* field, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(field, &press);
    QCoreApplication::sendEvent(field, &release);
}

void BM_KeystrokeToAnswer(benchmark::State& state) {
    BenchApplication();
    const FormatSettings settings;
    QWidget owner;
    owner.show();
    ToolsWindow& window =
        ShowToolsWindow(owner, {"2000", "10", "100", "3"}, StrengthUnit::Weight, settings);
    window.Tabs().setCurrentIndex(static_cast<int>(state.range(0)));
    auto* form =
        static_cast<ToolForm*>(qobject_cast<QScrollArea*>(window.Tabs().currentWidget())->widget());
    window.Thermometer().pressure->setText(QStringLiteral("950"));
    window.Thermometer().offset->setText(QStringLiteral("0.3"));
    QLineEdit* field = form->findChildren<QLineEdit*>().first();
    field->setFocus();
    field->end(false);
    QApplication::processEvents();
    for (auto _ : state) {
        Keystroke(field, Qt::Key_5, QStringLiteral("5"));
        form->repaint();
        Keystroke(field, Qt::Key_Backspace, QString());
        form->repaint();
        benchmark::DoNotOptimize(form->AnswerText());
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_KeystrokeToAnswer)
    ->ArgName("tab")
    ->Arg(0)
    ->Arg(3)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace colmara
