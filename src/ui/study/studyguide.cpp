#include "ui/study/studyguide.h"

#include "ui/helpdialog.h"

namespace colmara {

namespace {

// The guide's text: data, kept apart from the code that shows it.
constexpr char kGuideHtml[] = R"(
<h2>The study window</h2>
<p>Type the five inputs on the left: heating power, boiler strength, number of
plates, reflux ratio and the plates' efficiency (100 % for ideal plates, as the
main window calculates). Every change is calculated at once; the line under the
inputs gives the product's strength and amount, or why the inputs do not
calculate. Then the last curves that did are drawn in grey, and nothing is
exported or copied until the inputs calculate again.</p>

<h3>The tabs</h3>
<ul>
<li><b>Column profile</b>: the strength of the vapour and of the liquid on each
plate, from the boiler (plate 0) to the top, and the temperature there.</li>
<li><b>McCabe–Thiele</b>: the column drawn as stages between the equilibrium
curve and the operating points (see below). <i>Published data</i> adds the
measured equilibrium points the curve was fitted to. <i>Limits</i> draws the
two limits of getting from this boiler to this product (see below).</li>
<li><b>Sweep</b>: one input run from <i>From</i> to <i>To</i> in steps of
<i>Step</i>, the others as typed; the product's strength (solid, left
axis) and amount (dashed, right axis) against it, and the rows in a table.</li>
<li><b>Batch run</b>: a whole run of the still, from heating a charge to the
last cut: the product's and the boiler's strength (left axis) and the amount
collected (dashed, right axis) over minutes from the start of heating, each
cut's beginning a grey dashed line named on the chart, under a strength-policy
run the reflux ratio it sets over the same minutes, and the cut table (times
in minutes and h:mm). <i>Head temperature on the chart</i> puts the head
thermometer's reading at the run's air pressure on the right axis, in °C,
instead of the amount collected: a cut by the head temperature
(<tt>&gt;80.5C</tt>) begins where the curve crosses 80.5 °C. Its own fields give the
charge, the policy (a constant reflux ratio, or a reflux that rises to hold a
target strength up to a maximum), the cuts (heads and where hearts end, or
your own list such as <tt>heads:40g; hearts:&lt;85; tails:end</tt>) and when
to stop; an empty stop field is no stop. The heat-up is an estimate. Export
writes the cut table as <tt>colmara-report batch --cuts</tt> prints it, or,
chosen in the dialog's list, the timeline as <tt>colmara-report batch</tt>
prints it. <i>File → Open run log…</i> (or a .csv file dropped on the tab)
draws a still's log of a real run as open marks over the curves, each reading
beside the curve it is compared with (a head or boiler thermometer as the
strength it means at the run's air pressure, or, with the head temperature on
the chart, against it in °C), named after the file in the legend; the line
under the chart says how many readings were compared and what was left out,
and <i>Log notes…</i> lists every line left out. <i>Fit to log</i> finds the
whole number of plates and the share of the heating power lost that bring the
run closest to the log, off the window's thread (any change of the inputs
stops it), and gives the misfit as typed and fitted, the misfits a plate and
5 points of loss away, and says when the fit is poor. The numbers are
effective, not physical. A saved setup keeps the log's path and opens it
again; <i>File → Close run log</i> removes it.</li>
<li><b>Compare</b>: the vapour strength per plate of the current run against
up to four runs you pinned.</li>
</ul>
<p>Under each chart a line reads the values at the mouse pointer.</p>

