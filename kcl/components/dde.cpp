#include "kcl/components/dde.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"

namespace kcl {

namespace {
const TTypeInfo* TMacroEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TMacroEvent", mkProcedure, {{0, "Sender", "TObject"}, {0, "Msg", "TStrings"}});
  return t;
}
}  // namespace

// --- TDdeClientConv

KCL_CLASS_INFO(TDdeClientConv) {
  using T = TDdeClientConv;
  cls.property("ServiceApplication", &T::ServiceApplication, &T::SetServiceApplication);
  cls.property("DdeService", &T::DdeService, &T::SetDdeService);
  cls.property("DdeTopic", &T::DdeTopic, &T::SetDdeTopic);
  cls.property("ConnectMode", &T::ConnectMode, &T::SetConnectMode).Default(ddeAutomatic);
  cls.property("FormatChars", &T::FormatChars, &T::SetFormatChars).Default(false);
  cls.event("OnClose", &T::OnClose, TNotifyEventType());
  cls.event("OnOpen", &T::OnOpen, TNotifyEventType());
}

TDdeClientConv::TDdeClientConv(TComponent* owner) : TComponent(owner) {}

void TDdeClientConv::SetDdeService(const std::string& v) {
  CloseLink();
  FDdeService = v;
}

void TDdeClientConv::SetDdeTopic(const std::string& v) {
  CloseLink();
  FDdeTopic = v;
}

bool TDdeClientConv::SetLink(const std::string& service, const std::string& topic) {
  SetDdeService(service);
  SetDdeTopic(topic);
  return FConnectMode == ddeAutomatic && OpenLink();
}

std::string TDdeClientConv::RequestData(const std::string&) const { return {}; }

bool TDdeClientConv::PokeData(const std::string&, const std::string&) { return false; }

bool TDdeClientConv::PokeDataLines(const std::string& item, const TStrings& data) {
  return PokeData(item, data.Text());
}

bool TDdeClientConv::ExecuteMacro(const std::string&, bool) { return false; }

bool TDdeClientConv::ExecuteMacroLines(const TStrings& command, bool wait) {
  return ExecuteMacro(command.Text(), wait);
}

void TDdeClientConv::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  // Service and topic again, as "Service <name>" and "Topic <name>" lines.
  filer.DefineProperty(
      "LinkInfo",
      [this](TReader& reader) {
        reader.ReadListBegin();
        while (!reader.EndOfList()) {
          const std::string line = reader.ReadString();
          const size_t space = line.find(' ');
          const std::string name = space == std::string::npos ? line : line.substr(space + 1);
          if (line.starts_with('S')) SetDdeService(name);
          if (line.starts_with('T')) SetDdeTopic(name);
        }
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        writer.WriteString("Service " + FDdeService);
        writer.WriteString("Topic " + FDdeTopic);
        writer.WriteListEnd();
      },
      !FDdeService.empty() || !FDdeTopic.empty());
}

// --- TDdeClientItem

KCL_CLASS_INFO(TDdeClientItem) {
  using T = TDdeClientItem;
  cls.property("Lines", &T::Lines, &T::SetLines);
  cls.property("DdeConv", &T::DdeConv, &T::SetDdeConv);
  cls.property("DdeItem", &T::DdeItem, &T::SetDdeItem);
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
}

TDdeClientItem::TDdeClientItem(TComponent* owner) : TComponent(owner), FLines(std::make_unique<TStringList>()) {}

void TDdeClientItem::SetDdeConv(TDdeClientConv* v) {
  FDdeConv = v;
  if (v) v->FreeNotification(this);
}

void TDdeClientItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FDdeConv) FDdeConv = nullptr;
}

// --- TDdeServerConv

KCL_CLASS_INFO(TDdeServerConv) {
  using T = TDdeServerConv;
  cls.event("OnOpen", &T::OnOpen, TNotifyEventType());
  cls.event("OnClose", &T::OnClose, TNotifyEventType());
  cls.event("OnExecuteMacro", &T::OnExecuteMacro, TMacroEventType());
}

// --- TDdeServerItem

KCL_CLASS_INFO(TDdeServerItem) {
  using T = TDdeServerItem;
  cls.property("Lines", &T::Lines, &T::SetLines);
  cls.property("ServerConv", &T::ServerConv, &T::SetServerConv);
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.event("OnPokeData", &T::OnPokeData, TNotifyEventType());
}

// The data offered changes with its lines.
TDdeServerItem::TDdeServerItem(TComponent* owner)
    : TComponent(owner), FLines(std::make_unique<TBoundStrings>([this] { OnChange(this); })) {}

TDdeServerItem::~TDdeServerItem() { FLines->SetChangedHandler(nullptr); }

void TDdeServerItem::SetServerConv(TDdeServerConv* v) {
  FServerConv = v;
  if (v) v->FreeNotification(this);
}

void TDdeServerItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FServerConv) FServerConv = nullptr;
}

}  // namespace kcl
