#pragma once

#include "puzzle/ranking.h"

#include <QString>
#include <QStringList>

namespace quenza {

// One ranking file in the data folder. Reading and writing make sure the file
// exists first (hasEntries and reset leave a missing file missing). Rewrites go through the scratch
// file and replace the ranking atomically, so a crash or a full disk never leaves it half written.
class RankingStore {
public:
    RankingStore(QString rankingPath, QString scratchPath);

    void ensure() const;
    int lineCount() const; // every line, damaged ones too
    QStringList lines() const;

    // Damaged lines take no part: see puzzle/ranking.h.
    using Qualification = Placement;
    Qualification qualify(const TraditionalEntry& result) const;
    Qualification qualify(const EvolutionEntry& result) const;

    // Returns false when the file could not be rewritten (the old one is kept).
    bool insert(const TraditionalEntry& result) const;
    bool insert(const EvolutionEntry& result) const;

    void reset() const;
    // Exists and holds at least one byte.
    bool hasEntries() const;

private:
    QString path_;
    QString scratch_;
};

} // namespace quenza
