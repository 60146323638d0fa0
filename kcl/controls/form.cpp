#include "kcl/controls/form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/controls/application.h"
#include "kcl/controls/customcontrol.h"
#include "kcl/controls/modal.h"

namespace kcl {

constexpr int MenuBarHeight = 19;

// The top-level Qt window of a form; the form's client widget fills it.
class TFormWindow : public QWidget {
public:
  explicit TFormWindow(TCustomForm* form) : FForm(form) {}

  // The menu bar, when there is one, sits above the client area.
  void PlaceClient() {
    const int bar = FForm->Menu() ? MenuBarHeight : 0;
    if (QWidget* client = FForm->ClientWidget()) client->setGeometry(0, bar, width(), std::max(0, height() - bar));
  }

protected:
  void resizeEvent(QResizeEvent*) override {
    PlaceClient();
    FForm->WindowResized(width(), height() - (FForm->Menu() ? MenuBarHeight : 0));
  }
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    FForm->Close();
  }
  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::ActivationChange) {
      if (isActiveWindow()) {
        Screen()->FormActivated(FForm);
        FForm->Activate();
      } else {
        FForm->Deactivate();
      }
    }
    QWidget::changeEvent(event);
  }

private:
  TCustomForm* FForm;
};

const TTypeInfo* TCloseEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TCloseEvent", mkProcedure, {{0, "Sender", "TObject"}, {pfVar, "Action", "TCloseAction"}});
  return t;
}

const TTypeInfo* TCloseQueryEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TCloseQueryEvent", mkProcedure, {{0, "Sender", "TObject"}, {pfVar, "CanClose", "Boolean"}});
  return t;
}

TCustomForm::TCustomForm(TComponent* owner)
    : TScrollingWinControl(owner), FIcon(std::make_unique<TIcon>()), FCanvas(std::make_unique<TControlCanvas>(this)) {
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetBounds(0, 0, 320, 240);
  HandleNeeded();
  Screen()->AddForm(this);
}

TCustomForm::~TCustomForm() {
  Screen()->RemoveForm(this);
  TControl::DestroyWidget();
  delete FWindow;
}

void TCustomForm::BeforeDestruction() {
  if (!ComponentState().Contains(csDestroying)) OnDestroy(this);
  Screen()->RemoveForm(this);
  // The canvas may still be drawing on the window's overlay: it stops first.
  FCanvas->EndWidgetPaint();
  TWinControl::BeforeDestruction();
  delete FWindow;
  FWindow = nullptr;
}

QWidget* TCustomForm::Window() const { return FWindow; }

QWidget* TCustomForm::CreateWidget(QWidget*) {
  FWindow = new TFormWindow(this);
  return new QWidget(FWindow);
}

void TCustomForm::FrameMetrics(int& frameX, int& frameY, int& caption) const {
  switch (FBorderStyle) {
    case bsNone: frameX = frameY = caption = 0; break;
    case bsSingle: case bsDialog: frameX = frameY = 3, caption = 19; break;
    case bsToolWindow: frameX = frameY = 3, caption = 15; break;
    case bsSizeToolWin: frameX = frameY = 4, caption = 15; break;
    default: frameX = frameY = 4, caption = 19; break;
  }
}

TRect TCustomForm::ClientRect() const {
  int fx = 0, fy = 0, caption = 0;
  FrameMetrics(fx, fy, caption);
  const int bar = FMenu ? MenuBarHeight : 0;
  return Rect(0, 0, std::max(0, Width() - 2 * fx), std::max(0, Height() - 2 * fy - caption - bar));
}

TPoint TCustomForm::ClientOrigin() const {
  int fx = 0, fy = 0, caption = 0;
  FrameMetrics(fx, fy, caption);
  return {Left() + fx, Top() + fy + caption + (FMenu ? MenuBarHeight : 0)};
}

void TCustomForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
  TWinControl::GetChildren(proc, root);
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) proc(Components(i));
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (FMenu == menu) return;
  if (FMenu) FMenu->AttachTo(nullptr);
  FMenu = menu;
  if (menu) {
    menu->FreeNotification(this);
    menu->AttachTo(this);
  }
  // As with a window's menu, the form keeps its size and the client area gives
  // the bar its room.
  UpdateWidgetGeometry();
  Realign();
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == FMenu) {
    FMenu = nullptr;
    UpdateWidgetGeometry();
    Realign();
  }
  if (operation == opRemove && component == FActiveControl) FActiveControl = nullptr;
  if (operation == opRemove && component == FObjectMenuItem) FObjectMenuItem = nullptr;
  if (operation == opRemove && component == FWindowMenu) FWindowMenu = nullptr;
}

