#include "kcl/components/msgdlg.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>
#include <vector>

#include "kcl/components/dlgcontrols.h"
#include "kcl/components/edit.h"
#include "kcl/components/label.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/application.h"
#include "kcl/controls/form.h"
#include "kcl/graphics/font.h"
#include "kcl/desktop/cp1252.h"

namespace kcl {

namespace {

struct ButtonInfo {
  const char* Name;
  const char* Caption;
  TModalResult Result;
};

constexpr ButtonInfo Buttons[] = {
    {"Yes", "&Yes", mrYes},       {"No", "&No", mrNo},          {"OK", "OK", mrOk},
    {"Cancel", "Cancel", mrCancel}, {"Abort", "&Abort", mrAbort}, {"Retry", "&Retry", mrRetry},
    {"Ignore", "&Ignore", mrIgnore}, {"All", "&All", mrAll},      {"Help", "&Help", mrNone},
};

const char* const Captions[] = {"Warning", "Error", "Information", "Confirm"};
constexpr uint32_t IconFlags[] = {MB_ICONWARNING, MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION, 0};

std::string ApplicationTitle() {
  if (!Application()->Title().empty()) return Application()->Title();
  return cp1252::Encode(QCoreApplication::applicationName());
}

// Dialog units of the form's font, as the Windows dialog manager counts them.
struct DialogUnits {
  int X, Y;
  explicit DialogUnits(const TFont& font) {
    const QFontMetrics metrics(font.ToQFont());
    X = std::max(1, metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52);
    Y = metrics.height();
  }
  int H(int units) const { return units * X / 4; }
  int V(int units) const { return units * Y / 8; }
};

using ButtonOrder = std::vector<TMsgDlgBtn>;

ButtonOrder InDelphiOrder(TMsgDlgButtons buttons) {
  ButtonOrder order;
  for (int b = mbYes; b <= mbHelp; ++b)
    if (buttons.Contains(static_cast<TMsgDlgBtn>(b))) order.push_back(static_cast<TMsgDlgBtn>(b));
  return order;
}

std::unique_ptr<TForm, TObjectFree> BuildMessageForm(const std::string& msg, const std::string& caption,
                                                     uint32_t iconFlag, const ButtonOrder& buttons,
                                                     TMsgDlgBtn defaultButton, TMsgDlgBtn cancelButton) {
  std::unique_ptr<TForm, TObjectFree> form(new TForm(Application()));
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  form->SetCaption(caption);
  const DialogUnits du(*form->Font());
  const int margin = du.H(8), vMargin = du.V(8), spacing = du.H(10), vSpacing = du.V(10);
  const int buttonWidth = du.H(50), buttonHeight = du.V(14), buttonSpacing = du.H(4);

  const QFontMetrics metrics(form->Font()->ToQFont());
  const QRect text = metrics.boundingRect(QRect(0, 0, std::max(200, Screen()->Width() / 2), 0),
                                          Qt::TextWordWrap | Qt::AlignLeft, cp1252::Decode(msg));
  const int iconSize = iconFlag ? 32 : 0;
  const int iconTextWidth = text.width() + (iconFlag ? iconSize + spacing : 0);
  const int iconTextHeight = std::max(iconSize, text.height());

  const int count = static_cast<int>(buttons.size());
  const int groupWidth = count * buttonWidth + std::max(0, count - 1) * buttonSpacing;
  form->SetClientSize(std::max(iconTextWidth, groupWidth) + 2 * margin,
                      iconTextHeight + vSpacing + buttonHeight + 2 * vMargin);

  if (iconFlag) PlaceControl<TMessageIcon>(form.get(), "Image", Bounds(margin, vMargin, 32, 32), iconFlag);
  auto* label = PlaceControl<TLabel>(
      form.get(), "Message", Bounds(margin + iconTextWidth - text.width(), vMargin, text.width() + 1, text.height()));
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetCaption(msg);

  int x = (form->ClientWidth() - groupWidth) / 2;
  const int y = vMargin + iconTextHeight + vSpacing;
  for (TMsgDlgBtn b : buttons) {
    const ButtonInfo& info = Buttons[b];
    auto* button = PlaceControl<TButton>(form.get(), info.Name, Bounds(x, y, buttonWidth, buttonHeight));
    button->SetCaption(info.Caption);
    button->SetModalResult(info.Result);
    if (b == defaultButton) {
      button->SetDefault(true);
      form->SetActiveControl(button);
    }
    if (b == cancelButton) button->SetCancel(true);
    x += buttonWidth + buttonSpacing;
  }
  HandleDialogKeys(form.get());
  return form;
}

TMsgDlgBtn DefaultButtonOf(TMsgDlgButtons buttons) {
  if (buttons.Contains(mbOK)) return mbOK;
  if (buttons.Contains(mbYes)) return mbYes;
  if (buttons.Contains(mbRetry)) return mbRetry;
  const ButtonOrder order = InDelphiOrder(buttons);
  return order.empty() ? mbOK : order.front();
}

TMsgDlgBtn CancelButtonOf(TMsgDlgButtons buttons) {
  if (buttons.Contains(mbCancel)) return mbCancel;
  if (buttons.Contains(mbNo)) return mbNo;
  return mbOK;
}

}  // namespace

std::unique_ptr<TForm, TObjectFree> CreateMessageDialog(const std::string& msg, TMsgDlgType dlgType,
                                                        TMsgDlgButtons buttons) {
  const std::string caption = dlgType == mtCustom ? ApplicationTitle() : Captions[dlgType];
  return BuildMessageForm(msg, caption, IconFlags[dlgType], InDelphiOrder(buttons), DefaultButtonOf(buttons),
                          CancelButtonOf(buttons));
}

int MessageDlg(const std::string& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int32_t helpCtx) {
  return MessageDlgPos(msg, dlgType, buttons, helpCtx, -1, -1);
}

int MessageDlgPos(const std::string& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int32_t helpCtx, int x,
                  int y) {
  auto form = CreateMessageDialog(msg, dlgType, buttons);
  form->SetHelpContext(helpCtx);
  if (x >= 0) form->SetLeft(x), form->SetPosition(poDesigned);
  if (y >= 0) form->SetTop(y), form->SetPosition(poDesigned);
  return form->ShowModal();
}

void ShowMessage(const std::string& msg) { MessageDlg(msg, mtCustom, {mbOK}, 0); }

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  std::unique_ptr<TForm, TObjectFree> form(new TForm(Application()));
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  form->SetCaption(caption);
  const DialogUnits du(*form->Font());
  form->SetClientSize(du.H(180), du.V(63));
  auto* label = PlaceControl<TLabel>(form.get(), "Prompt", Bounds(du.H(8), du.V(8), du.H(164), du.Y));
  label->SetCaption(prompt);
  auto* edit = PlaceControl<TEdit>(form.get(), "Edit", Bounds(du.H(8), du.V(19), du.H(164), du.V(12) + 2));
  edit->SetText(value);
  const int buttonTop = du.V(41), buttonWidth = du.H(50), buttonHeight = du.V(14);
  auto* ok = PlaceControl<TButton>(form.get(), "OK", Bounds(du.H(38), buttonTop, buttonWidth, buttonHeight));
  ok->SetCaption("OK");
  ok->SetModalResult(mrOk);
  ok->SetDefault(true);
  auto* cancel =
      PlaceControl<TButton>(form.get(), "Cancel", Bounds(du.H(92), buttonTop, buttonWidth, buttonHeight));
  cancel->SetCaption("Cancel");
  cancel->SetModalResult(mrCancel);
  cancel->SetCancel(true);
  form->SetActiveControl(edit);
  edit->SelectAll();
  HandleDialogKeys(form.get());
  if (form->ShowModal() != mrOk) return false;
  value = edit->Text();
  return true;
}

