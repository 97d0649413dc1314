#pragma once

#include <QLabel>

namespace tunelot {

// A label shown as a link, blue and underlined under a hand cursor, that tells of a click.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tunelot