void TCustomForm::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  TWinControl::SetBounds(left, top, width, height);
  if (resized && !IsLoading()) OnResize(this);
}

void TCustomForm::UpdateWidgetGeometry() {
  if (!FWindow) return;
  const int bar = FMenu ? MenuBarHeight : 0;
  const TPoint origin = ClientOrigin();
  const TRect client = ClientRect();
  FWindow->setGeometry(origin.X, origin.Y - bar, client.Width(), client.Height() + bar);
  // A menu set or taken away leaves the window its size: the client area moves all the same.
  FWindow->PlaceClient();
}

void TCustomForm::WindowResized(int clientWidth, int clientHeight) {
  const TRect client = ClientRect();
  if (clientWidth == client.Width() && clientHeight == client.Height()) return;
  SetBounds(Left(), Top(), Width() + clientWidth - client.Width(), Height() + clientHeight - client.Height());
}

void TCustomForm::UpdateWidgetVisibility() {
  if (FWindow) FWindow->setVisible(Visible());
}

void TCustomForm::TextChanged() {
  if (FWindow) FWindow->setWindowTitle(QString::fromLatin1(Caption().c_str()));
}

bool TCustomForm::PaintWidget() {
  if (!PaintsItself()) return false;
  PaintThroughCanvas(this, *FCanvas, [this] { Paint(); });
  return true;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  FActiveControl = control;
  if (control && Showing() && control->CanFocus()) control->SetFocus();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
  if (v != FBorderStyle) SetAutoScroll(v == bsSizeable || v == bsSizeToolWin);
  FBorderStyle = v;
  UpdateWidgetGeometry();
}

void TCustomForm::SetBorderIcons(TBorderIcons v) { FBorderIcons = v; }

void TCustomForm::SetFormStyle(TFormStyle v) {
  FFormStyle = v;
  if (FWindow) FWindow->setWindowFlag(Qt::WindowStaysOnTopHint, v == fsStayOnTop);
}

bool TCustomForm::Showing() const { return FWindow && FWindow->isVisible(); }

void TCustomForm::Show() {
  if (FPosition == poScreenCenter && PlacedByPosition()) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->geometry();
      SetBounds((area.width() - Width()) / 2, (area.height() - Height()) / 2, Width(), Height());
    }
  }
  const bool wasVisible = Visible();
  SetVisible(true);
  if (FWindow && QGuiApplication::platformName() != "offscreen") FWindow->raise();
  if (!wasVisible) DoShow();
  if (FActiveControl && FActiveControl->CanFocus()) FActiveControl->SetFocus();
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (FInModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caHide || action == caMinimize) {
    SetVisible(false);
    OnHide(this);
  } else if (action == caFree) {
    SetVisible(false);
    FFreeOnClose = true;
    // Freed once the current handler has returned, as Release does.
    QPointer<QWidget> window(FWindow);
    QMetaObject::invokeMethod(
        FWindow, [this, window] { if (window) Free(); }, Qt::QueuedConnection);
  }
}

TModalResult TCustomForm::ShowModal() {
  FModalResult = mrNone;
  FInModal = true;
  if (FWindow) FWindow->setWindowModality(Qt::ApplicationModal);
  Show();
  if (!RunModalHook(*this)) {
    while (FModalResult == mrNone && Showing())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
  }
  FInModal = false;
  if (FModalResult == mrNone) FModalResult = mrCancel;
  TCloseAction action = caHide;
  DoClose(action);
  SetVisible(false);
  if (FWindow) FWindow->setWindowModality(Qt::NonModal);
  OnHide(this);
  return FModalResult;
}

void TCustomForm::LoadFromLayout(const std::string& dfmText) {
  TMemoryStream binary;
  TStringStream text(dfmText);
  ObjectTextToBinary(text, binary);
  binary.SetPosition(0);
  TReader reader(binary);
  reader.ReadRootComponent(this);
  DoCreate();
}

}  // namespace kcl
