#include "ide/shell/mainform.h"

#include <QCoreApplication>
#include <QDir>

#include "ide/designer/catalogue.h"
#include "ide/designer/componentlist.h"
#include "ide/designer/palette.h"
#include "ide/designer/proxydesigner.h"
#include "ide/editor/editorform.h"
#include "ide/inspector/objectinspector.h"
#include "ide/project/projectsource.h"
#include "ide/shell/about.h"
#include "ide/common/environment.h"
#include "ide/common/layouts.h"
#include "ide/shell/mainwindows.h"
#include "ide/common/routines.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/components/editmessages.h"
#include "kcl/components/msgdlg.h"
#include "kcl/controls/keys.h"
#include "kcl/controls/keystate.h"
#include "kcl/desktop/help.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;

TFMainForm* FMainForm = nullptr;

namespace {
const char* const NotImplemented = "Sorry! Not implement yet!";
}

KCL_CLASS_INFO(TFMainForm) {
  using T = TFMainForm;
  cls.field("Panel1", &T::Panel1);
  cls.field("SpeedBar", &T::SpeedBar);
  cls.field("Splitter1", &T::Splitter1);
  cls.field("PageControl1", &T::PageControl1);
  cls.field("sbOpenProject", &T::sbOpenProject);
  cls.field("sbSaveAll", &T::sbSaveAll);
  cls.field("sbAddFile", &T::sbAddFile);
  cls.field("sbSelectUnit", &T::sbSelectUnit);
  cls.field("sbSelectForm", &T::sbSelectForm);
  cls.field("sbRun", &T::sbRun);
  cls.field("sbPause", &T::sbPause);
  cls.field("sbOpen", &T::sbOpen);
  cls.field("sbSave", &T::sbSave);
  cls.field("sbRemoveFile", &T::sbRemoveFile);
  cls.field("sbToggle", &T::sbToggle);
  cls.field("sbNewForm", &T::sbNewForm);
  cls.field("sbTraceInto", &T::sbTraceInto);
  cls.field("sbStepOver", &T::sbStepOver);
  cls.field("MainMenu1", &T::MainMenu1);
  cls.field("FileReopenItem", &T::FileReopenItem);
  cls.field("ViewSpeedbarItem", &T::ViewSpeedbarItem);
  cls.field("ViewComponentPaletteItem", &T::ViewComponentPaletteItem);
  cls.field("SpeedBarMenu", &T::SpeedBarMenu);
  cls.field("OpenDialog1", &T::OpenDialog1);
  cls.field("SaveDialog1", &T::SaveDialog1);
  cls.field("FindDialog1", &T::FindDialog1);
  cls.field("ReplaceDialog1", &T::ReplaceDialog1);
  cls.method("FormCreate", &T::FormCreate);
  cls.method("FormShow", &T::FormShow);
  cls.method("FormClose", &T::FormClose);
  cls.method("FormDestroy", &T::FormDestroy);
  cls.method("sbButtonClick", &T::sbButtonClick);
  cls.method("sbMainMenuClick", &T::sbMainMenuClick);
  cls.method("PageControl1Change", &T::PageControl1Change);
  cls.method("FileExitItemClick", &T::FileExitItemClick);
  cls.method("EditUndoItemClick", &T::EditUndoItemClick);
  cls.method("EditRedoItemClick", &T::EditRedoItemClick);
  cls.method("SearchFindItemClick", &T::SearchFindItemClick);
  cls.method("SearchReplaceItemClick", &T::SearchReplaceItemClick);
  cls.method("FindDialog1Find", &T::FindDialog1Find);
  cls.method("SearchFindInFilesItemClick", &T::SearchFindInFilesItemClick);
  cls.method("SearchGotoItemClick", &T::SearchGotoItemClick);
  cls.method("EditSelectAllItemClick", &T::EditSelectAllItemClick);
  cls.method("ViewObjectInspectorItemClick", &T::ViewObjectInspectorItemClick);
  cls.method("ViewComponentListItemClick", &T::ViewComponentListItemClick);
  cls.method("ViewNewEditWindowItemClick", &T::ViewNewEditWindowItemClick);
  cls.method("ViewSpeedbarItemClick", &T::ViewSpeedbarItemClick);
  cls.method("ViewComponentPaletteItemClick", &T::ViewComponentPaletteItemClick);
  cls.method("SpeedBarHideItemClick", &T::SpeedBarHideItemClick);
  cls.method("HelpContentsItemClick", &T::HelpContentsItemClick);
  cls.method("HelpAboutItemClick", &T::HelpAboutItemClick);
  cls.method("FileNewApplicationItemClick", &T::FileNewApplicationItemClick);
  cls.method("FileNewFormItemClick", &T::FileNewFormItemClick);
  cls.method("FileOpenItemClick", &T::FileOpenItemClick);
  cls.method("sbOpenProjectClick", &T::sbOpenProjectClick);
  cls.method("FileSaveItemClick", &T::FileSaveItemClick);
  cls.method("FileSaveAsItemClick", &T::FileSaveAsItemClick);
  cls.method("FileSaveProjectAsItemClick", &T::FileSaveProjectAsItemClick);
  cls.method("FileSaveAllItemClick", &T::FileSaveAllItemClick);
  cls.method("FileCloseItemClick", &T::FileCloseItemClick);
  cls.method("FileCloseAllItemClick", &T::FileCloseAllItemClick);
  cls.method("FilePrintItemClick", &T::FilePrintItemClick);
  cls.method("EditCutItemClick", &T::EditCutItemClick);
  cls.method("EditCopyItemClick", &T::EditCopyItemClick);
  cls.method("EditPasteItemClick", &T::EditPasteItemClick);
  cls.method("EditAlignItemClick", &T::EditAlignItemClick);
  cls.method("EditSizeItemClick", &T::EditSizeItemClick);
  cls.method("EditScaleItemClick", &T::EditScaleItemClick);
  cls.method("EditFrontItemClick", &T::EditFrontItemClick);
  cls.method("EditBackItemClick", &T::EditBackItemClick);
  cls.method("EditTabOrderItemClick", &T::EditTabOrderItemClick);
  cls.method("ViewProjectSourceItemClick", &T::ViewProjectSourceItemClick);
  cls.method("ViewToggleItemClick", &T::ViewToggleItemClick);
  cls.method("ViewUnitsItemClick", &T::ViewUnitsItemClick);
  cls.method("ViewFormsItemClick", &T::ViewFormsItemClick);
  // The Tools menu's tools and the window list.
  cls.method("ToolsOptionsItemClick", &T::ToolsOptionsItemClick);
  cls.method("ToolsConfigureItemClick", &T::ToolsConfigureItemClick);
  cls.method("ViewWindowListItemClick", &T::ViewWindowListItemClick);
  // Compiling and running.
  cls.method("ProjectCompileItemClick", &T::ProjectCompileItemClick);
  cls.method("ProjectBuildAllItemClick", &T::ProjectBuildAllItemClick);
  cls.method("RunRunItemClick", &T::RunRunItemClick);
  cls.method("ToolsImageEditorItemClick", &T::ToolsImageEditorItemClick);
  cls.method("ToolsDatabaseDesktopItemClick", &T::ToolsDatabaseDesktopItemClick);
  // The project dialogs.
  cls.method("FileAddToProjectItemClick", &T::FileAddToProjectItemClick);
  cls.method("FileRemoveFromProjectItemClick", &T::FileRemoveFromProjectItemClick);
  cls.method("ViewProjectManagerItemClick", &T::ViewProjectManagerItemClick);
  cls.method("ProjectOptionsItemClick", &T::ProjectOptionsItemClick);
}

