#include "kcl/components/maskedit.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/desktop/cp1252.h"

namespace kcl {

namespace {

// The mask itself, whether the text keeps the mask's literal characters ("0" in
// the second field says no), and its blank character ("_" unless named).
struct MaskParts {
  std::string Mask;
  bool SaveLiterals = true;
  char Blank = '_';
};

MaskParts SplitMask(const std::string& editMask) {
  // The fields are the last two unescaped ";": "mask;save;blank".
  std::vector<size_t> separators;
  for (size_t i = 0; i < editMask.size(); ++i) {
    if (editMask[i] == '\\') ++i;
    else if (editMask[i] == ';') separators.push_back(i);
  }
  MaskParts parts{editMask};
  if (separators.size() >= 2) {
    const size_t blankAt = separators.back() + 1;
    if (blankAt < editMask.size()) parts.Blank = editMask[blankAt];
    const size_t saveAt = separators[separators.size() - 2] + 1;
    parts.SaveLiterals = saveAt >= separators.back() || editMask[saveAt] != '0';
    parts.Mask = editMask.substr(0, separators[separators.size() - 2]);
  } else if (separators.size() == 1) {
    const size_t saveAt = separators[0] + 1;
    parts.SaveLiterals = saveAt >= editMask.size() || editMask[saveAt] != '0';
    parts.Mask = editMask.substr(0, separators[0]);
  }
  return parts;
}

// One place of the edit box: a character the user types, or a literal.
struct MaskPlace {
  bool Literal;
};

// The places the mask makes, in order; case and blank directives take none.
std::vector<MaskPlace> PlacesOf(const std::string& mask) {
  std::vector<MaskPlace> places;
  for (size_t i = 0; i < mask.size(); ++i) {
    const char c = mask[i];
    if (c == '!' || c == '<' || c == '>') continue;
    if (c == '\\') {
      ++i;
      places.push_back({true});
    } else {
      places.push_back({std::string_view("LlAaCc09#").find(c) == std::string_view::npos});
    }
  }
  return places;
}

bool IsQtMaskChar(char c) {
  return std::string_view("AaNnXx90Dd#HhBb<>!\\{}[];").find(c) != std::string_view::npos;
}

}  // namespace

std::string EditMaskToQtInputMask(const std::string& editMask) {
  const MaskParts parts = SplitMask(editMask);
  std::string qt;
  for (size_t i = 0; i < parts.Mask.size(); ++i) {
    const char c = parts.Mask[i];
    switch (c) {
      case '!': break;  // trailing blanks: Qt keeps what was typed where it was typed
      case '<':
        if (i + 1 < parts.Mask.size() && parts.Mask[i + 1] == '>') ++i, qt += '!';
        else qt += '<';
        break;
      case '>': qt += '>'; break;
      case 'L': qt += 'A'; break;
      case 'l': qt += 'a'; break;
      case 'A': qt += 'N'; break;
      case 'a': qt += 'n'; break;
      case 'C': qt += 'X'; break;
      case 'c': qt += 'x'; break;
      case '0': qt += '9'; break;
      case '9': qt += '0'; break;
      case '#': qt += '#'; break;
      case '_': qt += ' '; break;
      case '\\':
        if (++i < parts.Mask.size()) qt += (IsQtMaskChar(parts.Mask[i]) ? "\\" : "") + std::string(1, parts.Mask[i]);
        break;
      default: qt += (IsQtMaskChar(c) ? "\\" : "") + std::string(1, c); break;
    }
  }
  if (qt.empty()) return qt;
  return qt + ';' + (parts.Blank == ' ' || parts.Blank == 0 ? ' ' : parts.Blank);
}

std::string MaskedText(const std::string& editMask, const std::string& shown) {
  const MaskParts parts = SplitMask(editMask);
  const std::vector<MaskPlace> places = PlacesOf(parts.Mask);
  std::string text;
  for (size_t i = 0; i < shown.size(); ++i) {
    const bool literal = i < places.size() && places[i].Literal;
    if (literal && !parts.SaveLiterals) continue;
    text += !literal && shown[i] == parts.Blank ? ' ' : shown[i];
  }
  return text;
}

KCL_CLASS_INFO(TCustomMaskEdit) {}

KCL_CLASS_INFO(TMaskEdit) {
  using T = TMaskEdit;
  cls.property("AutoSelect", &T::AutoSelect, &T::SetAutoSelect).Default(true);
  cls.property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(true);
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.property("CharCase", &T::CharCase, &T::SetCharCase).Default(ecNormal);
  cls.publish({"Color", "Ctl3D", "DragCursor", "DragMode", "Enabled"});
  cls.property("EditMask", &T::EditMask, &T::SetEditMask, MakeStringType(tkLString, "TEditMask"));
  cls.publish({"Font", "ImeMode", "ImeName"});
  cls.property("MaxLength", &T::MaxLength, &T::SetMaxLength).Default(0);
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint"});
  cls.property("PasswordChar", &T::PasswordChar, &T::SetPasswordChar).Default('\0');
  cls.publish({"PopupMenu"});
  cls.property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.property("Text", &T::Text, &T::SetText, MakeStringType(tkLString, "TMaskedText"));
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish(WinControlEvents);
}

std::string TCustomMaskEdit::TextOfWidget(const QLineEdit& edit) const {
  if (!IsMasked()) return TCustomEdit::TextOfWidget(edit);
  return MaskedText(FEditMask, cp1252::Encode(edit.displayText()));
}

void TCustomMaskEdit::SetEditMask(const std::string& v) {
  FEditMask = v;
  UpdateWidgetOptions();
}

void TCustomMaskEdit::UpdateWidgetOptions() {
  TCustomEdit::UpdateWidgetOptions();
  auto* edit = qobject_cast<QLineEdit*>(Widget());
  if (!edit) return;
  WidgetUpdate update(*this);
  const QSignalBlocker blocker(edit);
  edit->setInputMask(cp1252::Decode(EditMaskToQtInputMask(FEditMask)));
  edit->setText(AnsiToQString(Text()));
}

}  // namespace kcl
