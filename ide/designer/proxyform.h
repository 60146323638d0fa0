#pragma once
// TProxyForm: the form under design, a live window whose controls are in design
// state. Its designer (proxydesigner.h) gets every message of those controls; the
// form's own mouse handling places the palette's component and moves the
// selection with XOR outlines. The form streams as its own class (TForm1 for
// Form1) with the properties of TForm alone: nothing of the designer's own
// handling is in its event properties, so none of it reaches a form file.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ide/designer/dragrects.h"
#include "kcl/classes/stringlist.h"
#include "kcl/controls/form.h"

namespace korvax::designer {

class TProxyDesigner;
class TPaletteChoice;

// How a design form's file holds it, to be written back the same way.
enum class TFormFileKind { Resource, Binary, Text };

class TProxyForm : public kcl::TForm {
  KCL_CLASS(TProxyForm, kcl::TForm)
public:
  // A new form takes its look from the layout "ProxyForm"; a form about to be read
  // from its file starts as a bare form, so that what the file leaves out stays
  // at the form's defaults.
  enum class TStart { Layout, Bare };
  // Builds the form with its designer; placements come from the palette's choice
  // (which outlives the form).
  TProxyForm(kcl::TComponent* owner, TPaletteChoice& palette, TStart start = TStart::Layout);
  void BeforeDestruction() override;
  ~TProxyForm() override;

  TProxyDesigner* ProxyDesigner() const { return FDesigner.get(); }
  TPaletteChoice& Palette() const { return FPalette; }

  // The control a left press was routed from last, or the control created last.
  kcl::TControl* CurrentControl = nullptr;
  // A move of the selection is in progress.
  bool Moving = false;
  // Where the move stands, in the form's client coordinates.
  kcl::TPoint DownPoint{0, 0};
  kcl::TRect LastDragRect;
  // The name entries ("Button1:TButton") of the components added through the designer.
  std::unique_ptr<kcl::TStringList> ComponentNames;
  std::unique_ptr<TDragRectList> DragRects;
  // The unit that belongs to the form ("Unit1.pas").
  std::string UnitFileName;
  TFormFileKind FileKind = TFormFileKind::Resource;
  // Whether the form itself is visible (its file says so), whatever its window is.
  bool DesignedVisible = false;
  // The form files an inherited form's file builds on, its base form first: it is
  // written as its differences from them.
  std::vector<std::string> AncestorFiles;
  // The file holds a data module (no form's properties), which the form stands in for.
  bool DataModule = false;
  // Whether the file the form was read from held the property.
  bool HeldInFile(const std::string& name) const;
  // Why the form's file could not be read whole; such a form is not written back.
  std::string LoadError;
  // Runs when the form becomes the active window, for the window that keeps
  // track of the current design form.
  std::function<void(TProxyForm& form)> OnDesignActivate;

  // The form's handlers (the framework calls them through the overrides below).
  void FormCreate(kcl::TObject* sender);
  void FormActivate(kcl::TObject* sender);
  void FormPaint(kcl::TObject* sender);
  void FormDestroy(kcl::TObject* sender);
  void FormMouseDown(kcl::TObject* sender, kcl::TMouseButton button, kcl::TShiftState shift, int x, int y);
  void FormMouseMove(kcl::TObject* sender, kcl::TShiftState shift, int x, int y);
  void FormMouseUp(kcl::TObject* sender, kcl::TMouseButton button, kcl::TShiftState shift, int x, int y);

  // Moving the selection.
  void BeginDrag(kcl::TPoint p);
  void DragTo(kcl::TPoint p);
  void EndDrag(kcl::TPoint p);
  // Draws r in XOR on the form, over its controls; drawing it again removes it.
  void DrawDragRect(const kcl::TRect& r);

