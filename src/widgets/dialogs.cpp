#include "widgets/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

namespace tunelot {
namespace {

void CentreOnScreen(QWidget& box) {
  box.adjustSize();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  box.move(area.center() - QPoint(box.width() / 2, box.height() / 2));
}

// The program's messages end their lines with CR LF; the box wants plain line breaks.
QString ShownText(const QString& text) {
  QString shown = text;
  return shown.replace("\r\n", "\n");
}

int ShowBox(QWidget* owner, QMessageBox::Icon icon, const QString& title, const QString& text,
            bool question) {
  QMessageBox box(icon, title, ShownText(text), QMessageBox::NoButton, owner);
  if (question) {
    QPushButton* yes = box.addButton(QObject::tr("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QObject::tr("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    CentreOnScreen(box);
    box.exec();
    return box.clickedButton() == yes ? 1 : 0;
  }
  QPushButton* ok = box.addButton(QObject::tr("OK"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  CentreOnScreen(box);
  box.exec();
  return 1;
}

}  // namespace

QString QtFileFilter(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList choices;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts[i + 1];
    if (pattern == "*.*") pattern = "*";
    choices << parts[i] + " (" + pattern + ")";
  }
  return choices.join(";;");
}

QRect FolderPickerPlace(const QRect& anchor, const QSize& size, const QRect& screen) {
  QRect place(QPoint(anchor.left(), anchor.bottom() + 1), size);
  if (place.right() > screen.right()) place.moveLeft(anchor.left() - size.width());
  if (place.bottom() > screen.bottom()) place.moveBottom(anchor.top() - 1);
  return place;
}

void QtDialogs::Information(const QString& text) {
  ShowBox(owner_, QMessageBox::Information, QObject::tr("Information"), text, false);
}

void QtDialogs::Error(const QString& text) {
  ShowBox(owner_, QMessageBox::Critical, QObject::tr("Error"), text, false);
}

bool QtDialogs::Confirm(const QString& text) {
  return ShowBox(owner_, QMessageBox::Question, QObject::tr("Confirm"), text, true) == 1;
}

std::optional<QString> QtDialogs::OpenFile(const FileDialogRequest& request) {
  QFileDialog dialog(owner_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(QtFileFilter(request.filter));
  dialog.setSizeGripEnabled(true);
  if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

std::optional<QString> QtDialogs::SaveFile(const FileDialogRequest& request) {
  QFileDialog dialog(owner_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QtFileFilter(request.filter));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  dialog.setSizeGripEnabled(true);
  if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

std::optional<QString> QtDialogs::PickFolder(const QString& startFolder, const QRect& anchor) {
  QFileDialog dialog(owner_, QObject::tr("Select Directory"), startFolder);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setLabelText(QFileDialog::LookIn, QObject::tr("Select Directory"));
  dialog.adjustSize();
  const QScreen* screen = QGuiApplication::screenAt(anchor.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    dialog.setGeometry(FolderPickerPlace(anchor, dialog.size(), screen->availableGeometry()));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

ErrorReportChoice QtDialogs::ReportError(const QString& message) {
  QMessageBox box(QMessageBox::Critical, QObject::tr("Error"), ShownText(message),
                  QMessageBox::NoButton, owner_);
  box.setInformativeText(
      QObject::tr("The operation was stopped. What it had done so far stays done."));
  QPushButton* resume = box.addButton(QObject::tr("&Continue"), QMessageBox::AcceptRole);
  QPushButton* close = box.addButton(QObject::tr("C&lose Tunelot"), QMessageBox::DestructiveRole);
  box.setDefaultButton(resume);
  box.setEscapeButton(resume);
  CentreOnScreen(box);
  box.exec();
  return box.clickedButton() == close ? ErrorReportChoice::CloseProgram
                                      : ErrorReportChoice::Continue;
}

}  // namespace tunelot
