#include "qtbridge/nameorder.h"

#include "qtbridge/letterweights.h"
#include "qtbridge/qttext.h"

#include <QCollator>
#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// Hungarian where the user has no language (the C locale would sort by code,
// Ő after Z). Each thread makes its own: a collator is not to be shared.
QCollator NameCollator() {
    const QLocale user;
    QCollator collator(user.language() == QLocale::C ? QLocale(QLocale::Hungarian, QLocale::Hungary) : user);
    collator.setCaseSensitivity(Qt::CaseSensitive);
    return collator;
}

// Learnt once for each language.
const TLetterWeights& LetterWeights() {
    static std::mutex guard;
    static std::map<QString, std::unique_ptr<const TLetterWeights>> learnt;
    const QCollator collator = NameCollator();
    const std::lock_guard lock(guard);
    std::unique_ptr<const TLetterWeights>& weights = learnt[collator.locale().name()];
    if (!weights)
        weights = std::make_unique<const TLetterWeights>(collator);
    return *weights;
}

struct TEntry {
    std::uint64_t Head;       // the key's first eight bytes, the first most significant, in the entry itself
    std::string_view Letters; // the key of the name's letters
    std::size_t Index;

    bool SameLetters(const TEntry& other) const { return Head == other.Head && Letters == other.Letters; }
};

// Keys never hold a zero weight, so one shorter than eight bytes and padded
// with zeros still sorts before the keys it begins.
std::uint64_t Head(std::string_view key) {
    std::uint64_t head = 0;
    for (std::size_t at = 0; at < 8; ++at)
        head = head << 8 | (at < key.size() ? static_cast<unsigned char>(key[at]) : 0u);
    return head;
}

// The order asked for: the collator's, then by code points (the collator
// may call different texts equal), then as given.
class TExactOrder {
public:
    explicit TExactOrder(const std::vector<QString>& texts) : m_texts(texts), m_collator(NameCollator()) {}

    bool operator()(const TEntry& a, const TEntry& b) const {
        const QString& first = m_texts[a.Index];
        const QString& second = m_texts[b.Index];
        if (first == second)
            return a.Index < b.Index;
        const int compared = m_collator.compare(first, second);
        return compared != 0 ? compared < 0 : first < second;
    }

private:
    const std::vector<QString>& m_texts;
    QCollator m_collator;
};

// By the letters first: the collator decides only between names of the same letters.
class TLettersFirst {
public:
    explicit TLettersFirst(const std::vector<QString>& texts) : m_exact(texts) {}

    bool operator()(const TEntry& a, const TEntry& b) const {
        if (a.Head != b.Head)
            return a.Head < b.Head;
        const int compared = a.Letters.compare(b.Letters);
        return compared != 0 ? compared < 0 : m_exact(a, b);
    }

    const TExactOrder& Exact() const { return m_exact; }

private:
    TExactOrder m_exact;
};

constexpr std::size_t Nowhere = SIZE_MAX;

// A thread for each core; one for a few names (starting a thread costs more than sorting them).
std::size_t Threads(std::size_t names) {
    return names < 1000 ? 1 : std::max(1u, std::thread::hardware_concurrency());
}

// The work of each thread at once, each on a thread of its own; a single one on this thread.
template <class TWork> void OnThreads(std::size_t threads, TWork work) {
    if (threads == 1)
        return work(0);
    std::vector<std::jthread> workers;
    for (std::size_t thread = 0; thread < threads; ++thread)
        workers.emplace_back(work, thread);
}

// The texts and letter keys of a share of the names (at most two bytes per
// byte of name, so the keys' store never moves).
void MakeKeys(const std::vector<std::string_view>& names, std::vector<QString>& texts, std::vector<TEntry>& entries,
              std::string& letters, std::size_t start, std::size_t end) {
    std::size_t bytes = 0;
    for (std::size_t index = start; index < end; ++index)
        bytes += names[index].size();
    letters.reserve(2 * bytes);
    const TLetterWeights& weights = LetterWeights();
    for (std::size_t index = start; index < end; ++index) {
        texts[index] = FromAnsi(names[index]);
        const std::size_t from = letters.size();
        weights.AppendKey(names[index], letters);
        const std::string_view key = std::string_view(letters).substr(from);
        entries[index] = {Head(key), key, index};
    }
}

// Names that cut the order into parts of about the same size: the first of
// each part but the first, as a sample of the names has them.
std::vector<TEntry> Splitters(const std::vector<TEntry>& entries, std::size_t parts, const TLettersFirst& order) {
    std::vector<TEntry> sample;
    for (std::size_t at = 0; parts > 1 && at < entries.size(); at += std::max<std::size_t>(1, entries.size() / 256))
        sample.push_back(entries[at]);
    std::sort(sample.begin(), sample.end(), order);
    std::vector<TEntry> splitters;
    for (std::size_t part = 1; part < parts; ++part)
        splitters.push_back(sample[part * sample.size() / parts]);
    return splitters;
}