TFMainForm::TFMainForm(TComponent* owner) : TForm(owner) {
  FMainForm = this;
  LoadFromLayout(LayoutText("FMainForm"));
}

TFMainForm::~TFMainForm() {
  if (FMainForm == this) FMainForm = nullptr;
}

// --- start and end

void TFMainForm::FormCreate(TObject*) {
  SetBounds(0, 0, Width(), Height());
  DesignFormActive = false;
  PageControl1->SetActivePage(PageControl1->Pages(0));
  ProjectInfo = new TProjectInfo(this);
  const std::string helpFile = ReadEnvironment(QCoreApplication::applicationFilePath().toStdString(), QDir::currentPath().toStdString());
  Application()->SetHelpFile(helpFile);
  LoadSpeedBarGlyphs();
  BuildReopenMenu();
  BuildToolsMenu();
  designer::BuildPalette(*this, *PageControl1);
  // After a placement the palette's active page shows its arrow again.
  PaletteChoice.ShowArrow = [this] {
    if (TTabSheet* page = PageControl1->ActivePage(); page && page->ControlCount() > 0)
      if (auto* arrow = dynamic_cast<TSpeedButton*>(page->Controls(0))) arrow->SetDown(true);
  };
}

void TFMainForm::FormShow(TObject*) {
  if (ObjectInspector) ObjectInspector->Show();
  if (EditorForm) {
    EditorForm->Host = this;
    EditorForm->Show();
  }
  // The first showing opens the first design form; later ones find it there.
  if (!CurrentDesignForm) StartNewApplication();
  ResetProject();  // which also gives the project its default source
  if (EditorForm) editor::CurrentEditor = EditorForm->RichEdit1;
}

