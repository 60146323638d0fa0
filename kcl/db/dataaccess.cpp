#include "kcl/db/dataaccess.h"

namespace kcl {

void RegisterDataAccess() {
  static const bool registered = [] {
    RegisterClasses({&TDataSource::StaticClass(), &TTable::StaticClass(), &TQuery::StaticClass(),
                     &TStoredProc::StaticClass(), &TDatabase::StaticClass(), &TSession::StaticClass(),
                     &TBatchMove::StaticClass(), &TUpdateSQL::StaticClass(), &TIBEventAlerter::StaticClass(),
                     &TReport::StaticClass()});
    RegisterClasses({&TStringField::StaticClass(), &TSmallintField::StaticClass(), &TIntegerField::StaticClass(),
                     &TWordField::StaticClass(), &TAutoIncField::StaticClass(), &TFloatField::StaticClass(),
                     &TCurrencyField::StaticClass(), &TBCDField::StaticClass(), &TBooleanField::StaticClass(),
                     &TDateTimeField::StaticClass(), &TDateField::StaticClass(), &TTimeField::StaticClass(),
                     &TBytesField::StaticClass(), &TVarBytesField::StaticClass(), &TBlobField::StaticClass(),
                     &TMemoField::StaticClass(), &TGraphicField::StaticClass()});
    return true;
  }();
  (void)registered;
}

}  // namespace kcl