std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue) {
  std::string value = defaultValue;
  InputQuery(caption, prompt, value);
  return value;
}

void InstallMessageBoxes() {
  TApplication::SetMessageBoxHandler([](const std::string& text, const std::string& caption, uint32_t flags) {
    // The buttons of MB_OK .. MB_RETRYCANCEL as the system's message box shows them.
    static const ButtonOrder Rows[] = {{mbOK},        {mbOK, mbCancel}, {mbAbort, mbRetry, mbIgnore},
                                       {mbYes, mbNo, mbCancel}, {mbYes, mbNo},    {mbRetry, mbCancel}};
    const uint32_t row = flags & 0x0F;
    const ButtonOrder& buttons = row < std::size(Rows) ? Rows[row] : Rows[0];
    TMsgDlgButtons set;
    for (TMsgDlgBtn b : buttons) set.Include(b);
    // MB_DEFBUTTON2..4 make another button the default.
    const size_t defaultIndex = (flags >> 8) & 0x0F;
    const TMsgDlgBtn defaultButton = defaultIndex < buttons.size() ? buttons[defaultIndex] : buttons.front();
    auto form = BuildMessageForm(text, caption, flags & 0xF0, buttons, defaultButton, CancelButtonOf(set));
    return form->ShowModal();  // the modal results are the IDOK .. IDNO codes
  });
}

}  // namespace kcl
