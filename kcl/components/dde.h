#pragma once
// The DDE components: client conversations and items that take data from
// another program, and server conversations and items that offer it. There is
// no DDE here, so a conversation never opens: a link fails as it does on a
// machine where the service does not run, and the components keep their
// settings for the form.
#include <memory>
#include <string>

#include "kcl/classes/boundstrings.h"
#include "kcl/classes/component.h"
#include "kcl/classes/typeof.h"

namespace kcl {

KCL_ENUM(TDataMode, ddeAutomatic, ddeManual)

using TMacroEvent = TEvent<void(TObject* sender, TStrings* msg)>;

class TDdeClientConv : public TComponent {
  KCL_CLASS(TDdeClientConv, TComponent)
public:
  explicit TDdeClientConv(TComponent* owner);

  std::string ServiceApplication() const { return FServiceApplication; }
  void SetServiceApplication(const std::string& v) { FServiceApplication = v; }
  std::string DdeService() const { return FDdeService; }
  void SetDdeService(const std::string& v);
  std::string DdeTopic() const { return FDdeTopic; }
  void SetDdeTopic(const std::string& v);
  TDataMode ConnectMode() const { return FConnectMode; }
  void SetConnectMode(TDataMode v) { FConnectMode = v; }
  bool FormatChars() const { return FFormatChars; }
  void SetFormatChars(bool v) { FFormatChars = v; }

  // Whether a conversation is open: never here.
  bool Connected() const { return false; }
  // Sets service and topic, then opens the link in ddeAutomatic mode: false.
  bool SetLink(const std::string& service, const std::string& topic);
  // No service answers: false, and OnOpen does not happen. ServiceApplication
  // is not started: a program a form file names is not run.
  bool OpenLink() { return false; }
  bool PasteLink() { return false; }
  void CloseLink() {}
  bool StartAdvise() { return false; }
  // The item's data: none without a conversation.
  std::string RequestData(const std::string& item) const;
  bool PokeData(const std::string& item, const std::string& data);
  bool PokeDataLines(const std::string& item, const TStrings& data);
  bool ExecuteMacro(const std::string& command, bool wait);
  bool ExecuteMacroLines(const TStrings& command, bool wait);

  TNotifyEvent OnClose;
  TNotifyEvent OnOpen;

protected:
  void DefineProperties(TFiler& filer) override;

private:
  std::string FServiceApplication, FDdeService, FDdeTopic;
  TDataMode FConnectMode = ddeAutomatic;
  bool FFormatChars = false;
};

class TDdeClientItem : public TComponent {
  KCL_CLASS(TDdeClientItem, TComponent)
public:
  explicit TDdeClientItem(TComponent* owner);

  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* v) { FLines->Assign(v); }
  TDdeClientConv* DdeConv() const { return FDdeConv; }
  void SetDdeConv(TDdeClientConv* v);
  std::string DdeItem() const { return FDdeItem; }
  void SetDdeItem(const std::string& v) { FDdeItem = v; }

  TNotifyEvent OnChange;

  void Notification(TComponent* component, TOperation operation) override;

private:
  std::unique_ptr<TStrings> FLines;
  TDdeClientConv* FDdeConv = nullptr;
  std::string FDdeItem;
};

class TDdeServerConv : public TComponent {
  KCL_CLASS(TDdeServerConv, TComponent)
public:
  using TComponent::TComponent;

  TNotifyEvent OnOpen;
  TNotifyEvent OnClose;
  TMacroEvent OnExecuteMacro;
};

class TDdeServerItem : public TComponent {
  KCL_CLASS(TDdeServerItem, TComponent)
public:
  explicit TDdeServerItem(TComponent* owner);
  ~TDdeServerItem() override;

  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* v) { FLines->Assign(v); }
  TDdeServerConv* ServerConv() const { return FServerConv; }
  void SetServerConv(TDdeServerConv* v);

  TNotifyEvent OnChange;
  TNotifyEvent OnPokeData;

  void Notification(TComponent* component, TOperation operation) override;

private:
  std::unique_ptr<TBoundStrings> FLines;
  TDdeServerConv* FServerConv = nullptr;
};

}  // namespace kcl
