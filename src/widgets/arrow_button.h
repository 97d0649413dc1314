#pragma once

#include <QAbstractButton>
#include <QColor>

namespace tunelot {

// A button drawn as a solid arrow in a face colour, with a highlight shading; no text.
class ArrowButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class Direction { Left, Right, Up, Down };

  ArrowButton(Direction direction, QWidget* parent = nullptr);
  Direction direction() const { return direction_; }
  QColor faceColor() const { return face_; }

  static const QColor kFaceColor;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPolygonF Outline() const;

  Direction direction_;
  QColor face_;
};

}  // namespace tunelot
