#pragma once

namespace tunelot {

// The one cursor shape of the whole program. Any shape but Default shows over every window
// and control until an operation sets another.
enum class CursorShape { Default, Arrow, Hourglass, Drag, NoDrop };

void SetScreenCursor(CursorShape shape);
CursorShape ScreenCursor();

// Shows the hourglass for its lifetime and the default cursor after it, also when an
// error ends the operation.
class HourglassCursor {
 public:
  HourglassCursor() { SetScreenCursor(CursorShape::Hourglass); }
  ~HourglassCursor() { SetScreenCursor(CursorShape::Default); }
  HourglassCursor(const HourglassCursor&) = delete;
  HourglassCursor& operator=(const HourglassCursor&) = delete;
};

}  // namespace tunelot
