#pragma once
// A design form as the program makes it, driven by the user's mouse: presses,
// moves and releases go to the Qt peers of the controls, as real input does.
#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ide/designer/catalogue.h"
#include "ide/designer/grabhandles.h"
#include "ide/designer/palettechoice.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/controls/control.h"

namespace korvax::test {

// Records what a designer tells its listeners.
class DesignLog : public designer::TDesignListener {
public:
  void Edited(const designer::TDesignEdit& edit) override { Edits.push_back(edit); }
  void ComponentInspected(kcl::TControl* wrapper, kcl::TComponent* component) override {
    Inspected.push_back({wrapper, component});
  }
  void CommandWanted(designer::TDesignCommand command, designer::TProxyDesigner&) override {
    Commands.push_back(command);
  }
  std::vector<designer::TDesignEdit> Edits;
  std::vector<std::pair<kcl::TControl*, kcl::TComponent*>> Inspected;
  std::vector<designer::TDesignCommand> Commands;
};

class DesignFormTest : public testing::Test {
protected:
  void SetUp() override {
    designer::RegisterDesignerClasses();
    Palette.ShowArrow = [this] { ++ArrowShown; };
    Form.reset(designer::CreateDesignForm("Form1.dfm", "Unit1.pas", Palette));
    Designer()->AddListener(&Log);
  }
  void TearDown() override {
    if (Form) Designer()->RemoveListener(&Log);
    Form.reset();
  }

  designer::TProxyDesigner* Designer() const { return Form->ProxyDesigner(); }

  // The palette Tag of a class.
  static int TagOf(const std::string& className) {
    for (const designer::TCatalogueEntry& entry : designer::Catalogue())
      if (className == entry.ClassName && entry.Tag > 0) return entry.Tag;
    ADD_FAILURE() << "no palette button for " << className;
    return 0;
  }

  // The widget that takes the mouse at (x, y) of a control, and the point there:
  // a grab handle is a square on its parent's handle layer.
  static std::pair<QWidget*, QPoint> PeerOf(kcl::TControl* control, int x, int y) {
    if (auto* handle = dynamic_cast<designer::TGrabHandle*>(control))
      return {designer::TGrabHandleLayer::For(handle->Parent()), QPoint(handle->Left() + x, handle->Top() + y)};
    return {control->Widget() ? control->Widget() : static_cast<kcl::TForm*>(control)->ClientWidget(), QPoint(x, y)};
  }
  void Press(kcl::TControl* on, int x, int y, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QCoreApplication::sendPostedEvents();  // the screen is up to date when the user presses
    const auto [widget, at] = PeerOf(on, x, y);
    QTest::mousePress(widget, Qt::LeftButton, keys, at);
  }
  // Moves while the button is down: the peer pressed keeps the mouse.
  void MoveTo(kcl::TControl* pressed, int x, int y, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    const auto [widget, at] = PeerOf(pressed, x, y);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::LeftButton,
                     keys);
    QApplication::sendEvent(widget, &move);
  }
  void Release(kcl::TControl* pressed, int x, int y, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    const auto [widget, at] = PeerOf(pressed, x, y);
    QTest::mouseRelease(widget, Qt::LeftButton, keys, at);
  }
  void Drag(kcl::TControl* control, QPoint from, QPoint to) {
    Press(control, from.x(), from.y());
    MoveTo(control, to.x(), to.y());
    Release(control, to.x(), to.y());
  }

  // Places the palette's class for a press on `on` (the form when nil) at (x, y).
  kcl::TComponent* PlaceByPalette(const std::string& className, int x, int y, kcl::TControl* on = nullptr) {
    Palette.Choose(TagOf(className), false);
    const size_t before = Log.Edits.size();
    Press(on ? on : Form.get(), x, y);
    Release(on ? on : Form.get(), x, y);
    if (Log.Edits.size() == before || Log.Edits.back().Components.empty()) return nullptr;
    return Log.Edits.back().Components.front();
  }

  designer::TPaletteChoice Palette;
  int ArrowShown = 0;
  DesignLog Log;
  std::unique_ptr<designer::TProxyForm, kcl::TObjectFree> Form;
};

}  // namespace korvax::test
