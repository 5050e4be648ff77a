// Built-in pressure sender curves, as {value, adc} points.
#pragma once
#include <cstdint>

#include "core/settings.h"

// VDO resistive senders, values in 0.1 bar.
extern const PressureCurve vdoCurve2Bar;
extern const PressureCurve vdoCurve5Bar;
extern const PressureCurve vdoCurve10Bar;

// UMA voltage transducers: N1EU07 in 0.1 psi, N1EU35 and N1EU100 in psi.
extern const PressureCurve umaCurveN1EU07;
extern const PressureCurve umaCurveN1EU35;
extern const PressureCurve umaCurveN1EU100;

// The curve of a model as numbered by the "MODEL:" setting; a number past
// the last model gives the last model's curve.
const PressureCurve& vdoCurve(uint8_t vdoModel);
const PressureCurve& umaCurve(uint8_t umaModel);
