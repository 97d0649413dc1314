#include "widgets/open_with_dialog.h"

#include <QIcon>
#include <QVBoxLayout>

#include "widgets/qt_text.h"

namespace tunelot {

OpenWithDialog::OpenWithDialog(std::vector<DesktopApp> apps, const QString& fileName,
                               QWidget* parent)
    : QDialog(parent), apps_(std::move(apps)) {
  setObjectName("OpenWithDialog");
  setWindowTitle("Open With");
  prompt = new QLabel("Choose the program you want to use to open this file:\n" + fileName, this);
  prompt->setObjectName("prompt");
  applications = new QListWidget(this);
  applications->setObjectName("applications");
  applications->setAccessibleName("Programs");
  for (const DesktopApp& app : apps_) {
    const QString name = app.name.empty() ? ToQt(app.id) : ToQt(app.name);
    applications->addItem(new QListWidgetItem(QIcon::fromTheme(ToQt(app.icon)), name));
  }
  auto* buttons = new QDialogButtonBox(this);
  openButton = buttons->addButton("&Open", QDialogButtonBox::AcceptRole);
  openButton->setObjectName("openButton");
  openButton->setDefault(true);
  buttons->addButton("Cancel", QDialogButtonBox::RejectRole)->setObjectName("cancelButton");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(applications, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    item->setSelected(true);
    accept();
  });
  connect(applications, &QListWidget::itemSelectionChanged, this,
          &OpenWithDialog::UpdateOpenButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(applications);
  layout->addWidget(buttons);
  resize(360, 400);
  // The best candidate comes first, ready for Enter.
  if (applications->count() > 0) applications->setCurrentRow(0);
  UpdateOpenButton();
}

std::optional<DesktopApp> OpenWithDialog::Chosen() const {
  const QList<QListWidgetItem*> selected = applications->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  const int row = applications->row(selected.first());
  if (row < 0 || static_cast<std::size_t>(row) >= apps_.size()) return std::nullopt;
  return apps_[static_cast<std::size_t>(row)];
}

void OpenWithDialog::UpdateOpenButton() { openButton->setEnabled(Chosen().has_value()); }

}  // namespace tunelot
