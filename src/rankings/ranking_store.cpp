#include "rankings/ranking_store.h"

#include "platform/text_file.h"

#include <utility>

namespace quenza {

namespace {

std::vector<std::string> toStd(const QStringList& lines) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        out.push_back(line.toStdString());
    }
    return out;
}

QStringList toQt(const std::vector<std::string>& lines) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        out.append(QString::fromStdString(line));
    }
    return out;
}

template <class Entry>
RankingStore::Qualification qualifyIn(const RankingStore& store, const Entry& result) {
    return placeResult(toStd(store.lines()), result);
}

template <class Entry>
bool insertInto(const QString& path, const QString& scratch, const Entry& result) {
    if (!platform::ensureFile(path)) {
        return false;
    }
    // A ranking that exists but cannot be read is left alone rather than
    // rewritten with only the new entry.
    const std::optional<QStringList> current = platform::readLines(path);
    if (!current) {
        return false;
    }
    // A scratch file an interrupted rewrite left behind is overwritten, not
    // appended to: its lines are stale.
    return platform::replaceLinesThrough(path, scratch, toQt(withEntry(toStd(*current), result)));
}

} // namespace

RankingStore::RankingStore(QString rankingPath, QString scratchPath)
    : path_(std::move(rankingPath)), scratch_(std::move(scratchPath)) {}

void RankingStore::ensure() const {
    platform::ensureFile(path_);
}

int RankingStore::lineCount() const {
    ensure();
    return platform::countLines(path_);
}

QStringList RankingStore::lines() const {
    ensure();
    return platform::readLinesOrEmpty(path_);
}

RankingStore::Qualification RankingStore::qualify(const TraditionalEntry& result) const {
    return qualifyIn(*this, result);
}

RankingStore::Qualification RankingStore::qualify(const EvolutionEntry& result) const {
    return qualifyIn(*this, result);
}

bool RankingStore::insert(const TraditionalEntry& result) const {
    return insertInto(path_, scratch_, result);
}

bool RankingStore::insert(const EvolutionEntry& result) const {
    return insertInto(path_, scratch_, result);
}

// Only the menu's enable test and the reset itself look at the file without
// creating it: a reset ranking stays gone until something reads it.
void RankingStore::reset() const {
    platform::removeFile(path_);
}

bool RankingStore::hasEntries() const {
    return platform::fileSize(path_) > 0;
}

} // namespace quenza
