#pragma once
// The types that controls publish and their events pass: alignment, borders,
// input methods, control style, shift state, mouse buttons, and the method types of the standard events.
#include <cstdint>

#include "kcl/classes/alignment.h"
#include "kcl/classes/events.h"
#include "kcl/classes/typeof.h"

namespace kcl {

KCL_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
KCL_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
KCL_ENUM(TScrollBarKind, sbHorizontal, sbVertical)

// A control's border; TBorderStyle is the range bsNone..bsSingle of the form's.
KCL_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
using TBorderStyle = TFormBorderStyle;
const TTypeInfo* TBorderStyleType();

// The input method a windowed control asks for (kept for the form file; Qt
// chooses input methods itself).
KCL_ENUM(TImeMode, imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese,
         imSHanguel, imHanguel)
const TTypeInfo* TImeNameType();

KCL_ENUM(TControlStyleFlag, csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed,
         csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable,
         csNoStdEvents, csDisplayDragImage, csReflector)
KCL_SET(TControlStyle, TControlStyleFlag)

KCL_ENUM(TShiftStateFlag, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
KCL_SET(TShiftState, TShiftStateFlag)

KCL_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
KCL_ENUM(TDragMode, dmManual, dmAutomatic)
KCL_ENUM(TDragState, dsDragEnter, dsDragLeave, dsDragMove)

using TModalResult = int32_t;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8;
const TTypeInfo* TModalResultType();

using Word = uint16_t;
using TMouseEvent = TEvent<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = TEvent<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = TEvent<void(TObject* sender, Word& key, TShiftState shift)>;
using TKeyPressEvent = TEvent<void(TObject* sender, char& key)>;

using TDragDropEvent = TEvent<void(TObject* sender, TObject* source, int x, int y)>;
using TDragOverEvent = TEvent<void(TObject* sender, TObject* source, int x, int y, TDragState state, bool& accept)>;
using TEndDragEvent = TEvent<void(TObject* sender, TObject* target, int x, int y)>;
using TStartDragEvent = TEvent<void(TObject* sender, TObject*& dragObject)>;

const TTypeInfo* TDragDropEventType();
const TTypeInfo* TDragOverEventType();
const TTypeInfo* TEndDragEventType();
const TTypeInfo* TStartDragEventType();
const TTypeInfo* TMouseEventType();
const TTypeInfo* TMouseMoveEventType();
const TTypeInfo* TKeyEventType();
const TTypeInfo* TKeyPressEventType();
const TTypeInfo* TCaptionType();      // "TCaption", a string
const TTypeInfo* THelpContextType();  // "THelpContext", an integer
const TTypeInfo* TTabOrderType();     // "TTabOrder", -1..32767
const TTypeInfo* TScrollBarIncType(); // "TScrollBarInc", 1..32767: the steps of scroll bars

}  // namespace kcl
