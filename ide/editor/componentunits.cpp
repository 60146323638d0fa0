#include "ide/editor/componentunits.h"

#include <utility>

namespace korvax::editor {

namespace {

using TClassUnit = std::pair<std::string_view, std::string_view>;

constexpr TClassUnit ClassUnits[] = {
    {"TLabel", "StdCtrls"}, {"TEdit", "StdCtrls"}, {"TMemo", "StdCtrls"}, {"TButton", "StdCtrls"},
    {"TCheckBox", "StdCtrls"}, {"TRadioButton", "StdCtrls"}, {"TListBox", "StdCtrls"}, {"TComboBox", "StdCtrls"},
    {"TScrollBar", "StdCtrls"}, {"TGroupBox", "StdCtrls"},
    {"TRadioGroup", "ExtCtrls"}, {"TPanel", "ExtCtrls"}, {"TImage", "ExtCtrls"}, {"TShape", "ExtCtrls"},
    {"TBevel", "ExtCtrls"}, {"TPaintBox", "ExtCtrls"}, {"TTimer", "ExtCtrls"}, {"TNotebook", "ExtCtrls"},
    {"THeader", "ExtCtrls"},
    {"TMainMenu", "Menus"}, {"TPopupMenu", "Menus"}, {"TMenuItem", "Menus"},
    {"TBitBtn", "Buttons"}, {"TSpeedButton", "Buttons"},
    {"TMaskEdit", "Mask"},
    {"TStringGrid", "Grids"}, {"TDrawGrid", "Grids"},
    {"TScrollBox", "Forms"},
    {"TTabControl", "ComCtrls"}, {"TPageControl", "ComCtrls"}, {"TTabSheet", "ComCtrls"}, {"TRichEdit", "ComCtrls"},
    {"TTrackBar", "ComCtrls"}, {"TProgressBar", "ComCtrls"}, {"TUpDown", "ComCtrls"}, {"THotKey", "ComCtrls"},
    {"TTreeView", "ComCtrls"}, {"TListView", "ComCtrls"}, {"THeaderControl", "ComCtrls"},
    {"TStatusBar", "ComCtrls"}, {"TToolBar", "ComCtrls"}, {"TToolButton", "ComCtrls"}, {"TCoolBar", "ComCtrls"},
    {"TAnimate", "ComCtrls"},
    {"TImageList", "Controls"},
    {"TMediaPlayer", "MPlayer"}, {"TOleContainer", "OleCtnrs"},
    {"TDdeClientConv", "DdeMan"}, {"TDdeClientItem", "DdeMan"}, {"TDdeServerConv", "DdeMan"},
    {"TDdeServerItem", "DdeMan"},
    {"TDataSource", "Db"},
    {"TTable", "DBTables"}, {"TQuery", "DBTables"}, {"TStoredProc", "DBTables"}, {"TDatabase", "DBTables"},
    {"TSession", "DBTables"}, {"TBatchMove", "DBTables"}, {"TUpdateSQL", "DBTables"},
    {"TDBGrid", "DBGrids"}, {"TDBCtrlGrid", "DBCGrids"},
    {"TDBNavigator", "DBCtrls"}, {"TDBText", "DBCtrls"}, {"TDBEdit", "DBCtrls"}, {"TDBMemo", "DBCtrls"},
    {"TDBImage", "DBCtrls"}, {"TDBListBox", "DBCtrls"}, {"TDBComboBox", "DBCtrls"}, {"TDBCheckBox", "DBCtrls"},
    {"TDBRadioGroup", "DBCtrls"}, {"TDBLookupListBox", "DBCtrls"}, {"TDBLookupComboBox", "DBCtrls"},
    {"TDBLookupList", "DBLookup"}, {"TDBLookupCombo", "DBLookup"},
    {"TTabbedNotebook", "TabNotBk"}, {"TOutline", "Outline"},
    {"TFileListBox", "FileCtrl"}, {"TDirectoryListBox", "FileCtrl"}, {"TDriveComboBox", "FileCtrl"},
    {"TFilterComboBox", "FileCtrl"},
    {"TOpenDialog", "Dialogs"}, {"TSaveDialog", "Dialogs"}, {"TFontDialog", "Dialogs"}, {"TColorDialog", "Dialogs"},
    {"TPrintDialog", "Dialogs"}, {"TPrinterSetupDialog", "Dialogs"}, {"TFindDialog", "Dialogs"},
    {"TReplaceDialog", "Dialogs"},
    {"TOpenPictureDialog", "ExtDlgs"}, {"TSavePictureDialog", "ExtDlgs"},
    {"TQuickRep", "QuickRpt"}, {"TQuickReport", "QuickRpt"}, {"TQRBand", "QuickRpt"}, {"TQRChildBand", "QuickRpt"},
    {"TQRGroup", "QuickRpt"}, {"TQRSubDetail", "QuickRpt"}, {"TQRDetailLink", "QuickRpt"},
    {"TQRCompositeReport", "QuickRpt"},
    {"TQRLabel", "QRCtrls"}, {"TQRMemo", "QRCtrls"}, {"TQRDBText", "QRCtrls"}, {"TQRDBCalc", "QRCtrls"},
    {"TQRSysData", "QRCtrls"}, {"TQRShape", "QRCtrls"}, {"TQRExpr", "QRCtrls"}, {"TQRImage", "QRCtrls"},
    {"TQRDBImage", "QRCtrls"}, {"TQRRichText", "QRCtrls"}, {"TQRDBRichText", "QRCtrls"},
    {"TQRPreview", "QRPrntr"},
    {"TIBEventAlerter", "IBCtrls"}, {"TGauge", "Gauges"}, {"TColorGrid", "ColorGrd"}, {"TSpinButton", "Spin"},
    {"TSpinEdit", "Spin"}, {"TDirectoryOutline", "DirOutln"}, {"TCalendar", "Calendar"},
    {"TCheckListBox", "CheckLst"}, {"TChart", "Chart"}, {"TDBChart", "DBChart"}, {"TReport", "Report"},
    {"TDataModule", "Forms"}, {"TForm", "Forms"}};

}  // namespace

std::string_view ComponentUnitOf(std::string_view className) {
  for (const auto& [name, unit] : ClassUnits)
    if (name == className) return unit;
  return {};
}

}  // namespace korvax::editor
