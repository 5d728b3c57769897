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

private:
    TExactOrder m_exact;
};

// Where the names are cut into shares, a share for each core (one for a few names).
std::vector<std::size_t> ShareBounds(std::size_t count) {
    const std::size_t threads = count < 1000 ? 1 : std::max(1u, std::thread::hardware_concurrency());
    const std::size_t share = std::max<std::size_t>(1, (count + threads - 1) / threads);
    std::vector<std::size_t> bounds;
    for (std::size_t start = 0; start < count; start += share)
        bounds.push_back(start);
    bounds.push_back(count);
    return bounds;
}

// The work on each share, at once, each on a thread of its own; a single
// share on this thread (starting a thread costs more than sorting a few names).
template <class TWork> void OnEachShare(const std::vector<std::size_t>& bounds, TWork work) {
    if (bounds.size() == 2)
        return work(0, bounds[0], bounds[1]);
    std::vector<std::jthread> workers;
    for (std::size_t share = 0; share + 1 < bounds.size(); ++share)
        workers.emplace_back(work, share, bounds[share], bounds[share + 1]);
}

// The names' texts and letter keys (at most two bytes per byte of name, so
// the keys' store never moves), sorted by their letters.
void SortShare(const std::vector<std::string_view>& names, TNameOrder& sorted, std::vector<TEntry>& entries,
               std::string& letters, std::size_t start, std::size_t end) {
    std::size_t bytes = 0;
    for (std::size_t index = start; index < end; ++index)
        bytes += names[index].size();
    letters.reserve(2 * bytes);
    const TLetterWeights& weights = LetterWeights();
    for (std::size_t index = start; index < end; ++index) {
        sorted.Texts[index] = FromAnsi(names[index]);
        const std::size_t from = letters.size();
        weights.AppendKey(names[index], letters);
        const std::string_view key = std::string_view(letters).substr(from);
        entries[index] = {Head(key), key, index};
    }
    std::sort(entries.begin() + static_cast<std::ptrdiff_t>(start), entries.begin() + static_cast<std::ptrdiff_t>(end),
              TLettersFirst(sorted.Texts));
}

// The first place where the collator disagrees with the letters' order; the end if none.
std::size_t FirstMisplaced(const std::vector<TEntry>& entries, const TExactOrder& exact, std::size_t start,
                           std::size_t end) {
    for (std::size_t at = std::max<std::size_t>(start, 1); at < end; ++at) {
        if (!entries[at].SameLetters(entries[at - 1]) && exact(entries[at], entries[at - 1]))
            return at;
    }
    return end;
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

} // namespace

// Collation keys cost the most: thousands of instructions a name. The
// names are sorted instead by keys of their letters' weights (learnt from
// the collator), each core its share, the shares merged; then the collator
// checks each name against the one before it, and puts right any the
// letters misjudged. Names of the same letters are sorted by the collator.
TNameOrder SortNames(const std::vector<std::string_view>& names) {
    TNameOrder sorted{{}, std::vector<QString>(names.size())};
    if (names.empty())
        return sorted;
    std::vector<TEntry> entries(names.size());
    const std::vector<std::size_t> bounds = ShareBounds(names.size());
    std::vector<std::string> letters(bounds.size() - 1);
    OnEachShare(bounds, [&](std::size_t share, std::size_t start, std::size_t end) {
        SortShare(names, sorted, entries, letters[share], start, end);
    });
    const auto at = [&entries](std::size_t index) { return entries.begin() + static_cast<std::ptrdiff_t>(index); };
    for (std::size_t share = 1; share + 1 < bounds.size(); ++share)
        std::inplace_merge(at(0), at(bounds[share]), at(bounds[share + 1]), TLettersFirst(sorted.Texts));
    std::vector<std::size_t> misplaced(bounds.size() - 1);
    OnEachShare(bounds, [&](std::size_t share, std::size_t start, std::size_t end) {
        misplaced[share] = FirstMisplaced(entries, TExactOrder(sorted.Texts), start, end);
    });
    if (const std::size_t from = *std::min_element(misplaced.begin(), misplaced.end()); from < entries.size())
        PutInPlace(entries, from, TExactOrder(sorted.Texts));
    sorted.Order.reserve(entries.size());
    for (const TEntry& entry : entries)
        sorted.Order.push_back(entry.Index);
    return sorted;
}
