#pragma once

#include <optional>

class QSettings;

namespace quenza {

class Application;

// The zoom a player chose with the zoom keys is kept in the game's settings,
// so the next run starts at it, as someone with low vision expects. Only the
// game wires this: the driver never reads or writes the player's settings.

// --zoom when it was given, else the zoom last chosen, else 100.
int startingZoom(const QSettings& settings, std::optional<int> asked);
// From now on every zoom the player chooses is written to `settings`.
void rememberZoomChoices(Application& game, QSettings& settings);

} // namespace quenza