  // Outlines are drawn over the child controls while this is off.
  bool ClipChildren() const { return FClipChildren; }
  void SetClipChildren(bool clip);
  // While the mouse is confined, points beyond the client area count as its edge.
  void ConfineCursor() { FCursorConfined = true; }
  void ReleaseCursor() { FCursorConfined = false; }
  bool CursorConfined() const { return FCursorConfined; }
  kcl::TPoint ConfinedPoint(kcl::TPoint p) const;

  // The form has the keyboard after a press on it or on one of its controls, so
  // that its designer gets the keys: a windowless control cannot have it.
  void TakeKeyboard();
  // Keys on the form itself go to the designer as its controls' keys do.
  void WndProc(kcl::TMessage& message) override;

  // A press the designer hands on from a control, in that control's client
  // coordinates; the moves and the release that follow arrive in form coordinates.
  void RoutedMouseDown(kcl::TControl* sender, kcl::TMessage& message);
  bool MouseCaptured() const { return FCaptured; }
  // A point in sender's client coordinates, in the form's.
  kcl::TPoint FormPoint(kcl::TControl* sender, kcl::TPoint p) const;
  // A control's bounds in the form's client coordinates (it may sit in a panel).
  kcl::TRect FormRect(const kcl::TControl* control) const;

  // A rectangle in control's parent's coordinates, in the form's.
  kcl::TRect ParentToForm(const kcl::TControl* control, const kcl::TRect& r) const;

  // The designer's own components among the form's (wrappers and its context
  // menu: grab handles belong to no one), never written nor listed.
  static bool IsDesignerControl(const kcl::TComponent* component);
  void GetChildren(const kcl::TGetChildProc& proc, kcl::TComponent* root) override;
  // A component that goes leaves the designer's selection; a wrapper whose
  // component goes stands for nothing.
  void Notification(kcl::TComponent* component, kcl::TOperation operation) override;

protected:
  void Activate() override;
  bool PaintsItself() const override { return true; }
  bool PlacedByPosition() const override { return false; }
  void DefineProperties(kcl::TFiler& filer) override;
  void Paint() override;
  void MouseDown(kcl::TMouseButton button, kcl::TShiftState shift, int x, int y) override;
  void MouseMove(kcl::TShiftState shift, int x, int y) override;
  void MouseUp(kcl::TMouseButton button, kcl::TShiftState shift, int x, int y) override;
  // A double-click on the bare form asks for the form's first event handler.
  void DblClick() override;

public:
  // A clash raises the framework's error; a component renamed by the user is
  // an edit of the designer's.
  void ValidateRename(kcl::TComponent* component, const std::string& curName, const std::string& newName) override;

protected:

private:
  // Outline i of a move, on the form.
  kcl::TRect DragOutline(int index) const;

  TPaletteChoice& FPalette;
  std::unique_ptr<TProxyDesigner> FDesigner;
  kcl::TControl* FRoutedFrom = nullptr;  // during a routed press
  bool FClipChildren = true;
  bool FCursorConfined = false;
  bool FCaptured = false;
};

// The designer of the design form activated last.
extern TProxyDesigner* CurrentDesigner;

// Gives the design form the class it streams as: className, with the published
// properties of TForm alone (the form's own Visible among them). One class is
// made for a name and kept.
void MakeDesignClass(TProxyForm& form, const std::string& className);

// Registers what form files may name: every class of the catalogue (so that a
// form the designer saved always loads again) and the wrappers older files hold.
void RegisterDesignerClasses();

// After a form was read into a design form: its controls and wrappers go into
// design state; every non-visual component but a menu item (shown in its menu)
// gets its wrapper at the component's recorded position; wrappers read from
// older files find their components.
void PrepareLoadedForm(TProxyForm& form);

// A new design form for unit unitFile: named after the form file's base name,
// streaming as "T" and that name, shown, and made the current design form.
TProxyForm* CreateDesignForm(const std::string& formFile, const std::string& unitFile, TPaletteChoice& palette);

}  // namespace korvax::designer
