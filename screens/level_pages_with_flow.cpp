// Level pages with flow: the fuel flow large, each tank's contents, bar and
// "CALC" tag, under the home screen's status line. With the pressure display
// off the speed line takes the top and the rest moves down.
#include "core/fuel_configs.h"
#include "core/fuel_flow.h"
#include "core/settings.h"
#include "display/colours.h"
#include "display/text.h"
#include "screens/page_texts.h"
#include "screens/run_time_pages.h"
#include "screens/tank_display.h"

namespace {

constexpr int16_t end = boxToTextEnd;

// Single tank: the tank line sits under the large flow figure.
constexpr TankPlace singleTankPlace = {
    {120, 71, 16, alignCentre}, {74, 99, 2, end}, {145, 75, 12, alignRight}, {76, 96, 1, 145},
    "FL", 78, 25, 78, 66, 16, 79};

// Two tanks with two flows.
constexpr TankPlace dualFlowTank1Place = {
    {120, 43, 16, alignCentre}, {46, 72, 2, end}, {145, 47, 12, alignRight}, {48, 68, 1, end},
    "FL1", 50, 30, 51, 61, 14, 51};
constexpr TankPlace dualFlowTank2Place = {
    {120, 71, 16, alignCentre}, {74, 99, 2, end}, {145, 75, 12, alignRight}, {76, 96, 1, end},
    "FL2", 78, 30, 79, 61, 14, 79};

// Two tanks with one flow value.
constexpr TankPlace twoTankTank1Place = {
    {120, 44, 16, alignCentre}, {47, 73, 2, end}, {145, 48, 12, alignRight}, {50, 69, 1, end},
    "FL1", 51, 30, 52, 61, 14, 52};
constexpr TankPlace twoTankTank2Place = {
    {120, 72, 16, alignCentre}, {75, 100, 2, end}, {145, 76, 12, alignRight}, {77, 97, 1, end},
    "FL2", 79, 30, 80, 61, 14, 80};

// The pressure strip at the bottom, or the speed line at the top without it.
void drawPageStart(int16_t stripY)
{
    if (pressureStripShown())
        drawLevelPageStrip(stripY);
    else
        drawSpeedLine(15);
}

int16_t rowsFor(int16_t withStrip, int16_t withoutStrip)
{
    return pressureStripShown() ? withStrip : withoutStrip;
}

} // namespace

// One tank with one flow, or with both flows as one.
void singleTankPage()
{
    drawPageStart(104);
    const int16_t a = rowsFor(0, 15);
    const int16_t b = rowsFor(0, 18);
    const FuelConfigRow& config = currentFuelConfig();
    drawLabel(textAt(0, a + 22, 8, alignLeft), "FF");
    drawLabel(textAt(150, a + 35, 8, alignCentre), unitText("L/", "G/"));
    drawLabel(textAt(159, b + 79, 8, alignRight), unitText("L", "G"));
    drawLabel(textAt(150, a + 47, 8, alignCentre), "hr");
    drawFlow(flowFigure(config.flow), textAt(140, a + 12, 34, alignRight));
    drawTank(config.tanks == TankUse::tank2 ? 2 : 1, singleTankPlace, b);
}

// Two tanks, each with its own flow.
void twoTankDualFlowPage()
{
    drawPageStart(105);
    const int16_t q = rowsFor(0, 18);
    drawFlow(flowRate1, textAt(35, q + 15, 16, alignCentre));
    drawFlow(flowRate2, textAt(128, q + 15, 16, alignCentre));
    drawTank(1, dualFlowTank1Place, q);
    drawTank(2, dualFlowTank2Place, q);
    if (unitText("L", "G") == nullptr)
        return;
    drawLabel(textAt(80, q + 17, 8, alignCentre), unitText("L/", "G/"));
    drawLabel(textAt(80, q + 29, 8, alignCentre), "hr");
    drawLabel(textAt(159, q + 50, 9, alignRight), unitText("L", "G"));
    drawLabel(textAt(159, q + 78, 9, alignRight), unitText("L", "G"));
}

// Two tanks and one flow value: both flows as one, or the one flow.
void twoTankPage()
{
    drawPageStart(104);
    const int16_t p = rowsFor(0, 20);
    const int16_t f = rowsFor(2, 19);
    drawFlow(flowFigure(FlowUse::combinedOrEnabled), textAt(100, f + 12, 20, alignRight));
    drawTank(1, twoTankTank1Place, p);
    drawTank(2, twoTankTank2Place, p);
    drawLabel(textAt(125, f + 21, 9, alignCentre), flowUnitWord());
    drawLabel(textAt(159, p + 52, 9, alignRight), unitText("L", "G"));
    drawLabel(textAt(159, p + 80, 9, alignRight), unitText("L", "G"));
}
