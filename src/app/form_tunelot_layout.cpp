// The main window's controls, menus and wiring.
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QShowEvent>

#include "app/form_tunelot.h"
#include "widgets/dialogs.h"
#include "widgets/qt_text.h"

namespace tunelot {
namespace {

constexpr int kClientWidth = 981;
constexpr int kClientHeight = 472;

// Names a control as the program's documents do; its hint also names it for screen readers.
template <typename Control>
Control* Named(Control* control, const char* name, const QString& hint = {}) {
  control->setObjectName(name);
  control->setToolTip(hint);
  control->setAccessibleName(hint.isEmpty() ? QString(name) : hint);
  return control;
}

QAction* MenuItem(QMenu* menu, const QString& caption, const char* name,
                  const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

QAction* Separator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(name);
  return separator;
}

QLabel* GrowingLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
  QLabel* label = Named(new QLabel(text, parent), name);
  label->move(left, top);
  label->adjustSize();
  return label;
}

}  // namespace

TFormTunelot::TFormTunelot(FormServices services, const QString& versionString, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      versionString_(versionString),
      inputList_("Files"),
      outputList_("Files") {
  setObjectName("FormTunelot");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  QFont windowFont = font();
  windowFont.setPointSize(8);
  setFont(windowFont);
  CreateControls();
  CreateMenus();
  CreateContextMenus();
  PdtPrintDAT1 = CreatePdtPrintDAT1();
  SetTabOrder();
  ConnectHandlers();
  KeepWindowShortcuts();
  setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  move(6, 132);
  FormCreate();
}

// The list views observe the window's lists, so they go before the lists do.
TFormTunelot::~TFormTunelot() { delete centralWidget(); }

void TFormTunelot::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName("ClientArea");
  client->setAutoFillBackground(true);
  client->setBackgroundRole(QPalette::Button);
  setCentralWidget(client);
  Dialogs& dialogs = *services_.dialogs;

  ReadFrom =
      Named(new DirectoryEdit("Input path", dialogs, client), "ReadFrom", "Select input location");
  ReadFrom->setGeometry(7, 24, 341, 21);
  ReadFrom->setAccessibleName("Input path");
  BitBtnSelect = Named(new QPushButton("Get files", client), "BitBtnSelect",
                       "List MP3 files in selected path");
  BitBtnSelect->setGeometry(359, 22, 73, 25);
  BitBtnSelect->setAccessibleName(BitBtnSelect->text());
  SaveTo =
      Named(new DirectoryEdit("Output path", dialogs, client), "SaveTo", "Select output location");
  SaveTo->setGeometry(520, 24, 315, 21);
  SaveTo->setAccessibleName("Output path");
  BitBtnCopy = Named(new QPushButton("Copy files", client), "BitBtnCopy",
                     "Copy files in list to selected location");
  BitBtnCopy->setGeometry(844, 22, 73, 25);
  BitBtnCopy->setAccessibleName(BitBtnCopy->text());
  LabelSize = GrowingLabel(client, "LabelSize", QString(), 632, 7);

  AdvListView1 =
      Named(new FileListView(inputList_, client), "AdvListView1", "Right click for more options");
  AdvListView1->setGeometry(7, 59, 426, 366);
  AdvListView1->setEnabled(false);
  AdvListView2 =
      Named(new FileListView(outputList_, client), "AdvListView2", "Right click for more options");
  AdvListView2->setGeometry(519, 59, 402, 366);

  fcShapeBtnMoveToOutput = Named(new ArrowButton(ArrowButton::Direction::Right, client),
                                 "fcShapeBtnMoveToOutput", "Move selected files to output list");
  fcShapeBtnMoveToOutput->setGeometry(464, 200, 39, 33);
  fcShapeBtnMoveToInput = Named(new ArrowButton(ArrowButton::Direction::Left, client),
                                "fcShapeBtnMoveToInput", "Unpick selected files");
  fcShapeBtnMoveToInput->setGeometry(464, 240, 39, 33);
  fcShapeBtnUp =
      Named(new ArrowButton(ArrowButton::Direction::Up, client), "fcShapeBtnUp", "Move file Up");
  fcShapeBtnUp->setGeometry(936, 200, 25, 33);
  fcShapeBtnDown = Named(new ArrowButton(ArrowButton::Direction::Down, client), "fcShapeBtnDown",
                         "Move file Down");
  fcShapeBtnDown->setGeometry(936, 240, 25, 33);

  Label2 = GrowingLabel(client, "Label2", ToQt(InitialStatusText(ListRole::Input)), 16, 442);
  Label3 = GrowingLabel(client, "Label3", ToQt(InitialStatusText(ListRole::Output)), 520, 440);
  Label1 = Named(new QLabel("Copying file ", client), "Label1");
  Label1->setGeometry(8, 456, 920, 13);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setAttribute(Qt::WA_TranslucentBackground);
  Label1->hide();
  Gauge1 = Named(new Gauge(client), "Gauge1");
  // Between the lists' bottom edge (425) and the status lines, over the window's width.
  Gauge1->setGeometry(8, 425, 920, 15);
  Gauge1->hide();
}

