#include "settings/stagevalues.h"

#include <algorithm>

const TSongSlots ScrollSpeedSlots = {
    PerformanceSection, "Speed", {DefaultScrollSpeed}, [](std::vector<std::int32_t> numbers) {
        return std::vector<std::int32_t>{std::clamp(numbers[0], SlowestScrollSpeed, FastestScrollSpeed)};
    }};

int ReadScrollSpeed(TSettings& settings, const TSong& song) {
    return ScrollSpeedSlots.Read(settings, song)[0];
}

void WriteScrollSpeed(TSettings& settings, const TSong& song, int linesPerMinute) {
    ScrollSpeedSlots.Write(settings, song, {linesPerMinute});
}
