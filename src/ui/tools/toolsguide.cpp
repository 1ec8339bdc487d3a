#include "ui/tools/toolsguide.h"

#include "ui/helpdialog.h"

namespace colmara {

namespace {

// The help's text: data, kept apart from the code that shows it.
constexpr char kGuideHtml[] = R"(
<h2>Spirit and still tools</h2>
<p>Each form answers as you type; when an input cannot be answered for, the
answer's place names it and says why. Strengths are per cent by volume at
20 °C (the true strength, as hydrometers and labels give it) or per cent by
weight, as the form's unit says. Every temperature lies within −20 to 40 °C
and above the spirit's freezing point; volumes are 0.001 ml to
10<sup>12</sup> ml.</p>

<h3>Dilution</h3>
<p>The water that brings a spirit down to a target strength, or, with
<i>final volume</i>, the spirit and water that make that volume. Water and
ethanol contract when mixed, so the water comes from the mass and ethanol
balances and each liquid's density at 20 °C, not from the strengths times
the volumes: 2 l of 80 % and 2077 ml of water make 4 l of 40 %.</p>

<h3>Blending</h3>
<p>Any number of parts, each a volume measured at its temperature and its
true strength: their masses and ethanol add up, and the blend's volume at
20 °C follows from its density, so the contraction is in it.</p>

<h3>Hydrometer</h3>
<p>An alcoholmeter calibrated at 20 °C read at another temperature: the true
strength is that of the mixture with the same density at the temperature
read, the glass having expanded by 25·10<sup>−6</sup> per K. With a volume
measured at that temperature, its volume at 20 °C.</p>

<h3>Sizing</h3>
<p>The column's calculation for the four inputs (started from the window
that opened the tools), then the hardware: the column height (plates times
the packing's height per theoretical plate; with no packing and no typed
HETP the height is left out), the vapour's speed and F-factor at the bottom
and the top of the bore (an ideal gas at 1 atm), the condenser's duty and the
cooling water, and with a charge the heat-up, the batch run's estimate.</p>

<h3>Published data</h3>
<p>Densities: the general formula of the International Alcoholometric Tables
(OIML R 22), which also gives the glass's expansion. Freezing points: Lange's
Handbook of Chemistry and The Engineering ToolBox. Packings: typical heights
per theoretical plate for hobby columns of about 50 mm, each uncertain by
30 % or more. The full formulas are in the project's model description.</p>

<h3>Keys</h3>
<p>Alt with an underlined letter goes to that field or tab; F1 shows this
help; Escape or Ctrl+W closes the window, which keeps its entries for the
next time it opens.</p>
)";

}  // namespace

QString ToolsGuideHtml() {
    return QString::fromUtf8(kGuideHtml);
}

void ShowToolsGuide(QWidget& parent) {
    ShowHelpDialog(parent, {QStringLiteral("ToolsGuide"), QStringLiteral("Colmara Tools – Help"),
                            QStringLiteral("Help text"), ToolsGuideHtml(), QSize(520, 480)});
}

}  // namespace colmara
