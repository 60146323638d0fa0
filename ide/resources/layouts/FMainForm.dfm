object FMainForm: TFMainForm
  Left = 0
  Top = 0
  BorderStyle = bsSingle
  Caption = 'Korvax - Project1'
  ClientHeight = 67
  ClientWidth = 790
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  OnClose = FormClose
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 790
    Height = 65
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object Splitter1: TSplitter
      Left = 209
      Top = 0
      Width = 1
      Height = 65
    end
    object SpeedBar: TPanel
      Left = 0
      Top = 0
      Width = 209
      Height = 65
      Align = alLeft
      BevelOuter = bvNone
      PopupMenu = SpeedBarMenu
      TabOrder = 0
      object sbOpenProject: TSpeedButton
        Left = 4
        Top = 6
        Width = 25
        Height = 25
        Hint = 'Open Project'
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = sbOpenProjectClick
      end
      object sbSaveAll: TSpeedButton
        Left = 33
        Top = 6
        Width = 25
        Height = 25
        Hint = 'Save All'
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = FileSaveAllItemClick
      end
      object sbAddFile: TSpeedButton
        Left = 62
        Top = 6
        Width = 25
        Height = 25
        Hint = 'Add file to project'
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = FileAddToProjectItemClick
      end
      object sbSelectUnit: TSpeedButton
        Left = 91
        Top = 6
        Width = 25
        Height = 25
        Hint = 'Select unit from list'
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = ViewUnitsItemClick
      end
      object sbSelectForm: TSpeedButton
        Left = 120
        Top = 6
        Width = 25
        Height = 25
        Hint = 'Select form from list'
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = ViewFormsItemClick
      end
      object sbRun: TSpeedButton
        Left = 149
        Top = 6
        Width = 25
        Height = 25
        Hint = 'Run'
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = RunRunItemClick
      end
      object sbPause: TSpeedButton
        Left = 178
        Top = 6
        Width = 25
        Height = 25
        Hint = 'Pause'
        Enabled = False
        Flat = True
        ParentShowHint = False
        ShowHint = True
      end
      object sbOpen: TSpeedButton
        Left = 4
        Top = 35
        Width = 25
        Height = 25
        Hint = 'Open file'
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = FileOpenItemClick
      end
      object sbSave: TSpeedButton
        Left = 33
        Top = 35
        Width = 25
        Height = 25
        Hint = 'Save file'
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = FileSaveItemClick
      end
      object sbRemoveFile: TSpeedButton
        Left = 62
        Top = 35
        Width = 25
        Height = 25
        Hint = 'Remove file from project'
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = FileRemoveFromProjectItemClick
      end
      object sbToggle: TSpeedButton
        Left = 91
        Top = 35
        Width = 25
        Height = 25
        Hint = 'Toggle Form/Unit'
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = ViewToggleItemClick
      end
      object sbNewForm: TSpeedButton
        Left = 120
        Top = 35
        Width = 25
        Height = 25
        Hint = 'New form'
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = FileNewFormItemClick
      end
      object sbTraceInto: TSpeedButton
        Left = 149
        Top = 35
        Width = 25
        Height = 25
        Hint = 'Trace into'
        Enabled = False
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = sbMainMenuClick
      end
      object sbStepOver: TSpeedButton
        Left = 178
        Top = 35
        Width = 25
        Height = 25
        Hint = 'Step over'
        Enabled = False
        Flat = True
        ParentShowHint = False
        ShowHint = True
        OnClick = sbMainMenuClick
      end
    end
    object PageControl1: TPageControl
      Left = 210
      Top = 0
      Width = 580
      Height = 65
      ActivePage = tsStandard
      Align = alClient
      TabOrder = 1
      OnChange = PageControl1Change
      object tsStandard: TTabSheet
        Caption = 'Standard'
        object sbArrow1: TSpeedButton
          Left = 0
          Top = 2
          Width = 27
          Height = 27
          AllowAllUp = True
          GroupIndex = 11
          Down = True
          Flat = True
          OnClick = sbButtonClick
        end
        object sbLeft1: TSpeedButton
          Left = 406
          Top = 2
          Width = 12
          Height = 27
          Caption = '<'
          Flat = True
        end
        object sbRight1: TSpeedButton
          Left = 418
          Top = 2
          Width = 12
          Height = 27
          Caption = '>'
          Flat = True
        end
      end
      object tsAdditional: TTabSheet
        Caption = 'Additional'
        object sbArrow2: TSpeedButton
          Left = 0
          Top = 2
          Width = 27
          Height = 27
          GroupIndex = 21
          Down = True
          Flat = True
        end
      end
      object tsWin32: TTabSheet
        Caption = 'Win32'
        object sbArrow3: TSpeedButton
          Left = 0
          Top = 2
          Width = 27
          Height = 27
          GroupIndex = 31
          Down = True
          Flat = True
        end
      end
      object tsSystem: TTabSheet
        Caption = 'System'
        object sbArrow8: TSpeedButton
          Left = 0
          Top = 2
          Width = 27
          Height = 27
          GroupIndex = 81
          Down = True
          Flat = True
        end
      end
      object tsDataAccess: TTabSheet
        Caption = 'Data Access'
        object sbArrow4: TSpeedButton
          Left = 0
          Top = 2
          Width = 27
          Height = 27
          GroupIndex = 41
          Down = True
          Flat = True
        end
      end
      object tsDataControls: TTabSheet
        Caption = 'Data Controls'
        object sbArrow5: TSpeedButton
          Left = 0
          Top = 2
          Width = 27
          Height = 27
          GroupIndex = 51
          Down = True
          Flat = True
        end
      end
      object tsWin31: TTabSheet
        Caption = 'Win3.1'
        object sbArrow6: TSpeedButton
          Left = 0
          Top = 2
          Width = 27
          Height = 27
          GroupIndex = 61
          Down = True
          Flat = True
        end
      end
      object tsDialogs: TTabSheet
        Caption = 'Dialogs'
        object sbArrow7: TSpeedButton
          Left = 0
          Top = 2
          Width = 27
          Height = 27
          GroupIndex = 71
          Down = True
          Flat = True
        end
      end
      object tsQReport: TTabSheet
        Caption = 'QReport'
        object sbArrow9: TSpeedButton
          Left = 0
          Top = 2
          Width = 27
          Height = 27
          GroupIndex = 91
          Down = True
          Flat = True
        end
      end
      object tsSamples: TTabSheet
        Caption = 'Samples'
        object sbArrow10: TSpeedButton
          Left = 0
          Top = 2
          Width = 27
          Height = 27
          GroupIndex = 101
          Down = True
          Flat = True
        end
      end
    end
  end
  object MainMenu1: TMainMenu
    Left = 600
    Top = 8
    object FileMenu: TMenuItem
      Caption = '&File'
      object FileNewItem: TMenuItem
        Caption = '&New..'
        Enabled = False
      end
      object FileNewApplicationItem: TMenuItem
        Caption = 'New Application'
        OnClick = FileNewApplicationItemClick
      end
      object FileNewFormItem: TMenuItem
        Caption = 'New &Form'
        OnClick = FileNewFormItemClick
      end
      object FileNewDataModuleItem: TMenuItem
        Caption = 'New Data &Module'
        Enabled = False
      end
      object FileOpenItem: TMenuItem
        Caption = '&Open...'
        OnClick = FileOpenItemClick
      end
      object FileReopenItem: TMenuItem
        Caption = '&Reopen'
      end
      object FileSaveItem: TMenuItem
        Caption = '&Save'
        ShortCut = 16467
        OnClick = FileSaveItemClick
      end
      object FileSaveAsItem: TMenuItem
        Caption = 'Save &As...'
        OnClick = FileSaveAsItemClick
      end
      object FileSaveProjectAsItem: TMenuItem
        Caption = 'Sav&e Project As...'
        OnClick = FileSaveProjectAsItemClick
      end
      object FileSaveAllItem: TMenuItem
        Caption = 'Sa&ve All'
        OnClick = FileSaveAllItemClick
      end
      object FileCloseItem: TMenuItem
        Caption = '&Close'
        OnClick = FileCloseItemClick
      end
      object FileCloseAllItem: TMenuItem
        Caption = 'C&lose All'
        OnClick = FileCloseAllItemClick
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object FileUseUnitItem: TMenuItem
        Caption = '&Use Unit...'
        Enabled = False
      end
      object FileAddToProjectItem: TMenuItem
        Caption = 'A&dd to Project...'
        OnClick = FileAddToProjectItemClick
      end
      object FileRemoveFromProjectItem: TMenuItem
        Caption = 'Remove from Project...'
        OnClick = FileRemoveFromProjectItemClick
      end
      object N2: TMenuItem
        Caption = '-'
      end
      object FilePrintItem: TMenuItem
        Caption = '&Print...'
        OnClick = FilePrintItemClick
      end
      object N3: TMenuItem
        Caption = '-'
      end
      object FileExitItem: TMenuItem
        Caption = 'E&xit'
        OnClick = FileExitItemClick
      end
    end
    object EditMenu: TMenuItem
      Caption = '&Edit'
      object EditUndoItem: TMenuItem
        Caption = '&Undo'
        ShortCut = 16474
        OnClick = EditUndoItemClick
      end
      object EditRedoItem: TMenuItem
        Caption = '&Redo'
        ShortCut = 24666
        OnClick = EditRedoItemClick
      end
      object N4: TMenuItem
        Caption = '-'
      end
      object EditCutItem: TMenuItem
        Caption = 'Cut'
        ShortCut = 16472
        OnClick = EditCutItemClick
      end
      object EditCopyItem: TMenuItem
        Caption = 'Copy'
        ShortCut = 16451
        OnClick = EditCopyItemClick
      end
      object EditPasteItem: TMenuItem
        Caption = 'Paste'
        ShortCut = 16470
        OnClick = EditPasteItemClick
      end
      object EditDeleteItem: TMenuItem
        Caption = 'Delete'
        Enabled = False
        ShortCut = 16430
      end
      object EditSelectAllItem: TMenuItem
        Caption = 'Select All'
        OnClick = EditSelectAllItemClick
      end
      object N5: TMenuItem
        Caption = '-'
      end
      object EditAlignToGridItem: TMenuItem
        Caption = 'Align to Grid'
        Enabled = False
      end
      object EditFrontItem: TMenuItem
        Caption = 'Bring to Front'
        OnClick = EditFrontItemClick
      end
      object EditBackItem: TMenuItem
        Caption = 'Send to Back'
        OnClick = EditBackItemClick
      end
      object EditAlignItem: TMenuItem
        Caption = 'Align...'
        OnClick = EditAlignItemClick
      end
      object EditSizeItem: TMenuItem
        Caption = 'Size...'
        OnClick = EditSizeItemClick
      end
      object EditScaleItem: TMenuItem
        Caption = 'Scale...'
        OnClick = EditScaleItemClick
      end
      object EditTabOrderItem: TMenuItem
        Caption = 'Tab Order'
        OnClick = EditTabOrderItemClick
      end
      object EditCreationOrderItem: TMenuItem
        Caption = 'Creation Order'
        Enabled = False
      end
    end
    object SearchMenu: TMenuItem
      Caption = '&Search'
      object SearchFindItem: TMenuItem
        Caption = 'Find...'
        ShortCut = 16454
        OnClick = SearchFindItemClick
      end
      object SearchFindInFilesItem: TMenuItem
        Caption = 'Find in Files...'
        OnClick = SearchFindInFilesItemClick
      end
      object SearchReplaceItem: TMenuItem
        Caption = 'Replace...'
        ShortCut = 16466
        OnClick = SearchReplaceItemClick
      end
      object SearchAgainItem: TMenuItem
        Caption = 'Search Again'
        ShortCut = 114
        OnClick = FindDialog1Find
      end
      object SearchIncrementalItem: TMenuItem
        Caption = 'Incremental Search'
        Enabled = False
        ShortCut = 16453
      end
      object N6: TMenuItem
        Caption = '-'
      end
      object SearchGotoItem: TMenuItem
        Caption = 'Go to Line Number'
        OnClick = SearchGotoItemClick
      end
      object N7: TMenuItem
        Caption = '-'
      end
      object SearchBrowseSymbolItem: TMenuItem
        Caption = 'Browse Symbol'
        Enabled = False
      end
    end
    object ViewMenu: TMenuItem
      Caption = '&View'
      object ViewProjectManagerItem: TMenuItem
        Caption = 'Project Manager'
        OnClick = ViewProjectManagerItemClick
      end
      object ViewProjectSourceItem: TMenuItem
        Caption = 'Project Source'
        OnClick = ViewProjectSourceItemClick
      end
      object ViewObjectInspectorItem: TMenuItem
        Caption = 'Object Inspector'
        ShortCut = 122
        OnClick = ViewObjectInspectorItemClick
      end
      object ViewAlignmentPaletteItem: TMenuItem
        Caption = 'Alignment Palette'
        Enabled = False
      end
      object ViewBrowseItem: TMenuItem
        Caption = 'Browse'
        Enabled = False
      end
      object ViewComponentListItem: TMenuItem
        Caption = 'Component List'
        OnClick = ViewComponentListItemClick
      end
      object ViewWindowListItem: TMenuItem
        Caption = 'Window List...'
        OnClick = ViewWindowListItemClick
      end
      object N8: TMenuItem
        Caption = '-'
      end
      object ViewToggleItem: TMenuItem
        Caption = 'Toggle Form/Unit'
        ShortCut = 123
        OnClick = ViewToggleItemClick
      end
      object ViewUnitsItem: TMenuItem
        Caption = 'Units...'
        ShortCut = 16507
        OnClick = ViewUnitsItemClick
      end
      object ViewFormsItem: TMenuItem
        Caption = 'Forms...'
        ShortCut = 8315
        OnClick = ViewFormsItemClick
      end
      object N9: TMenuItem
        Caption = '-'
      end
      object ViewNewEditWindowItem: TMenuItem
        Caption = 'New Edit Window'
        OnClick = ViewNewEditWindowItemClick
      end
      object N10: TMenuItem
        Caption = '-'
      end
      object ViewSpeedbarItem: TMenuItem
        Caption = 'Speedbar'
        Checked = True
        OnClick = ViewSpeedbarItemClick
      end
      object ViewComponentPaletteItem: TMenuItem
        Caption = 'Component Palette'
        Checked = True
        OnClick = ViewComponentPaletteItemClick
      end
    end
    object ProjectMenu: TMenuItem
      Caption = '&Project'
      object ProjectAddItem: TMenuItem
        Caption = 'Add to Project...'
        OnClick = FileAddToProjectItemClick
      end
      object ProjectRemoveItem: TMenuItem
        Caption = 'Remove from Project...'
        OnClick = FileRemoveFromProjectItemClick
      end
      object ProjectAddToRepositoryItem: TMenuItem
        Caption = 'Add to Repository'
        Enabled = False
      end
      object N11: TMenuItem
        Caption = '-'
      end
      object ProjectCompileItem: TMenuItem
        Caption = 'Compile'
        ShortCut = 16504
        OnClick = ProjectCompileItemClick
      end
      object ProjectBuildAllItem: TMenuItem
        Caption = 'Build All'
        OnClick = ProjectBuildAllItemClick
      end
      object ProjectSyntaxCheckItem: TMenuItem
        Caption = 'Syntax Check'
        Enabled = False
      end
      object ProjectInformationItem: TMenuItem
        Caption = 'Information'
        Enabled = False
      end
      object N12: TMenuItem
        Caption = '-'
      end
      object ProjectOptionsItem: TMenuItem
        Caption = 'Options...'
        OnClick = ProjectOptionsItemClick
      end
    end
    object RunMenu: TMenuItem
      Caption = '&Run'
      object RunRunItem: TMenuItem
        Caption = 'Run'
        ShortCut = 120
        OnClick = RunRunItemClick
      end
      object RunParametersItem: TMenuItem
        Caption = 'Parameters...'
        Enabled = False
      end
      object N13: TMenuItem
        Caption = '-'
      end
      object RunStepOverItem: TMenuItem
        Caption = 'Step  Over'
        Enabled = False
        ShortCut = 119
      end
      object RunTraceIntoItem: TMenuItem
        Caption = 'Trace Into'
        Enabled = False
        ShortCut = 118
      end
      object RunToCursorItem: TMenuItem
        Caption = 'Run to Cursor'
        Enabled = False
        ShortCut = 115
      end
      object RunProgramPauseItem: TMenuItem
        Caption = 'Program Pause'
        Enabled = False
      end
      object RunProgramResetItem: TMenuItem
        Caption = 'Program Reset'
        Enabled = False
        ShortCut = 16497
      end
      object N14: TMenuItem
        Caption = '-'
      end
      object RunAddWatchItem: TMenuItem
        Caption = 'Add Watch'
        Enabled = False
        ShortCut = 16500
      end
      object RunAddBreakpointItem: TMenuItem
        Caption = 'Add Breakpoint...'
        Enabled = False
      end
      object RunEvaluateItem: TMenuItem
        Caption = 'Evaluate/Modify...'
        Enabled = False
        ShortCut = 16502
      end
    end
    object ComponentMenu: TMenuItem
      Caption = '&Component'
      object ComponentNewItem: TMenuItem
        Caption = 'New Component...'
        Enabled = False
      end
      object ComponentInstallItem: TMenuItem
        Caption = 'Install Component...'
        Enabled = False
      end
      object ComponentInstallPackagesItem: TMenuItem
        Caption = 'Install Packages...'
        Enabled = False
      end
      object ComponentConfigurePaletteItem: TMenuItem
        Caption = 'Configure Palette...'
        Enabled = False
      end
    end
    object DatabaseMenu: TMenuItem
      Caption = '&Database'
      object DatabaseExploreItem: TMenuItem
        Caption = 'Explore'
        Enabled = False
      end
      object DatabaseFromWizardItem: TMenuItem
        Caption = 'From Wizard...'
        Enabled = False
      end
    end
    object ToolsMenu: TMenuItem
      Caption = '&Tools'
      object ToolsOptionsItem: TMenuItem
        Caption = 'Environment Options..'
        OnClick = ToolsOptionsItemClick
      end
      object ToolsRepositoryItem: TMenuItem
        Caption = 'Repository...'
        Enabled = False
      end
      object ToolsConfigureItem: TMenuItem
        Caption = 'Configure Tools...'
        OnClick = ToolsConfigureItemClick
      end
      object N15: TMenuItem
        Caption = '-'
      end
      object ToolsImageEditorItem: TMenuItem
        Caption = 'Image Editor'
        OnClick = ToolsImageEditorItemClick
      end
      object ToolsDatabaseDesktopItem: TMenuItem
        Caption = 'Database Desktop'
        OnClick = ToolsDatabaseDesktopItemClick
      end
    end
    object HelpMenu: TMenuItem
      Caption = '&Help'
      object HelpContentsItem: TMenuItem
        Caption = 'Contents'
        OnClick = HelpContentsItemClick
      end
      object HelpAboutItem: TMenuItem
        Caption = 'About...'
        OnClick = HelpAboutItemClick
      end
    end
  end
  object SpeedBarMenu: TPopupMenu
    Left = 632
    Top = 8
    object SpeedBarShowHintItem: TMenuItem
      Caption = 'Show Hint'
      Checked = True
    end
    object SpeedBarHideItem: TMenuItem
      Caption = 'Hide'
      OnClick = SpeedBarHideItemClick
    end
    object N16: TMenuItem
      Caption = '-'
    end
    object SpeedBarHelpItem: TMenuItem
      Caption = 'Help'
    end
    object SpeedBarPropertiesItem: TMenuItem
      Caption = 'Properties'
    end
  end
  object OpenDialog1: TOpenDialog
    Left = 664
    Top = 8
  end
  object SaveDialog1: TSaveDialog
    Left = 696
    Top = 8
  end
  object FindDialog1: TFindDialog
    Left = 728
    Top = 8
  end
  object ReplaceDialog1: TReplaceDialog
    Left = 760
    Top = 8
  end
end
