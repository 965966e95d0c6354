#pragma once

namespace records {

// Named moments inside each write of the player's files. A test that kills
// the game in the middle of a write stops it at one of them; the game itself
// sets no hook, and then a point costs one load.
using WritePointHook = void (*)(const char* point);
void SetWritePointHook(WritePointHook hook);
void AtWritePoint(const char* point);

} // namespace records
