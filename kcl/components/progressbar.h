#pragma once
// TProgressBar: a bar filled as a task advances, from Min to Max, on a Qt
// progress bar in the Windows look (blocks, no percentage).
#include "kcl/controls/wincontrol.h"

class QProgressBar;

namespace kcl {

class TProgressBar : public TWinControl {
  KCL_CLASS(TProgressBar, TWinControl)
public:
  explicit TProgressBar(TComponent* owner);

  int Min() const { return FMin; }
  void SetMin(int v) { SetRange(v, FMax); }
  int Max() const { return FMax; }
  void SetMax(int v) { SetRange(FMin, v); }
  int Position() const { return FPosition; }
  void SetPosition(int v);
  int Step() const { return FStep; }
  void SetStep(int v) { FStep = v; }
  void StepIt() { StepBy(FStep); }
  void StepBy(int delta) { SetPosition(FPosition + delta); }

protected:
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;

private:
  // A range read from a file stands as it is; the position keeps inside it.
  void SetRange(int min, int max);
  void UpdateWidget();
  QProgressBar* Bar() const;

  int FMin = 0, FMax = 100, FPosition = 0, FStep = 10;
};

}  // namespace kcl
