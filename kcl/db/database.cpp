#include "kcl/db/database.h"

#include "kcl/classes/classbuilder.h"

namespace kcl {

KCL_CLASS_INFO(TDatabase) {
  cls.property("AliasName", &TDatabase::AliasName, &TDatabase::SetAliasName);
  cls.property("Connected", &TDatabase::Connected, &TDatabase::SetConnected).Default(false);
  cls.property("DatabaseName", &TDatabase::DatabaseName, &TDatabase::SetDatabaseName);
  cls.property("DriverName", &TDatabase::DriverName, &TDatabase::SetDriverName);
  cls.property("HandleShared", &TDatabase::HandleShared, &TDatabase::SetHandleShared).Default(false);
  cls.property("KeepConnection", &TDatabase::KeepConnection, &TDatabase::SetKeepConnection).Default(true);
  cls.property("LoginPrompt", &TDatabase::LoginPrompt, &TDatabase::SetLoginPrompt).Default(true);
  cls.property("Params", &TDatabase::Params, &TDatabase::SetParams);
  cls.property("SessionName", &TDatabase::SessionName, &TDatabase::SetSessionName);
  cls.property("TransIsolation", &TDatabase::TransIsolation, &TDatabase::SetTransIsolation).Default(tiReadCommitted);
  cls.event("OnLogin", &TDatabase::OnLogin, TLoginEventType());
}

void TDatabase::SetAliasName(const std::string& v) {
  FAliasName = v;
  if (!v.empty()) FDriverName.clear();
}

void TDatabase::SetDriverName(const std::string& v) {
  FDriverName = v;
  if (!v.empty()) FAliasName.clear();
}

KCL_CLASS_INFO(TSession) {
  cls.property("Active", &TSession::Active, &TSession::SetActive).Default(false);
  cls.property("AutoSessionName", &TSession::AutoSessionName, &TSession::SetAutoSessionName).Default(false);
  cls.property("KeepConnections", &TSession::KeepConnections, &TSession::SetKeepConnections).Default(true);
  cls.property("NetFileDir", &TSession::NetFileDir, &TSession::SetNetFileDir);
  cls.property("PrivateDir", &TSession::PrivateDir, &TSession::SetPrivateDir);
  cls.property("SessionName", &TSession::SessionName, &TSession::SetSessionName);
  cls.property("SQLHourGlass", &TSession::SQLHourGlass, &TSession::SetSQLHourGlass).Default(true);
  cls.event("OnPassword", &TSession::OnPassword, TPasswordEventType());
  cls.event("OnStartup", &TSession::OnStartup, TNotifyEventType());
}

}  // namespace kcl
