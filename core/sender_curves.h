// The built-in pressure sender curves ({value, adc} points, PressureCurve format).
#pragma once
#include "core/settings.h"

// VDO "10 bar" resistive sender, values in 0.1 bar; also the factory user curve.
extern const PressureCurve vdoCurve10Bar;
