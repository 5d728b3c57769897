#include "settings/songshifts.h"

const TSongSlots SongShiftSlots = {TransposeSection, "Song", {0, 0}, [](std::vector<std::int32_t> numbers) {
                                       const TSongShift shift = Normalized({numbers[0], numbers[1]});
                                       return std::vector<std::int32_t>{shift.Semitones, shift.Capo};
                                   }};

TSongShift ReadSongShift(TSettings& settings, const TSong& song) {
    const std::vector<std::int32_t> numbers = SongShiftSlots.Read(settings, song);
    return {numbers[0], numbers[1]};
}

void WriteSongShift(TSettings& settings, const TSong& song, TSongShift shift) {
    SongShiftSlots.Write(settings, song, {shift.Semitones, shift.Capo});
}
