#include "ide/designer/catalogue.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "kcl/controls/placeholdercontrol.h"
#include "kcl/components/animate.h"
#include "kcl/components/buttons.h"
#include "kcl/components/calendar.h"
#include "kcl/components/chart.h"
#include "kcl/components/colorgrid.h"
#include "kcl/components/combobox.h"
#include "kcl/components/comctrls.h"
#include "kcl/components/commctrls2.h"
#include "kcl/components/coolbar.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/diroutline.h"
#include "kcl/components/edit.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/filectrls.h"
#include "kcl/components/finddialogs.h"
#include "kcl/components/gauge.h"
#include "kcl/components/gridcontrols.h"
#include "kcl/components/grids.h"
#include "kcl/components/groupbox.h"
#include "kcl/components/headercontrol.h"
#include "kcl/components/hotkey.h"
#include "kcl/components/image.h"
#include "kcl/components/imagelist.h"
#include "kcl/components/label.h"
#include "kcl/components/listbox.h"
#include "kcl/components/listview.h"
#include "kcl/components/maskedit.h"
#include "kcl/components/mediaplayer.h"
#include "kcl/controls/menus.h"
#include "kcl/components/morectrls.h"
#include "kcl/components/notebook.h"
#include "kcl/components/olecontrol.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/components/paintbox.h"
#include "kcl/components/picturedialogs.h"
#include "kcl/components/printdialogs.h"
#include "kcl/components/progressbar.h"
#include "kcl/components/richedit.h"
#include "kcl/components/scrollbar.h"
#include "kcl/components/scrollbox.h"
#include "kcl/components/shape.h"
#include "kcl/components/spinctrls.h"
#include "kcl/components/statusbar.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/components/stdctrls.h"
#include "kcl/components/tabcontrol.h"
#include "kcl/components/timer.h"
#include "kcl/components/toolbar.h"
#include "kcl/components/trackbar.h"
#include "kcl/components/treeview.h"
#include "kcl/components/updown.h"
#include "kcl/controls/datamodule.h"
#include "kcl/controls/form.h"
#include "kcl/db/batchmove.h"
#include "kcl/db/bdedatasets.h"
#include "kcl/db/dataaccess.h"
#include "kcl/db/database.h"
#include "kcl/db/db.h"
#include "kcl/db/ibevents.h"
#include "kcl/db/report.h"
#include "kcl/db/updatesql.h"
#include "kcl/dbctrls/datacontrols.h"
#include "kcl/dbctrls/dbctrlgrid.h"
#include "kcl/dbctrls/dbgrid.h"
#include "kcl/dbctrls/dblookup.h"
#include "kcl/dbctrls/dbctrls.h"
#include "kcl/dbctrls/dbimage.h"
#include "kcl/dbctrls/dbnavigator.h"
#include "kcl/dbctrls/win31lookup.h"
#include "kcl/qreport/qrchildband.h"
#include "kcl/qreport/qrcompositereport.h"
#include "kcl/qreport/qrexpr.h"
#include "kcl/qreport/qrimage.h"
#include "kcl/qreport/qrpreview.h"
#include "kcl/qreport/qrprintables.h"
#include "kcl/qreport/qrrichtext.h"
#include "kcl/qreport/qrsubdetail.h"
#include "kcl/qreport/quickrep.h"
#include "kcl/qreport/quickreport.h"

