#include "ui/tools/toolsguide.h"

#include "ui/helpdialog.h"

namespace colmara {

namespace {

// The help's text: data, kept apart from the code that shows it.
constexpr char kGuideHtml[] = R"(
<h2>Spirit and still tools</h2>
<p>Each form answers as you type; when an input cannot be answered for, the
answer's place names it and says why. Strengths are per cent by volume at
20 °C (the true strength, as hydrometers and labels give it), per cent by
weight or per cent by mole (as textbooks give it), as the form's unit says;
the answers give them by volume and by weight. In the dilution, blending and hydrometer
forms every temperature lies within −20 to 40 °C and above the spirit's
freezing point; volumes are 0.001 ml to 10<sup>12</sup> ml.</p>

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
<p>The column's calculation for the four inputs and the plates' efficiency
(started from the window that opened the tools; the main window's plates
are ideal, 100 %), then the hardware: the column height (plates times
the packing's height per theoretical plate; with no packing and no typed
HETP the height is left out), the vapour's speed and F-factor at the bottom
and the top of the bore (an ideal gas at 1 atm), the condenser's duty and the
cooling water, and with a charge the heat-up, the batch run's estimate.</p>

<h3>Thermometer</h3>
<p>What a thermometer says about the strengths at your still, and the other
way round, at your air pressure. <i>Given</i> says where the reading is
taken: in the vapour at the column's head, where it condenses, or in the
liquid in the boiler, where it boils. A reading in °C gives the liquid and
the vapour in equilibrium at that temperature; a temperature above the
boiling point of water or below the azeotrope's at that pressure belongs to
no mixture and is refused. A strength gives its boiling or condensing
temperature and the other side's strength.</p>
<p>The air pressure is typed in hPa as a barometer reads it at the still (not
reduced to sea level), or as the altitude in m, the pressure of a standard
day there (the weather moves it by some 30 hPa, about 0.8 K at the head);
empty is 1013.25 hPa. A thermometer's offset in K (what it reads less the
true temperature) is taken off every temperature typed, or it follows from
what the thermometer reads in boiling water at the same air pressure; with
one the answer also says what the thermometer reads.</p>

<h3>My column</h3>
<p>The theoretical plates of your own column, worked back from two readings,
each with its unit: the boiler's (its thermometer, or the strength in it)
and the head's (its thermometer, or the strength of the vapour there), at
the air pressure and through the thermometer's offset as above. At total
reflux (no product taken) the plates are the staircase between the model's
equilibrium curve and the diagonal; at a power and reflux ratio, the column
calculation's, from 0 to 100 plates.</p>
<p>The answer gives the whole plates above the boiler that first reach the
head, the fraction (the head's strength interpolated between that count and
the one below) and the stages counting the boiler (plates + 1, as hobby
calculators count). A packed height adds the HETP (height per theoretical
plate), a number of real plates (trays, bubble caps) the overall efficiency
(theoretical over real plates); neither exists below one plate. A head
weaker than the boiler's own vapour is less than one stage, a fraction
below 0; a head no column reaches is refused with what the model reaches.
A count can solve a hundred columns, so its answer follows your typing a
moment later. Near the azeotrope a tenth of a kelvin at the head spans
several per cent of strength, and a real head thermometer reads a little
low, so counts from head temperatures of a strong spirit are uncertain.</p>

<h3>Published data</h3>
<p>Densities: the general formula of the International Alcoholometric Tables
(OIML R 22), which also gives the glass's expansion. Freezing points: Lange's
Handbook of Chemistry and The Engineering ToolBox. Packings: typical heights
per theoretical plate for hobby columns of about 50 mm, each uncertain by
30 % or more. Boiling at another air pressure: the column model's own
answer at 1 atm moved by the change that Antoine's vapour pressures and Van
Laar's activity coefficients give between 1 atm and that pressure (constants
from Perry's Chemical Engineers' Handbook, 6th ed.); water's change agrees
with the steam tables (IAPWS-IF97) within 0.05 K from 700 to 1050 hPa. An
altitude becomes a pressure by the international standard atmosphere (ICAO
Doc 7488). The full formulas are in the project's model description.</p>

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