void TFMainForm::FormClose(TObject*, TCloseAction& action) {
  if (ProjectInfo->State() != psModified) return;
  const std::string question = Format("Save Change to %s?", {ExtractFileName(ProjectInfo->ProjectFile())});
  switch (MessageDlg(question, mtWarning, mbYesNoCancel, 0)) {
    case mrYes:
      // A save dialog cancelled leaves something unsaved: the window stays.
      if (!SaveProjectFiles(ProjectInfo->ProjectFile())) action = caNone;
      break;
    case mrNo: break;
    default: action = caNone;
  }
}

void TFMainForm::FormDestroy(TObject*) {
  // The design forms place from this window's palette: they go first.
  for (designer::TProxyForm* form : DesignForms()) FreeDesignForm(form);
  DeleteFile(FormTextFile());
  DeleteFile(SettingsDir + "$$temp$$.dfm");
}

void TFMainForm::ResetProject() {
  ProjectInfo->SetProjectDir(StartDir);
  ProjectInfo->SetState(psNew);
  ProjectInfo->Units()->Clear();
  ProjectInfo->Forms()->Clear();
  ProjectInfo->SetProjectFile(StartDir + "project1.dpr");
  ProjectInfo->Units()->Add("Unit1.pas");
  ProjectInfo->Forms()->Add("Form1");
  ProjectInfo->Source()->Assign(NewProjectSource().get());
  FProjectBreaks = {};
  SetProjectCaption("");
}

void TFMainForm::SetProjectCaption(const std::string& projectFile) {
  SetCaption(projectFile.empty() ? Application()->Title() : Application()->Title() + " - " + projectFile);
}

// --- palette

void TFMainForm::sbButtonClick(TObject* sender) {
  auto* button = dynamic_cast<TComponent*>(sender);
  if (!button) return;
  // The key's state now, not the click's: a Shift pressed during the click counts.
  PaletteChoice.Choose(button->Tag(), (GetKeyState(VK_SHIFT) & 0x8000) != 0);
}

void TFMainForm::sbMainMenuClick(TObject*) { ShowMessageBox(NotImplemented, Application()->Title(), 0); }

void TFMainForm::PageControl1Change(TObject*) { designer::LoadPalettePictures(*this, *PageControl1); }

designer::TProxyForm* TFMainForm::CreateDesignForm(const std::string& formFile, const std::string& unitFile) {
  AttachDesignForm(*designer::CreateDesignForm(formFile, unitFile, PaletteChoice));
  CurrentUnitFile = unitFile;
  return CurrentDesignForm;
}

void TFMainForm::AttachDesignForm(designer::TProxyForm& form) {
  CurrentDesignForm = &form;
  // The inspector follows what the designer selects.
  form.ProxyDesigner()->AddListener(this);
  if (ObjectInspector) {
    form.ProxyDesigner()->AddListener(ObjectInspector);
    ObjectInspector->InspectComponent(nullptr, &form);
  }
  form.OnDesignActivate = [this](designer::TProxyForm& active) {
    CurrentDesignForm = &active;
    DesignFormActive = true;
  };
}

void TFMainForm::FreeDesignForm(designer::TProxyForm* form) {
  if (!form) return;
  if (form == CurrentDesignForm) CurrentDesignForm = nullptr;
  form->Free();
}