void TFormTunelot::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  File1 = Named(bar->addMenu("&File"), "File1");
  Open1 = MenuItem(File1, "&Open", "Open1");
  Save1 = MenuItem(File1, "&Save", "Save1", QKeySequence(Qt::CTRL | Qt::Key_S));
  Play3 = MenuItem(File1, "&Play", "Play3");
  Exit1 = MenuItem(File1, "E&xit", "Exit1");
  Edit1 = Named(bar->addMenu("&Edit"), "Edit1");
  SelectAll1 = MenuItem(Edit1, "Select All", "SelectAll1", QKeySequence(Qt::CTRL | Qt::Key_A));
  Copy1 = MenuItem(Edit1, "Copy", "Copy1", QKeySequence(Qt::CTRL | Qt::Key_C));
  Paste1 = MenuItem(Edit1, "Paste", "Paste1", QKeySequence(Qt::CTRL | Qt::Key_P));
  Help1 = Named(bar->addMenu("&Help"), "Help1");
  HelpContents1 = MenuItem(Help1, "Help &Contents", "HelpContents1");
  About1 = MenuItem(Help1, "&About", "About1");
  for (QAction* action : {Save1, SelectAll1, Copy1, Paste1}) {
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
  }
}

void TFormTunelot::CreateContextMenus() {
  PopupMenu1 = Named(new QMenu(this), "PopupMenu1");
  Selectallfiles1 = MenuItem(PopupMenu1, "Select all files", "Selectallfiles1");
  RemoveSelectedInputList = MenuItem(PopupMenu1, "Remove Selected", "RemoveSelectedInputList");
  ClearList1 = MenuItem(PopupMenu1, "Clear List", "ClearList1");
  PrintList1 = MenuItem(PopupMenu1, "Print List", "PrintList1");
  N1 = Separator(PopupMenu1, "N1");
  Play1 = MenuItem(PopupMenu1, "Play", "Play1");
  RandomizeSelection1 = MenuItem(PopupMenu1, "Randomize Selection", "RandomizeSelection1");
  RandomizeSelection1->setStatusTip("Select random files up to the free space in the output path");

  PopupMenu2 = Named(new QMenu(this), "PopupMenu2");
  RemoveSelectedOutputList = MenuItem(PopupMenu2, "Remove Selected", "RemoveSelectedOutputList");
  ClearList2 = MenuItem(PopupMenu2, "Clear List", "ClearList2");
  PrintList2 = MenuItem(PopupMenu2, "Print List", "PrintList2");
  N3 = Separator(PopupMenu2, "N3");
  Loadlistfromfile1 = MenuItem(PopupMenu2, "Open", "Loadlistfromfile1");
  Savelisttofile1 = MenuItem(PopupMenu2, "Save", "Savelisttofile1");
  N2 = Separator(PopupMenu2, "N2");
  Play2 = MenuItem(PopupMenu2, "Play", "Play2");
  Randomize1 = MenuItem(PopupMenu2, "Randomize Order", "Randomize1");
}