namespace korvax::designer {

using namespace kcl;

const char* const PalettePages[PalettePageCount] = {"Standard",      "Additional", "Win32",   "System",
                                                    "Data Access",   "Data Controls", "Win3.1", "Dialogs",
                                                    "QReport",       "Samples"};

namespace {

#define KORVAX_CLASS(T) [] { return &T::StaticClass(); }

enum : int { Standard, Additional, Win32, System, DataAccess, DataControls, Win31, Dialogs, QReport, Samples };
constexpr int None = -1;

// Palette buttons page by page, left to right, then the classes that are only
// read from files.
const TCatalogueEntry Entries[] = {
    {"TMainMenu", KORVAX_CLASS(TMainMenu), 2, Standard, "sbMainMenu", 1, "MainMenu"},
    {"TPopupMenu", KORVAX_CLASS(TPopupMenu), 3, Standard, "sbPopupMenu", 2, "PopupMenu"},
    {"TLabel", KORVAX_CLASS(TLabel), 4, Standard, "sbLabel", 3, "Label"},
    {"TEdit", KORVAX_CLASS(TEdit), 5, Standard, "sbEdit", 4, "Edit"},
    {"TMemo", KORVAX_CLASS(TMemo), 6, Standard, "sbMemo", 5, "Memo"},
    {"TButton", KORVAX_CLASS(TButton), 1, Standard, "sbButton", 6, "Button"},
    {"TCheckBox", KORVAX_CLASS(TCheckBox), 8, Standard, "sbCheckBox", 7, "CheckBox"},
    {"TRadioButton", KORVAX_CLASS(TRadioButton), 7, Standard, "sbRadioButton", 8, "RadioButton"},
    {"TListBox", KORVAX_CLASS(TListBox), 9, Standard, "sbListBox", 9, "ListBox"},
    {"TComboBox", KORVAX_CLASS(TComboBox), 10, Standard, "sbComboBox", 10, "ComboBox"},
    {"TScrollBar", KORVAX_CLASS(TScrollBar), 11, Standard, "sbScrollBar", 11, "ScrollBar"},
    {"TGroupBox", KORVAX_CLASS(TGroupBox), 12, Standard, "sbGroupBox", 12, "GroupBox"},
    {"TRadioGroup", KORVAX_CLASS(TRadioGroup), 13, Standard, "sbRadioGroup", 13, "RadioGroup"},
    {"TPanel", KORVAX_CLASS(TPanel), 14, Standard, "sbPanel", 14, "Panel"},

    {"TBitBtn", KORVAX_CLASS(TBitBtn), 15, Additional, "sbBitBtn", 15, "BitBtn"},
    {"TSpeedButton", KORVAX_CLASS(TSpeedButton), 16, Additional, "sbSpeedButton", 16, "SpeenButton"},
    {"TMaskEdit", KORVAX_CLASS(TMaskEdit), 17, Additional, "sbMaskEdit", 17, "MaskEdit"},
    {"TStringGrid", KORVAX_CLASS(TStringGrid), 18, Additional, "sbStringGrid", 18, "StringGrid"},
    {"TDrawGrid", KORVAX_CLASS(TDrawGrid), None, Additional, "sbDrawGrid", 19, "DrawGrid"},
    {"TImage", KORVAX_CLASS(TImage), 19, Additional, "sbImage", 20, "Image"},
    {"TShape", KORVAX_CLASS(TShape), 20, Additional, "sbShape", 21, "Shape"},
    {"TBevel", KORVAX_CLASS(TBevel), 21, Additional, "sbBevel", 22, "Bevel"},
    {"TScrollBox", KORVAX_CLASS(TScrollBox), 22, Additional, "sbScrollBox", 23, "ScrollBox"},

    {"TTabControl", KORVAX_CLASS(TTabControl), 23, Win32, "sbTabControl", 31, "TabControl"},
    {"TPageControl", KORVAX_CLASS(TPageControl), 24, Win32, "sbPageControl", 32, "PageControl"},
    {"TImageList", KORVAX_CLASS(TImageList), 27, Win32, "sbImageList", 35, "ImageList"},
    {"TRichEdit", KORVAX_CLASS(TRichEdit), 29, Win32, "sbRichEdit", 37, "RichEdit"},
    {"TTrackBar", KORVAX_CLASS(TTrackBar), 31, Win32, "sbTrackBar", 39, "TrackBar"},
    {"TProgressBar", KORVAX_CLASS(TProgressBar), 32, Win32, "sbProgressBar", 40, "ProgressBar"},
    {"TUpDown", KORVAX_CLASS(TUpDown), 33, Win32, "sbUpDown", 41, "UpDown"},
    {"THotKey", KORVAX_CLASS(THotKey), 34, Win32, "sbHotKey", 42, "HotKey"},
    {"TTreeView", KORVAX_CLASS(TTreeView), 25, Win32, "sbTreeView", 33, "TreeView"},
    {"TListView", KORVAX_CLASS(TListView), 26, Win32, "sbListView", 34, "ListView"},
    {"THeaderControl", KORVAX_CLASS(THeaderControl), 28, Win32, "sbHeaderControl", 36, "HeaderControl"},
    {"TStatusBar", KORVAX_CLASS(TStatusBar), 30, Win32, "sbStatusBar", 38, "StatusBar"},

    {"TTimer", KORVAX_CLASS(TTimer), 56, System, "sbTimer", 51, "Timer"},
    {"TPaintBox", KORVAX_CLASS(TPaintBox), 57, System, "sbPaintBox", 52, "PaintBox"},
    {"TMediaPlayer", KORVAX_CLASS(TMediaPlayer), 62, System, "sbMediaPlayer", 57, "MediaPlayer"},
    {"TOleContainer", nullptr, None, System, "sbOleContainer", 58, "OLE Container"},
    {"TDdeClientConv", nullptr, None, System, "sbDDEClientConv", None, "DDE Client Conv"},
    {"TDdeClientItem", nullptr, None, System, "sbDdeClientItem", None, "Dde ClientItem"},
    {"TDdeServerConv", nullptr, None, System, "sbDdeServerConv", None, "DdeServerConv"},
    {"TDdeServerItem", nullptr, None, System, "sbDdeServerItem", None, "DdeServerItem"},

    {"TDataSource", KORVAX_CLASS(TDataSource), 37, DataAccess, "sbDataSource", 71, "DataSource"},
    {"TTable", KORVAX_CLASS(TTable), 35, DataAccess, "sbTable", 72, "Table"},
    {"TQuery", KORVAX_CLASS(TQuery), 36, DataAccess, "sbQuery", 73, "Query"},
    {"TStoredProc", KORVAX_CLASS(TStoredProc), 38, DataAccess, "sbStoredProc", 74, "StoredProc"},
    {"TDatabase", KORVAX_CLASS(TDatabase), 39, DataAccess, "sbDatabase", 75, "Database"},
    {"TSession", KORVAX_CLASS(TSession), 40, DataAccess, "sbSession", 76, "Session"},
    {"TBatchMove", KORVAX_CLASS(TBatchMove), 41, DataAccess, "sbBatchMove", 77, "BatchMove"},
    {"TUpdateSQL", KORVAX_CLASS(TUpdateSQL), 42, DataAccess, "sbUpdateSQL", 78, "UpdateSQL"},

    {"TDBGrid", KORVAX_CLASS(TDBGrid), 43, DataControls, "sbDBGrid", 91, "DBGrid"},
    {"TDBNavigator", KORVAX_CLASS(TDBNavigator), 44, DataControls, "sbDBNavigator", 92, "DBNavigator"},
    {"TDBText", KORVAX_CLASS(TDBText), 45, DataControls, "sbDBText", 93, "DBText"},
    {"TDBEdit", KORVAX_CLASS(TDBEdit), 46, DataControls, "sbDBEdit", 94, "DBEdit"},
    {"TDBMemo", KORVAX_CLASS(TDBMemo), 47, DataControls, "sbDBMemo", 95, "DBMemo"},
    {"TDBImage", KORVAX_CLASS(TDBImage), 48, DataControls, "sbDBImage", 96, "DBImage"},
    {"TDBListBox", KORVAX_CLASS(TDBListBox), 49, DataControls, "sbDBListBox", 97, "DBListBox"},
    {"TDBComboBox", KORVAX_CLASS(TDBComboBox), 50, DataControls, "sbDBComboBox", 98, "DBComboBox"},
    {"TDBCheckBox", KORVAX_CLASS(TDBCheckBox), 51, DataControls, "sbDBCheckBox", 99, "DBCheckBox"},
    {"TDBRadioGroup", KORVAX_CLASS(TDBRadioGroup), 52, DataControls, "sbDBRadioGroup", 100, "DBRadioGroup"},
    {"TDBLookupListBox", KORVAX_CLASS(TDBLookupListBox), 53, DataControls, "sbDBLookupListBox", 101,
     "DBLookupListBox"},
    {"TDBLookupComboBox", KORVAX_CLASS(TDBLookupComboBox), 54, DataControls, "sbDBLookupComboBox", 102,
     "DBLookupComboBox"},

    {"TTabbedNotebook", nullptr, None, Win31, "sbTabbedNotebook", None, "TabbedNotebook"},
    {"TOutline", nullptr, None, Win31, "sbOutline", None, "Outline"},
    {"TNotebook", KORVAX_CLASS(TNotebook), 80, Win31, "sbNotebook", None, "NoteBook"},
    {"THeader", nullptr, None, Win31, "sbHeader", None, "Header"},
    {"TFileListBox", KORVAX_CLASS(TFileListBox), 58, Win31, "sbFileListBox", 53, "FileListBox"},
    {"TDirectoryListBox", KORVAX_CLASS(TDirectoryListBox), 59, Win31, "sbDirectoryListBox", 54, "DirectoryListBox"},
    {"TDriveComboBox", KORVAX_CLASS(TDriveComboBox), 60, Win31, "sbDriveComboBox", 55, "DriveComboBox"},
    {"TFilterComboBox", KORVAX_CLASS(TFilterComboBox), 61, Win31, "sbFilterComboBox", 56, "FilterComboBox"},

    {"TOpenDialog", KORVAX_CLASS(TOpenDialog), 71, Dialogs, "sbOpenDialog", 151, "OpenDialog"},
    {"TSaveDialog", KORVAX_CLASS(TSaveDialog), 73, Dialogs, "sbSaveDialog", 152, "SaveDialog"},
    {"TFontDialog", KORVAX_CLASS(TFontDialog), 74, Dialogs, "sbFontDialog", 153, "FontDialog"},
    {"TColorDialog", KORVAX_CLASS(TColorDialog), 86, Dialogs, "sbColorDialog", 154, "ColorDialog"},
    {"TPrintDialog", KORVAX_CLASS(TPrintDialog), 78, Dialogs, "sbPrintDialog", 155, "PrintDialog"},
    {"TPrinterSetupDialog", KORVAX_CLASS(TPrinterSetupDialog), 85, Dialogs, "sbPrinterSetupDialog", 156,
     "PrinterSetupDialog"},
    {"TFindDialog", KORVAX_CLASS(TFindDialog), 81, Dialogs, "sbFindDialog", 157, "FindDialog"},
    {"TReplaceDialog", KORVAX_CLASS(TReplaceDialog), 82, Dialogs, "sbReplaceDialog", 158, "ReplaceDialog"},

    {"TQuickReport", KORVAX_CLASS(TQuickReport), None, QReport, "sbQuickRep", 121, "QuickRep"},
    {"TQRBand", KORVAX_CLASS(TQRBand), None, QReport, "sbQRBand", 122, "QRBand"},
    {"TQRGroup", KORVAX_CLASS(TQRGroup), None, QReport, "sbQRGroup", 123, "QRGroup"},
    {"TQRDetailLink", KORVAX_CLASS(TQRDetailLink), None, QReport, "sbQRDetailLink", 124, "QRDetailLink"},
    {"TQRLabel", KORVAX_CLASS(TQRLabel), None, QReport, "sbQRLabel", 125, "QRLabel"},
    {"TQRMemo", KORVAX_CLASS(TQRMemo), None, QReport, "sbQRMemo", 126, "QRMemo"},
    {"TQRDBText", KORVAX_CLASS(TQRDBText), None, QReport, "sbQRDbText", 127, "QRDbText"},
    {"TQRDBCalc", KORVAX_CLASS(TQRDBCalc), None, QReport, "sbQRDBCalc", 128, "QRDBCalc"},
    {"TQRSysData", KORVAX_CLASS(TQRSysData), None, QReport, "sbQRSysData", 129, "QRSysData"},
    {"TQRShape", KORVAX_CLASS(TQRShape), None, QReport, "sbQRShape", 130, "QRShape"},
    {"TQRPreview", KORVAX_CLASS(TQRPreview), None, QReport, "sbQRPreview", 131, "QRPreview"},

    {"TIBEventAlerter", KORVAX_CLASS(TIBEventAlerter), 63, Samples, "sbIBEventAlert", 161, "IBEventAlerter"},
    {"TGauge", KORVAX_CLASS(TGauge), 64, Samples, "sbGauge", 162, "Gauge"},
    {"TColorGrid", KORVAX_CLASS(TColorGrid), 65, Samples, "sbColorGrid", 163, "ColorGrid"},
    {"TSpinButton", KORVAX_CLASS(TSpinButton), 66, Samples, "sbSpinButton", 164, "SpinButton"},
    {"TSpinEdit", KORVAX_CLASS(TSpinEdit), 67, Samples, "sbSpinEdit", 165, "SpinEdit"},
    {"TDirectoryOutline", KORVAX_CLASS(TDirectoryOutline), 68, Samples, "sbDirectoryOutline", 166,
     "Directory Outline"},
    {"TCalendar", KORVAX_CLASS(TCalendar), 69, Samples, "sbCalendar", 167, "Calenddar"},

    {"TForm", KORVAX_CLASS(TForm), 0, None, nullptr, None, nullptr},
    {"TDBCtrlGrid", KORVAX_CLASS(TDBCtrlGrid), 55, None, nullptr, None, nullptr},
    {"TWrapperControl", nullptr, 70, None, nullptr, None, nullptr},
    {"TTabSheet", KORVAX_CLASS(TTabSheet), 72, None, nullptr, None, nullptr},
    {"TToolBar", KORVAX_CLASS(TToolBar), 75, None, nullptr, None, nullptr},
    {"TCoolBar", KORVAX_CLASS(TCoolBar), 76, None, nullptr, None, nullptr},
    {"TToolButton", KORVAX_CLASS(TToolButton), 77, None, nullptr, None, nullptr},
    {"TAnimate", KORVAX_CLASS(TAnimate), 79, None, nullptr, None, nullptr},
    {"TOpenPictureDialog", KORVAX_CLASS(TOpenPictureDialog), 83, None, nullptr, None, nullptr},
    {"TSavePictureDialog", KORVAX_CLASS(TSavePictureDialog), 84, None, nullptr, None, nullptr},
    {"TDBLookupList", KORVAX_CLASS(TDBLookupList), None, None, nullptr, None, nullptr},
    {"TDBLookupCombo", KORVAX_CLASS(TDBLookupCombo), None, None, nullptr, None, nullptr},
    {"TReport", KORVAX_CLASS(TReport), None, None, nullptr, None, nullptr},
    {"TQuickRep", KORVAX_CLASS(TQuickRep), None, None, nullptr, None, nullptr},
    {"TQRChildBand", KORVAX_CLASS(TQRChildBand), None, None, nullptr, None, nullptr},
    {"TQRSubDetail", KORVAX_CLASS(TQRSubDetail), None, None, nullptr, None, nullptr},
    {"TQRExpr", KORVAX_CLASS(TQRExpr), None, None, nullptr, None, nullptr},
    {"TQRImage", KORVAX_CLASS(TQRImage), None, None, nullptr, None, nullptr},
    {"TQRDBImage", KORVAX_CLASS(TQRDBImage), None, None, nullptr, None, nullptr},
    {"TQRRichText", KORVAX_CLASS(TQRRichText), None, None, nullptr, None, nullptr},
    {"TQRDBRichText", KORVAX_CLASS(TQRDBRichText), None, None, nullptr, None, nullptr},
    {"TQRCompositeReport", KORVAX_CLASS(TQRCompositeReport), None, None, nullptr, None, nullptr},
    {"TDataModule", KORVAX_CLASS(TDataModule), None, None, nullptr, None, nullptr},
    {"TCheckListBox", KORVAX_CLASS(TCheckListBox), None, None, nullptr, None, nullptr},
    {"TTabSet", KORVAX_CLASS(TTabSet), None, None, nullptr, None, nullptr},
    {"THeader", KORVAX_CLASS(THeader), None, None, nullptr, None, nullptr},
    {"TTabbedNotebook", KORVAX_CLASS(TTabbedNotebook), None, None, nullptr, None, nullptr},
    {"TOleContainer", KORVAX_CLASS(TOleContainer), None, None, nullptr, None, nullptr},
    {"TDdeClientConv", KORVAX_CLASS(TDdeClientConv), None, None, nullptr, None, nullptr},
    {"TDdeClientItem", KORVAX_CLASS(TDdeClientItem), None, None, nullptr, None, nullptr},
    {"TDdeServerConv", KORVAX_CLASS(TDdeServerConv), None, None, nullptr, None, nullptr},
    {"TDdeServerItem", KORVAX_CLASS(TDdeServerItem), None, None, nullptr, None, nullptr},
};

#undef KORVAX_CLASS

}  // namespace

std::span<const TCatalogueEntry> Catalogue() { return Entries; }

TClass ClassForTag(int tag) {
  if (tag <= 0) return nullptr;
  for (const TCatalogueEntry& entry : Entries)
    if (entry.Tag == tag && entry.Page != None) return entry.Class ? entry.Class() : nullptr;
  return nullptr;
}

void RegisterStreamClasses() {
  std::vector<const TCatalogueEntry*> streamed;
  for (const TCatalogueEntry& entry : Entries)
    if (entry.StreamOrder != None && entry.Class) streamed.push_back(&entry);
  std::sort(streamed.begin(), streamed.end(),
            [](const TCatalogueEntry* a, const TCatalogueEntry* b) { return a->StreamOrder < b->StreamOrder; });
  for (const TCatalogueEntry* entry : streamed) RegisterClasses({entry->Class()});
}

void RegisterCatalogueClasses() {
  RegisterStreamClasses();
  for (const TCatalogueEntry& entry : Entries)
    if (entry.Class) RegisterClasses({entry.Class()});
  // The classes that only live inside other components' records.
  RegisterStandardControls();
  RegisterCommonControls();
  RegisterMenus();
  RegisterDialogs();
  RegisterWin32Controls();
  RegisterGrids();
  RegisterMoreControls();
  RegisterCharts();
  RegisterOleControls();
  RegisterDataAccess();
  RegisterDataControls();
  RegisterReportClasses();
  RegisterDataModule();
  RegisterPlaceholderControl();
}

std::string PictureFileName(const std::string& className) {
  std::string name = className;
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name + ".xpm";
}

}  // namespace korvax::designer