// The names of one part, sorted by their letters.
std::vector<TEntry> SortedPart(const std::vector<TEntry>& entries, const std::vector<TEntry>& splitters,
                               std::size_t part, const TLettersFirst& order) {
    std::vector<TEntry> names;
    for (const TEntry& entry : entries) {
        if ((part == 0 || !order(entry, splitters[part - 1])) &&
            (part == splitters.size() || order(entry, splitters[part])))
            names.push_back(entry);
    }
    std::sort(names.begin(), names.end(), order);
    return names;
}

// Where the collator puts a name before the one before it: the letters misjudged them.
bool Misplaced(const std::vector<TEntry>& entries, std::size_t at, const TExactOrder& exact) {
    return at > 0 && !entries[at].SameLetters(entries[at - 1]) && exact(entries[at], entries[at - 1]);
}

std::size_t FirstMisplaced(const std::vector<TEntry>& entries, const TExactOrder& exact) {
    for (std::size_t at = 1; at < entries.size(); ++at) {
        if (Misplaced(entries, at, exact))
            return at;
    }
    return Nowhere;
}

// From the first misplaced name on, each name before its predecessor moves
// back to its place. Letter keys far off the collator's order are sorted
// anew instead.
void PutInPlace(std::vector<TEntry>& entries, std::size_t from, const TExactOrder& exact) {
    std::size_t budget = 4 * entries.size();
    const auto begin = entries.begin();
    for (std::size_t at = from; at < entries.size(); ++at) {
        const auto name = begin + static_cast<std::ptrdiff_t>(at);
        if (!exact(*name, *(name - 1)))
            continue;
        const auto place = std::upper_bound(begin, name, *name, exact);
        const auto moved = static_cast<std::size_t>(name - place);
        if (moved > budget) {
            std::sort(begin, entries.end(), exact);
            return;
        }
        budget -= moved;
        std::rotate(place, name, name + 1);
    }
}

// The parts one after the other (in the entries' place), each checked
// against the end of the one before it, and the misplaced names put in place.
void Join(const std::vector<std::vector<TEntry>>& parts, const std::vector<std::size_t>& misplaced,
          const TExactOrder& exact, std::vector<TEntry>& entries) {
    entries.clear();
    std::size_t from = Nowhere;
    for (std::size_t part = 0; part < parts.size(); ++part) {
        const std::size_t start = entries.size();
        entries.insert(entries.end(), parts[part].begin(), parts[part].end());
        if (start < entries.size() && Misplaced(entries, start, exact))
            from = std::min(from, start);
        if (misplaced[part] != Nowhere)
            from = std::min(from, start + misplaced[part]);
    }
    if (from != Nowhere)
        PutInPlace(entries, from, exact);
}

} // namespace

// Collation keys cost the most: thousands of instructions a name. The
// names are sorted instead by keys of their letters' weights (learnt from
// the collator): a sample of them cuts the order into a part for each core,
// and each core sorts its part. Then the collator checks each name against
// the one before it, and puts right any the letters misjudged. Names of the
// same letters are sorted by the collator.
TNameOrder SortNames(const std::vector<std::string_view>& names) {
    TNameOrder sorted{{}, std::vector<QString>(names.size())};
    std::vector<TEntry> entries(names.size());
    const std::size_t threads = Threads(names.size());
    const std::size_t share = (names.size() + threads - 1) / threads;
    std::vector<std::string> letters(threads);
    OnThreads(threads, [&](std::size_t thread) {
        MakeKeys(names, sorted.Texts, entries, letters[thread], std::min(names.size(), thread * share),
                 std::min(names.size(), thread * share + share));
    });
    const std::vector<TEntry> splitters = Splitters(entries, threads, TLettersFirst(sorted.Texts));
    std::vector<std::vector<TEntry>> parts(threads);
    std::vector<std::size_t> misplaced(threads);
    OnThreads(threads, [&](std::size_t part) {
        const TLettersFirst order(sorted.Texts);
        parts[part] = SortedPart(entries, splitters, part, order);
        misplaced[part] = FirstMisplaced(parts[part], order.Exact());
    });
    Join(parts, misplaced, TExactOrder(sorted.Texts), entries);
    sorted.Order.reserve(names.size());
    for (const TEntry& entry : entries)
        sorted.Order.push_back(entry.Index);
    return sorted;
}
