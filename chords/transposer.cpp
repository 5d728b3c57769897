#include "chords/transposer.h"

#include "chords/linelayout.h"

namespace {

// A song without chords has no key; its lines hold no chord to spell either.
constexpr TKey NoKey = {0, false};

TKey ShiftedKey(const std::optional<TSongKey>& key, int semitones) {
    const TKey unshifted = key ? key->Key : NoKey;
    return {PitchClassOf(unshifted.Tonic + semitones), unshifted.Minor};
}

} // namespace

TTransposer::TTransposer(const TSong& song, int semitones, TNotation fallback)
    : m_notation(DetectNotation(song, fallback)), m_semitones(semitones % 12), m_key(EstimateKey(song, m_notation)),
      m_speller(ShiftedKey(m_key, m_semitones), m_notation, m_semitones > 0) {}

std::string TTransposer::TransposeLine(std::string_view chordLine) const {
    if (m_semitones == 0)
        return std::string(chordLine);
    const std::vector<TToken> tokens = SplitTokens(chordLine);
    std::vector<std::string> texts;
    texts.reserve(tokens.size());
    for (const TToken& token : tokens)
        texts.push_back(TransposeWord(token.Text));
    return LayOutTokens(chordLine, tokens, texts);
}

std::string TTransposer::TransposeWord(std::string_view word) const {
    const std::optional<TChordWordParts> parts = SplitChordWord(word);
    if (!parts)
        return std::string(word);
    std::string moved(parts->Before);
    std::string_view dash;
    for (const TChord& chord : ChainedChords(parts->Chords, m_notation)) {
        moved += dash;
        moved += TransposeChord(chord);
        dash = "-";
    }
    return moved += parts->After;
}

std::string TTransposer::KeyName() const {
    if (!m_key)
        return {};
    if (m_semitones == 0 && !m_key->TonicName.empty())
        return m_key->TonicName + (m_key->Key.Minor ? "m" : "");
    return m_speller.KeyName();
}

std::string TTransposer::TransposeChord(const TChord& chord) const {
    std::string name = m_speller.Name(chord.Root.PitchClass + m_semitones) + chord.Suffix;
    if (chord.Bass)
        name += "/" + m_speller.Name(chord.Bass->PitchClass + m_semitones);
    return name;
}
