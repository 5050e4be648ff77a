#include "core/sender_curves.h"

const PressureCurve vdoCurve2Bar = {5, {{0, 7}, {5, 162}, {10, 245}, {15, 308}, {20, 452}}};
const PressureCurve vdoCurve5Bar = {6, {{0, 24}, {10, 128}, {20, 212}, {30, 290}, {40, 364}, {50, 424}}};
const PressureCurve vdoCurve10Bar = {6, {{0, 20}, {20, 128}, {40, 216}, {60, 304}, {80, 372}, {100, 433}}};

const PressureCurve umaCurveN1EU07 = {
    8, {{0, 160}, {10, 672}, {20, 1184}, {30, 1697}, {40, 2209}, {50, 2721}, {60, 3234}, {70, 3745}}};
const PressureCurve umaCurveN1EU35 = {
    8, {{0, 160}, {5, 681}, {10, 1209}, {15, 1738}, {20, 2258}, {25, 2787}, {30, 3299}, {35, 3837}}};
const PressureCurve umaCurveN1EU100 = {
    10, {{0, 160}, {10, 524}, {20, 895}, {30, 1259}, {40, 1622}, {50, 1994}, {60, 2357}, {70, 2721},
         {80, 3093}, {90, 3456}}};

namespace {

const PressureCurve* const vdoCurves[] = {&vdoCurve2Bar, &vdoCurve5Bar, &vdoCurve10Bar};
const PressureCurve* const umaCurves[] = {&umaCurveN1EU07, &umaCurveN1EU35, &umaCurveN1EU100};

template <unsigned N>
const PressureCurve& modelCurve(const PressureCurve* const (&curves)[N], uint8_t model)
{
    return *curves[model < N ? model : N - 1];
}

} // namespace

const PressureCurve& vdoCurve(uint8_t vdoModel) { return modelCurve(vdoCurves, vdoModel); }
const PressureCurve& umaCurve(uint8_t umaModel) { return modelCurve(umaCurves, umaModel); }
