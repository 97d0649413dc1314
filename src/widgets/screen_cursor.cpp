#include "widgets/screen_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace tunelot {
namespace {

CursorShape current = CursorShape::Default;

Qt::CursorShape QtShape(CursorShape shape) {
  switch (shape) {
    case CursorShape::Arrow:
      return Qt::ArrowCursor;
    case CursorShape::Hourglass:
      return Qt::WaitCursor;
    case CursorShape::Drag:
      return Qt::DragMoveCursor;
    case CursorShape::NoDrop:
      return Qt::ForbiddenCursor;
    case CursorShape::Default:
      break;
  }
  return Qt::ArrowCursor;
}

}  // namespace

void SetScreenCursor(CursorShape shape) {
  while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
  if (shape != CursorShape::Default) QGuiApplication::setOverrideCursor(QCursor(QtShape(shape)));
  current = shape;
}

CursorShape ScreenCursor() { return current; }

}  // namespace tunelot
