#include "widgets/directory_edit.h"

#include <QDir>
#include <QKeyEvent>
#include <QStyle>

#include "widgets/dialogs.h"

namespace tunelot {

QString FolderPickerStart(const QString& boxText) {
  if (boxText.isEmpty()) return QDir::currentPath();
  QString start = boxText;
  if (start.size() > 1 && start.endsWith(QDir::separator())) start.chop(1);
  return start;
}

DirectoryEdit::DirectoryEdit(const QString& caption, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs),
      caption_(new QLabel(caption, parent)),
      edit_(new QLineEdit(this)),
      browse_(new QToolButton(this)) {
  browse_->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
  browse_->setFocusPolicy(Qt::NoFocus);
  browse_->setAccessibleName(caption + " browse");
  edit_->setAccessibleName(caption);
  edit_->installEventFilter(this);
  setFocusProxy(edit_);
  caption_->setBuddy(edit_);
  connect(edit_, &QLineEdit::textChanged, this, [this] { emit changed(); });
  connect(browse_, &QToolButton::clicked, this, &DirectoryEdit::Browse);
}

void DirectoryEdit::Browse() {
  const QRect anchor(mapToGlobal(QPoint(0, 0)), size());
  const std::optional<QString> chosen = dialogs_.PickFolder(FolderPickerStart(text()), anchor);
  if (chosen && *chosen != text()) setText(*chosen);
}

bool DirectoryEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier) {
      Browse();
      return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      emit keyPressed(13);
    } else if (!key->text().isEmpty()) {
      emit keyPressed(key->text().at(0).unicode());
    }
  }
  return QWidget::eventFilter(watched, event);
}

void DirectoryEdit::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  PlaceCaption();
}

void DirectoryEdit::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  edit_->setGeometry(0, 0, width() - kButtonWidth, height());
  browse_->setGeometry(width() - kButtonWidth, 0, kButtonWidth, height());
  PlaceCaption();
}

void DirectoryEdit::PlaceCaption() {
  caption_->adjustSize();
  caption_->move(x(), y() - kCaptionGap - caption_->height());
}

}  // namespace tunelot
