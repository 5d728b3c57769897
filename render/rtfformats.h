#pragma once

#include "render/document.h"
#include "render/rtftables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The character format a reader of our Rich Text is in, run after run, and
// what each run states to change it: only what differs from the run before.
// A songbook goes back and forth between a few formats (a chord line, the
// lyric line under it), so what takes one to another is made once a pair.
class TRtfCharacterFormats {
public:
    explicit TRtfCharacterFormats(TRtfTables& tables);

    // What a run in this format states first: nothing where it is the
    // format the reader is in. The format must stay where it is (in the
    // document) while the writer runs; the view lasts until the next call.
    std::string_view ChangeTo(const TCharacterFormat& format);

    // The formats whose changes are kept; a document with more is written
    // all the same, the changes into the others made each time.
    static constexpr std::size_t Kept = 16;

private:
    using TId = std::uint8_t;
    static constexpr TId Other = Kept;
    // A change made once: where it stands in m_made.
    struct TMade {
        std::uint32_t Start = 0;
        std::uint32_t Size = 0;
        bool Done = false;
    };

    TId IdOf(const TCharacterFormat& format);
    std::string_view Change(TId from, TId to, const TCharacterFormat& fromFormat, const TCharacterFormat& toFormat);

    TRtfTables& m_tables;
    const TCharacterFormat* m_current = nullptr;
    TId m_currentId = Other;
    std::vector<TCharacterFormat> m_kept;
    std::array<TId, Kept> m_followedBy;
    std::array<TMade, Kept * Kept> m_changes{};
    std::string m_made;
    std::string m_scratch;
    std::string m_whole;
    std::string m_change;
};
