#pragma once
// TDatabase and TSession: a connection to a database through an alias or a
// driver, and the session that holds the connections. Connected and Active are
// states the components keep; nothing connects.
#include <memory>
#include <string>

#include "kcl/classes/component.h"
#include "kcl/classes/stringlist.h"
#include "kcl/db/dbtypes.h"

namespace kcl {

class TDatabase : public TComponent {
  KCL_CLASS(TDatabase, TComponent)
public:
  explicit TDatabase(TComponent* owner) : TComponent(owner) {}

  // An alias and a driver exclude each other: setting one clears the other.
  std::string AliasName() const { return FAliasName; }
  void SetAliasName(const std::string& v);
  bool Connected() const { return FConnected; }
  void SetConnected(bool v) { FConnected = v; }
  std::string DatabaseName() const { return FDatabaseName; }
  void SetDatabaseName(const std::string& v) { FDatabaseName = v; }
  std::string DriverName() const { return FDriverName; }
  void SetDriverName(const std::string& v);
  bool HandleShared() const { return FHandleShared; }
  void SetHandleShared(bool v) { FHandleShared = v; }
  bool KeepConnection() const { return FKeepConnection; }
  void SetKeepConnection(bool v) { FKeepConnection = v; }
  bool LoginPrompt() const { return FLoginPrompt; }
  void SetLoginPrompt(bool v) { FLoginPrompt = v; }
  TStrings* Params() const { return FParams.get(); }
  void SetParams(TStrings* v) { FParams->Assign(v); }
  std::string SessionName() const { return FSessionName; }
  void SetSessionName(const std::string& v) { FSessionName = v; }
  TTransIsolation TransIsolation() const { return FTransIsolation; }
  void SetTransIsolation(TTransIsolation v) { FTransIsolation = v; }

  TLoginEvent OnLogin;

private:
  std::string FAliasName;
  bool FConnected = false;
  std::string FDatabaseName, FDriverName;
  bool FHandleShared = false;
  bool FKeepConnection = true;
  bool FLoginPrompt = true;
  std::unique_ptr<TStringList> FParams = std::make_unique<TStringList>();
  std::string FSessionName;
  TTransIsolation FTransIsolation = tiReadCommitted;
};

class TSession : public TComponent {
  KCL_CLASS(TSession, TComponent)
public:
  explicit TSession(TComponent* owner) : TComponent(owner) {}

  bool Active() const { return FActive; }
  void SetActive(bool v) { FActive = v; }
  bool AutoSessionName() const { return FAutoSessionName; }
  void SetAutoSessionName(bool v) { FAutoSessionName = v; }
  bool KeepConnections() const { return FKeepConnections; }
  void SetKeepConnections(bool v) { FKeepConnections = v; }
  std::string NetFileDir() const { return FNetFileDir; }
  void SetNetFileDir(const std::string& v) { FNetFileDir = v; }
  std::string PrivateDir() const { return FPrivateDir; }
  void SetPrivateDir(const std::string& v) { FPrivateDir = v; }
  std::string SessionName() const { return FSessionName; }
  void SetSessionName(const std::string& v) { FSessionName = v; }
  bool SQLHourGlass() const { return FSQLHourGlass; }
  void SetSQLHourGlass(bool v) { FSQLHourGlass = v; }

  TPasswordEvent OnPassword;
  TNotifyEvent OnStartup;

private:
  bool FActive = false;
  bool FAutoSessionName = false;
  bool FKeepConnections = true;
  std::string FNetFileDir, FPrivateDir, FSessionName;
  bool FSQLHourGlass = true;
};

}  // namespace kcl