void TFormTunelot::SetTabOrder() {
  const QList<QWidget*> order = {
      BitBtnSelect,         fcShapeBtnUp, fcShapeBtnDown,         BitBtnCopy,
      SaveTo->lineEdit(),   AdvListView1, fcShapeBtnMoveToOutput, fcShapeBtnMoveToInput,
      ReadFrom->lineEdit(), AdvListView2};
  for (int i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
  BitBtnSelect->setFocus();
}

void TFormTunelot::ConnectHandlers() {
  auto on = [this](auto* sender, auto signal, void (TFormTunelot::*handler)()) {
    connect(sender, signal, this,
            [this, handler] { Run([this, handler] { (this->*handler)(); }); });
  };
  on(BitBtnSelect, &QPushButton::clicked, &TFormTunelot::BitBtnSelectClick);
  connect(ReadFrom, &DirectoryEdit::keyPressed, this,
          [this](int key) { Run([this, key] { ReadFromKeyPress(key); }); });
  on(SaveTo, &DirectoryEdit::changed, &TFormTunelot::SaveToChange);
  on(BitBtnCopy, &QPushButton::clicked, &TFormTunelot::BitBtnCopyClick);
  on(fcShapeBtnMoveToOutput, &ArrowButton::clicked, &TFormTunelot::fcShapeBtnMoveToOutputClick);
  on(fcShapeBtnMoveToInput, &ArrowButton::clicked, &TFormTunelot::fcShapeBtnMoveToInputClick);
  on(fcShapeBtnUp, &ArrowButton::clicked, &TFormTunelot::fcShapeBtnUpClick);
  on(fcShapeBtnDown, &ArrowButton::clicked, &TFormTunelot::fcShapeBtnDownClick);
  on(AdvListView1, &FileListView::doubleClicked, &TFormTunelot::AdvListView1DblClick);
  on(AdvListView2, &FileListView::doubleClicked, &TFormTunelot::AdvListView2DblClick);
  on(AdvListView1, &FileListView::headerClicked, &TFormTunelot::AdvListView1ColumnClick);
  on(AdvListView2, &FileListView::headerClicked, &TFormTunelot::AdvListView2ColumnClick);
  for (FileListView* list : {AdvListView1, AdvListView2}) {
    connect(list, &FileListView::mouseDown, this, [this, list](Qt::MouseButton button) {
      Run([=, this] { AdvListView1MouseDown(list, button); });
    });
    connect(list, &FileListView::mouseUp, this,
            [this](Qt::MouseButton button) { Run([=, this] { AdvListView1MouseUp(button); }); });
  }
  connect(AdvListView1, &FileListView::dragOver, this, &TFormTunelot::AdvListView1DragOver);
  connect(AdvListView2, &FileListView::dragOver, this, &TFormTunelot::AdvListView2DragOver);
  connect(AdvListView1, &FileListView::dropped, this,
          [this](FileListView* source) { Run([=, this] { AdvListView1DragDrop(source); }); });
  connect(AdvListView2, &FileListView::dropped, this,
          [this](FileListView* source) { Run([=, this] { AdvListView2DragDrop(source); }); });
  connect(AdvListView1, &FileListView::contextMenuWanted, this,
          [this](const QPoint& at) { PopupMenu1->popup(at); });
  connect(AdvListView2, &FileListView::contextMenuWanted, this,
          [this](const QPoint& at) { PopupMenu2->popup(at); });
  on(PopupMenu1, &QMenu::aboutToShow, &TFormTunelot::PopupMenu1Popup);
  on(PopupMenu2, &QMenu::aboutToShow, &TFormTunelot::PopupMenu2Popup);

  const std::pair<QAction*, void (TFormTunelot::*)()> items[] = {
      {Selectallfiles1, &TFormTunelot::Selectallfiles1Click},
      {SelectAll1, &TFormTunelot::Selectallfiles1Click},
      {RemoveSelectedInputList, &TFormTunelot::RemoveSelectedInputListClick},
      {ClearList1, &TFormTunelot::ClearList1Click},
      {PrintList1, &TFormTunelot::PrintList1Click},
      {Play1, &TFormTunelot::Play1Click},
      {RandomizeSelection1, &TFormTunelot::RandomizeSelection1Click},
      {RemoveSelectedOutputList, &TFormTunelot::RemoveSelectedOutputListClick},
      {ClearList2, &TFormTunelot::ClearList2Click},
      {PrintList2, &TFormTunelot::PrintList2Click},
      {Loadlistfromfile1, &TFormTunelot::Loadlistfromfile1Click},
      {Open1, &TFormTunelot::Loadlistfromfile1Click},
      {Savelisttofile1, &TFormTunelot::Savelisttofile1Click},
      {Save1, &TFormTunelot::Savelisttofile1Click},
      {Play2, &TFormTunelot::Play2Click},
      {Play3, &TFormTunelot::Play2Click},
      {Randomize1, &TFormTunelot::Randomize1Click},
      {Exit1, &TFormTunelot::Exit1Click},
      {Copy1, &TFormTunelot::Copy1Click},
      {Paste1, &TFormTunelot::Paste1Click},
      {HelpContents1, &TFormTunelot::HelpContents1Click},
      {About1, &TFormTunelot::About1Click},
  };
  for (const auto& [action, handler] : items) on(action, &QAction::triggered, handler);
}

void TFormTunelot::KeepWindowShortcuts() {
  // The window's shortcuts win over the path boxes' and lists' own Ctrl+A, Ctrl+C and the
  // like: Ctrl+C in a path box copies the input list, not the box's text.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

bool TFormTunelot::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : {Save1, SelectAll1, Copy1, Paste1}) {
      if (action->shortcut() == pressed) {
        event->ignore();
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFormTunelot::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) Run([this] { FormShow(); });
}

void TFormTunelot::Run(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ReportError(error);
  }
}

void TFormTunelot::ReportError(const std::exception& error) {
  if (services_.dialogs->ReportError(QString::fromLocal8Bit(error.what())) ==
      ErrorReportChoice::CloseProgram) {
    close();
  }
}

void TFormTunelot::FormCreate() {
  inputList_.Clear();
  outputList_.Clear();
}

void TFormTunelot::FormShow() { setWindowTitle("Tunelot " + versionString_); }

void TFormTunelot::Exit1Click() { close(); }

}  // namespace tunelot