std::vector<designer::TProxyForm*> TFMainForm::DesignForms() const {
  std::vector<designer::TProxyForm*> forms;
  for (int i = 0; i < Screen()->FormCount(); ++i)
    if (auto* form = dynamic_cast<designer::TProxyForm*>(Screen()->Forms(i))) forms.push_back(form);
  return forms;
}

// --- the unit source

void TFMainForm::Edited(const designer::TDesignEdit& edit) {
  if (!EditorForm) return;
  if (edit.Kind == designer::TDesignEditKind::Rename) EditorForm->RenameComponentField(edit.OldName, edit.NewName);
  for (TComponent* component : edit.Components) {
    if (edit.Kind == designer::TDesignEditKind::Place || edit.Kind == designer::TDesignEditKind::Paste)
      EditorForm->EditComponentField(component->Name(), component->ClassName(), 0);
    else if (edit.Kind == designer::TDesignEditKind::Delete)
      EditorForm->EditComponentField(component->Name(), component->ClassName(), 1);
  }
  EditorForm->FormEdited();
}

std::string TFMainForm::UndoMemento() { return EditorForm ? EditorForm->ComponentFieldLines() : std::string(); }

void TFMainForm::Restored(const std::string& memento) {
  if (!EditorForm) return;
  EditorForm->RestoreComponentFieldLines(memento);
  EditorForm->FormEdited();
}

void TFMainForm::SourceChanged() {
  ProjectInfo->SetState(psModified);
  sbSaveAll->SetEnabled(true);
}

// --- menu commands

void TFMainForm::FileExitItemClick(TObject*) { Close(); }

void TFMainForm::EditSelectAllItemClick(TObject*) {
  if (DesignFormActive) {
    if (CurrentDesignForm) CurrentDesignForm->ProxyDesigner()->SelectAll();
    return;
  }
  if (editor::CurrentEditor) editor::CurrentEditor->SelectAll();
  if (EditorForm) EditorForm->Show();
}

void TFMainForm::ViewObjectInspectorItemClick(TObject*) {
  if (ObjectInspector) ObjectInspector->Show();
}

void TFMainForm::ViewComponentListItemClick(TObject*) { ShowModalDialog<designer::TComponentList>(); }

void TFMainForm::ViewNewEditWindowItemClick(TObject*) {
  // There is one editor window; the command brings it up.
  if (EditorForm) EditorForm->Show();
}

void TFMainForm::ViewSpeedbarItemClick(TObject*) {
  SpeedBar->SetVisible(!SpeedBar->Visible());
  ViewSpeedbarItem->SetChecked(SpeedBar->Visible());
}

void TFMainForm::ViewComponentPaletteItemClick(TObject*) {
  PageControl1->SetVisible(!PageControl1->Visible());
  ViewComponentPaletteItem->SetChecked(PageControl1->Visible());
}

void TFMainForm::SpeedBarHideItemClick(TObject*) {
  SpeedBar->SetVisible(false);
  ViewSpeedbarItem->SetChecked(false);
}

void TFMainForm::HelpContentsItemClick(TObject*) { Application()->HelpCommand(HELP_FINDER, 0); }

void TFMainForm::HelpAboutItemClick(TObject*) { ShowModalDialog<TAboutBox>(); }

void TFMainForm::LoadSpeedBarGlyphs() {
  for (TSpeedButton* button : {sbOpenProject, sbSaveAll, sbAddFile, sbSelectUnit, sbSelectForm, sbRun, sbPause, sbOpen,
                               sbSave, sbRemoveFile, sbToggle, sbNewForm, sbTraceInto, sbStepOver}) {
    TBitmap glyph;
    if (button && LoadPicture("glyphs", UpperCase(button->Name()), glyph)) button->SetGlyph(&glyph);
  }
  // Every page's arrow shows the palette's own arrow picture.
  TBitmap arrowGlyph;
  if (!LoadPicture("components", "ARROW", arrowGlyph)) return;
  for (int i = 0; i < PageControl1->PageCount(); ++i) {
    TTabSheet* page = PageControl1->Pages(i);
    if (auto* arrow = dynamic_cast<TSpeedButton*>(page->ControlCount() > 0 ? page->Controls(0) : nullptr))
      arrow->SetGlyph(&arrowGlyph);
  }
}

}  // namespace korvax
