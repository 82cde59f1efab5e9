#pragma once

namespace kelvane {

// Plays the popup blocker's kill sound (compiled into the program) without waiting for it: a
// sound player of the desktop (pw-play, paplay or aplay, the first found on PATH) is started
// on its own. No player, no sound device or a player that fails is no error and changes
// nothing else. Returns whether a player was started.
bool playKillSound();

} // namespace kelvane