<h3>Reading this McCabe–Thiele diagram</h3>
<p>Both axes are mass fractions of ethanol (mole fractions, as textbooks
draw it, when the unit is % mol): the liquid on a plate (x) and the
vapour (y). The blue curve is the equilibrium the model uses: the vapour that
leaves a plate in balance with its liquid. The red steps are the plates: up
from a liquid to the curve (the plate's vapour), then across to the next
plate's liquid.</p>
<p>Each orange point pairs the liquid leaving a plate with the vapour rising
into it from the plate below. In the textbook construction these points lie on
one straight operating line, of slope R/(R+1), because the liquid and vapour
flows are taken as the same on every plate. Here they are not: the column's heat
balance is worked out plate by plate, and the heat needed to evaporate the
mixture changes with its strength, so the vapour flow and with it the reflux
change from plate to plate. The points therefore bend away from a straight
line; the more the strength changes over the column, the more they bend.</p>

<h3>What the plate efficiency does</h3>
<p>An ideal plate sends up the vapour in equilibrium with its liquid. A real
plate falls short: its vapour moves only part of the way from the vapour rising
into it towards that equilibrium, and the efficiency is that part (Murphree's
plate efficiency). At 60 % each step on the McCabe–Thiele diagram rises only
60 % of the way from its orange point to the blue curve and ends on the dashed
<i>pseudo-equilibrium</i> curve, which lies between the two. The steps are
smaller, so the same plates give a weaker product, or the same product needs
more plates. The boiler is always an ideal stage. Where the steps crowd into a
pinch the dashed and the blue curve meet the orange points together, so the
least reflux a separation needs does not change with the efficiency; the fewest
plates do.</p>

<h3>The limits of a separation</h3>
<p><i>Limits</i> on the McCabe–Thiele tab draws, dotted, the staircase at total
reflux, where no product is taken and every step turns on the diagonal: the
fewest plates that lift this boiler's liquid to this product, given whole and as
a fraction under the chart. It also finds the least reflux with which 100 plates
still reach the product; there the steps crowd into a pinch, marked by a thick
line at its strength. For a weak boiler the pinch sits at the bottom; towards the
azeotrope it moves up to where the operating points touch the curve, a tangent
pinch, and the least reflux no longer depends on the boiler. Poorer plates need
more plates at total reflux; the least reflux, set where the steps pinch, stays.</p>

<h3>How the batch run is worked out</h3>
<p>The boiler starts with the charge. At every moment the column is the steady
state this window calculates for the boiler's strength at that moment, with
the run's power, plates and reflux: what comes over, how strong and how fast.
What comes over leaves the boiler, so its strength falls; the run follows that
fall moment by moment (the balance of mass and of alcohol, integrated over the
boiler's strength) and reads off when each cut ends and when a stop is met.
Every row of the timeline can be typed into the inputs and gives the same
product, until the alcohol counts as spent (below).</p>
<p>It assumes what the column calculation assumes, and more: the plates and the
condenser hold no liquid, so the product answers the boiler at once (a real
packed column holds a few per cent of the charge, so its first product comes
later and stronger); no heat is lost (a real still is slower); and the column
settles at each moment, which fails for a small charge run fast. The heat-up
warms the charge at full power from the start temperature to its boiling
point, from published heat capacities; it is an estimate.</p>
<p><b>Policies.</b> <i>Reflux</i> keeps the reflux ratio, so the product
weakens as the boiler is spent. <i>Strength</i> raises the reflux, in steps of
0.001 and never down, to hold the target strength; once the target needs more
than the maximum reflux, the run goes on at the maximum and the product
weakens.</p>
<p><b>Cuts.</b> Each cut ends at a CONDITION: an amount of product
(<tt>50ml</tt>, <tt>40g</tt>), a share of the charge's alcohol
(<tt>3%</tt>), the product falling below a strength (<tt>&lt;80</tt>), the
head temperature rising above a temperature (<tt>&gt;80.5C</tt>), a minute
from the start of heating (<tt>90min</tt>), or the end of the run
(<tt>end</tt>). The run ends when the last cut does or a stop is met, the
earlier of the two; the product's stop also takes a head temperature
(<tt>&gt;96C</tt>).</p>
<p><b>Head temperature.</b> What a thermometer at the column's head reads:
where the product's vapour condenses, at the air pressure typed (or the
standard atmosphere's at the altitude typed; 1013.25 hPa when neither is). A
real head thermometer reads a little low. A temperature no vapour condenses at
there is refused.</p>
<p><b>Boiler empty.</b> With no stop that is ever met, the run goes on until the
alcohol counts as spent (0.01 % by weight in the boiler) and then takes the
water left at that rate: "boiler empty" means that. What comes over then has
the boiler's strength, and the timeline's rows say so rather than what the
column would make of such a boiler. A real run stops long before, so give a
stop.</p>

<h3>The Tools window</h3>
<p><i>Spirit and still tools…</i> in the File menu opens four forms that
answer as you type: <i>Dilution</i> (the water that brings a spirit to a
target strength, with the contraction on mixing), <i>Blend</i> (the strength
and volume of parts mixed), <i>Hydrometer</i> (the true strength of an
alcoholmeter read away from 20 °C) and <i>Sizing</i> (the column's height from
a packing, the vapour's speed, the condenser's water and the charge's
heat-up). The first three use the density formula of the International
Alcoholometric Tables; the sizing solves the column as this window does and
takes the packings' heights from published figures for small columns.</p>

<h3>Pins and sweeps</h3>
<p>On the Compare tab, <i>Pin this run</i> keeps the current run as a dashed
curve named by its inputs; <i>Remove pin</i> and <i>Clear pins</i> take pins
away. On the Sweep tab, <i>Go</i> starts a sweep and <i>Cancel</i> (or Escape)
stops it, keeping the rows already calculated. A sweep keeps its rows when the
inputs change; the next run uses the new ones.</p>

<h3>Units</h3>
<p><i>Unit</i> shows every strength in per cent by weight (what the model
calculates in), per cent by volume at 20 °C, or per cent by mole (from the
molar masses of ethanol and water, 46.068 and 18.015 g/mol; the
McCabe–Thiele diagram is then drawn in mole fractions). Switching converts the boiler
strength's text, and every strength of the batch run (target, hearts until,
the strength stops and the <tt>&lt;</tt> of your own cuts), so the run stays
the same; each of those fields names its unit. Switching back gives back what
you typed. The default product stop is 20 % vol in every unit.</p>

<h3>Files</h3>
<p><i>Save setup</i> (Ctrl+S) writes the inputs (the efficiency only when it
is not 100 %), the unit and the batch
run's fields you changed to a small JSON file; <i>Open setup</i> (Ctrl+O) reads one back, and the companion tool
<tt>colmara-report</tt> reads it with <tt>--setup</tt>. <i>Export</i> (Ctrl+E)
saves the current tab's chart as PNG or SVG or its table as CSV;
<i>Copy table</i> (Ctrl+Shift+C) copies the table for a spreadsheet.</p>

<h3>Keys</h3>
<p>Tab moves through the inputs, the tabs and the tab's controls in screen
order. Ctrl+Tab and Ctrl+PgDn go to the next tab, Ctrl+Shift+Tab and Ctrl+PgUp
to the previous one; Alt with an underlined letter goes to that control.</p>
)";

}  // namespace

QString StudyGuideHtml() {
    return QString::fromUtf8(kGuideHtml);
}

void ShowStudyGuide(QWidget& parent) {
    ShowHelpDialog(parent, {QStringLiteral("StudyGuide"), QStringLiteral("Colmara Study – Guide"),
                            QStringLiteral("Guide text"), StudyGuideHtml(), QSize(560, 520)});
}

}  // namespace colmara
