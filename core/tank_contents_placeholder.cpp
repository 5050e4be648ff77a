// Stand-ins for the fuel flow measurement's definitions until it lands.
#include <cstdint>

uint16_t tank1Level, tank2Level;

// Division by ten, rounded half away from zero, through single precision.
int32_t roundDiv10(int32_t v)
{
    const float tenth = static_cast<float>(v) * 0.1f;
    return static_cast<int32_t>(tenth >= 0 ? tenth + 0.5f : tenth - 0.5f);
}
