#include "script/recording_opening.h"

#include "script/input_lines.h"
#include "script/input_recording.h"

void writeRecordingOpening(InputRecording& recording, const HostState& host)
{
    recording.happened("# QS-9 simulator recording; qs9-script replays it");
    if (host.ticksRun > 0)
        recording.happened(tickLine(uint32_t(host.ticksRun)));
    for (int i = 0; i < qs9InputCount(); ++i) {
        const Qs9Input& input = *qs9InputAt(i);
        const uint32_t position = host.position(input);
        if (position != input.start)
            recording.happened(inputLine(input.name, position));
    }
    if (host.poweredOn) {
        recording.happened("# started while on: the replay powers on here");
        recording.happened(powerLine(true));
    }
    recording.flush();
}
