// Factory values of the tank and fuel-pressure settings, for the level and
// pressure tests until the settings record's own defaults are in this branch.
#pragma once
#include <algorithm>

#include "core/sender_curves.h"
#include "core/settings.h"

inline void useFactoryTank(int16_t& size, uint8_t& filter, uint8_t& lowAlarmOn, int16_t& lowAlarm,
                           int16_t& lowCaution, int16_t (&cal)[6])
{
    size = 45;
    filter = 3;
    lowAlarmOn = 1;
    lowAlarm = 10;
    lowCaution = 20;
    const int16_t factoryCal[6] = {809, 680, 520, 427, 356, 251};
    std::copy(factoryCal, factoryCal + 6, cal);
}

inline void useFactoryLevelAndPressureSettings()
{
    Settings& s = settings;
    s.dataSource = 0;
    s.units = 0;
    s.litreResolution = 0;
    s.tank1Mode = 0;
    s.tank2Mode = 2;
    useFactoryTank(s.tank1Size, s.tank1Filter, s.tank1LowAlarmOn, s.tank1LowAlarm, s.tank1LowCaution, s.tank1Cal);
    useFactoryTank(s.tank2Size, s.tank2Filter, s.tank2LowAlarmOn, s.tank2LowAlarm, s.tank2LowCaution, s.tank2Cal);
    s.pressureDisplay = 1;
    PressureSettings& p = s.pressure;
    p.senderType = 1;
    p.curveKind = 2;
    p.unit = 2;
    p.pressureAt4mA = 0;
    p.pressureAt20mA = 100;
    p.displayMax = 100;
    p.displayMin = 0;
    p.lowAlarm = 15;
    p.lowAlarmOn = 1;
    p.highAlarm = 80;
    p.lowCaution = 25;
    p.highCaution = 70;
    p.highAlarmOn = 1;
    p.umaModel = 0;
    p.vdoModel = 2;
    p.userCurve = vdoCurve10Bar;
}
