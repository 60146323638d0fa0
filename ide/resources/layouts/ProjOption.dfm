object ProjOption: TProjOption
  Left = 230
  Top = 110
  BorderStyle = bsDialog
  Caption = 'Project Options'
  ClientHeight = 392
  ClientWidth = 438
  Font.Charset = HANGEUL_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  OnCreate = FormCreate
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object PageControl1: TPageControl
    Left = 8
    Top = 8
    Width = 422
    Height = 336
    ActivePage = FormsPage
    TabOrder = 0
    object FormsPage: TTabSheet
      Caption = 'Forms'
      object MainFormLabel: TLabel
        Left = 8
        Top = 12
        Width = 66
        Height = 13
        Caption = '&Main form:'
        FocusControl = cbMainForm
      end
      object AutoCreateLabel: TLabel
        Left = 8
        Top = 40
        Width = 114
        Height = 13
        Caption = '&Auto-create forms:'
        FocusControl = AutoCreateForms
      end
      object AvailableLabel: TLabel
        Left = 234
        Top = 40
        Width = 102
        Height = 13
        Caption = 'A&vailable forms:'
        FocusControl = AvailableForms
      end
      object cbMainForm: TComboBox
        Left = 80
        Top = 8
        Width = 160
        Height = 21
        Style = csDropDownList
        ItemHeight = 13
        TabOrder = 0
      end
      object AutoCreateForms: TListBox
        Left = 8
        Top = 56
        Width = 170
        Height = 240
        ItemHeight = 13
        TabOrder = 1
      end
      object MoveToAvailableButton: TButton
        Left = 186
        Top = 90
        Width = 40
        Height = 25
        Caption = '>'
        TabOrder = 3
        OnClick = MoveToAvailableButtonClick
      end
      object MoveToAutoCreateButton: TButton
        Left = 186
        Top = 122
        Width = 40
        Height = 25
        Caption = '<'
        TabOrder = 4
        OnClick = MoveToAutoCreateButtonClick
      end
      object AllToAvailableButton: TButton
        Left = 186
        Top = 170
        Width = 40
        Height = 25
        Caption = '>>'
        TabOrder = 5
        OnClick = AllToAvailableButtonClick
      end
      object AllToAutoCreateButton: TButton
        Left = 186
        Top = 202
        Width = 40
        Height = 25
        Caption = '<<'
        TabOrder = 6
        OnClick = AllToAutoCreateButtonClick
      end
      object AvailableForms: TListBox
        Left = 234
        Top = 56
        Width = 170
        Height = 240
        ItemHeight = 13
        TabOrder = 2
      end
    end
    object ApplicationPage: TTabSheet
      Caption = 'Application'
      object AppSettingsGroup: TGroupBox
        Left = 8
        Top = 8
        Width = 404
        Height = 130
        Caption = 'Application settings'
        TabOrder = 1
        object TitleLabel: TLabel
          Left = 12
          Top = 24
          Width = 42
          Height = 13
          Caption = '&Title:'
          FocusControl = AppTitle
        end
        object HelpFileLabel: TLabel
          Left = 12
          Top = 52
          Width = 66
          Height = 13
          Caption = '&Help file:'
          FocusControl = AppHelpFile
        end
        object IconLabel: TLabel
          Left = 12
          Top = 84
          Width = 30
          Height = 13
          Caption = 'Icon:'
        end
        object AppIcon: TImage
          Left = 100
          Top = 80
          Width = 32
          Height = 32
        end
        object AppTitle: TEdit
          Left = 100
          Top = 20
          Width = 280
          Height = 21
          TabOrder = 1
        end
        object AppHelpFile: TEdit
          Left = 100
          Top = 48
          Width = 200
          Height = 21
          TabOrder = 0
        end
        object BrowseButton: TButton
          Left = 306
          Top = 46
          Width = 75
          Height = 25
          Caption = '&Browse...'
          TabOrder = 2
          OnClick = BrowseButtonClick
        end
        object LoadIconButton: TButton
          Left = 150
          Top = 84
          Width = 90
          Height = 25
          Caption = '&Load Icon...'
          TabOrder = 3
          OnClick = LoadIconButtonClick
        end
      end
      object OutputSettingsGroup: TGroupBox
        Left = 8
        Top = 146
        Width = 404
        Height = 56
        Caption = 'Output settings'
        TabOrder = 0
        object TargetExtLabel: TLabel
          Left = 12
          Top = 24
          Width = 138
          Height = 13
          Caption = 'Target file &extension:'
          FocusControl = TargetExt
        end
        object TargetExt: TEdit
          Left = 140
          Top = 20
          Width = 60
          Height = 21
          TabOrder = 0
        end
      end
    end
    object CompilerPage: TTabSheet
      Caption = 'Compiler'
      object CodeGenerationGroup: TGroupBox
        Left = 8
        Top = 8
        Width = 200
        Height = 96
        Caption = 'Code generation'
        TabOrder = 1
        object cbOptimization: TCheckBox
          Left = 10
          Top = 18
          Width = 180
          Height = 17
          Caption = '&Optimization'
          State = cbChecked
          TabOrder = 0
        end
        object cbAlignedFields: TCheckBox
          Left = 10
          Top = 36
          Width = 180
          Height = 17
          Caption = '&Aligned record fields'
          State = cbChecked
          TabOrder = 1
        end
        object cbStackFrames: TCheckBox
          Left = 10
          Top = 54
          Width = 180
          Height = 17
          Caption = 'Stac&k frames'
          TabOrder = 2
        end
        object cbPentiumSafe: TCheckBox
          Left = 10
          Top = 72
          Width = 180
          Height = 17
          Caption = 'Penti&um-safe FDIV'
          TabOrder = 3
        end
      end
      object RuntimeErrorsGroup: TGroupBox
        Left = 216
        Top = 8
        Width = 196
        Height = 96
        Caption = 'Runtime errors'
        TabOrder = 2
        object cbRangeChecking: TCheckBox
          Left = 10
          Top = 18
          Width = 180
          Height = 17
          Caption = '&Range checking'
          TabOrder = 0
        end
        object cbIOChecking: TCheckBox
          Left = 10
          Top = 36
          Width = 180
          Height = 17
          Caption = '&I/O checking'
          State = cbChecked
          TabOrder = 1
        end
        object cbOverflowChecking: TCheckBox
          Left = 10
          Top = 54
          Width = 180
          Height = 17
          Caption = 'Overflow checking (&Q)'
          TabOrder = 2
        end
      end
      object SyntaxOptionsGroup: TGroupBox
        Left = 8
        Top = 110
        Width = 200
        Height = 150
        Caption = 'Syntax options'
        TabOrder = 3
        object cbStrictVarStrings: TCheckBox
          Left = 10
          Top = 18
          Width = 180
          Height = 17
          Caption = 'Strict &var-strings'
          State = cbChecked
          TabOrder = 0
        end
        object cbCompleteBoolean: TCheckBox
          Left = 10
          Top = 36
          Width = 180
          Height = 17
          Caption = 'Complete &boolean eval'
          TabOrder = 1
        end
        object cbExtendedSyntax: TCheckBox
          Left = 10
          Top = 54
          Width = 180
          Height = 17
          Caption = 'E&xtended syntax'
          State = cbChecked
          TabOrder = 2
        end
        object cbTypedAddress: TCheckBox
          Left = 10
          Top = 72
          Width = 180
          Height = 17
          Caption = '&Typed @ operator'
          TabOrder = 3
        end
        object cbOpenParameters: TCheckBox
          Left = 10
          Top = 90
          Width = 180
          Height = 17
          Caption = 'Open &parameters'
          State = cbChecked
          TabOrder = 4
        end
        object cbHugeStrings: TCheckBox
          Left = 10
          Top = 108
          Width = 180
          Height = 17
          Caption = 'Huge &strings'
          State = cbChecked
          TabOrder = 5
        end
        object cbAssignableConsts: TCheckBox
          Left = 10
          Top = 126
          Width = 180
          Height = 17
          Caption = 'Assignable typed constants (&J)'
          State = cbChecked
          TabOrder = 6
        end
      end
      object DebuggingGroup: TGroupBox
        Left = 216
        Top = 110
        Width = 196
        Height = 96
        Caption = 'Debugging'
        TabOrder = 4
        object cbDebugInfo: TCheckBox
          Left = 10
          Top = 18
          Width = 180
          Height = 17
          Caption = '&Debug information'
          State = cbChecked
          TabOrder = 0
        end
        object cbLocalSymbols: TCheckBox
          Left = 10
          Top = 36
          Width = 180
          Height = 17
          Caption = '&Local symbols'
          State = cbChecked
          TabOrder = 1
        end
        object cbSymbolInfo: TCheckBox
          Left = 10
          Top = 54
          Width = 180
          Height = 17
          Caption = 'S&ymbol info'
          State = cbChecked
          TabOrder = 2
        end
        object cbAssertions: TCheckBox
          Left = 10
          Top = 72
          Width = 180
          Height = 17
          Caption = 'Assertions (&C)'
          State = cbChecked
          TabOrder = 3
        end
      end
      object MessagesGroup: TGroupBox
        Left = 216
        Top = 212
        Width = 196
        Height = 60
        Caption = 'Messages'
        TabOrder = 0
        object cbShowHints: TCheckBox
          Left = 10
          Top = 18
          Width = 180
          Height = 17
          Caption = 'Show hi&nts'
          State = cbChecked
          TabOrder = 0
        end
        object cbShowWarnings: TCheckBox
          Left = 10
          Top = 36
          Width = 180
          Height = 17
          Caption = 'Show &warnings'
          State = cbChecked
          TabOrder = 1
        end
      end
    end
    object LinkerPage: TTabSheet
      Caption = 'Linker'
      object MapFileGroup: TGroupBox
        Left = 8
        Top = 8
        Width = 130
        Height = 96
        Caption = 'Map file'
        TabOrder = 1
        object rbMapOff: TRadioButton
          Left = 10
          Top = 18
          Width = 120
          Height = 17
          Caption = 'O&ff'
          Checked = True
          TabOrder = 0
          TabStop = True
        end
        object rbMapSegments: TRadioButton
          Left = 10
          Top = 36
          Width = 120
          Height = 17
          Caption = '&Segments'
          TabOrder = 1
        end
        object rbMapPublics: TRadioButton
          Left = 10
          Top = 54
          Width = 120
          Height = 17
          Caption = '&Publics'
          TabOrder = 2
        end
        object rbMapDetailed: TRadioButton
          Left = 10
          Top = 72
          Width = 120
          Height = 17
          Caption = '&Detailed'
          TabOrder = 3
        end
      end
      object LinkerOutputGroup: TGroupBox
        Left = 146
        Top = 8
        Width = 266
        Height = 60
        Caption = 'Linker output'
        TabOrder = 2
        object rbGenerateDCUs: TRadioButton
          Left = 10
          Top = 18
          Width = 160
          Height = 17
          Caption = 'Generate DC&Us'
          Checked = True
          TabOrder = 0
          TabStop = True
        end
        object rbGenerateObjects: TRadioButton
          Left = 10
          Top = 36
          Width = 160
          Height = 17
          Caption = 'Generate &Object files'
          TabOrder = 1
        end
      end
      object ExeOptionsGroup: TGroupBox
        Left = 146
        Top = 72
        Width = 266
        Height = 60
        Caption = 'EXE and DLL options'
        TabOrder = 3
        object cbTD32DebugInfo: TCheckBox
          Left = 10
          Top = 18
          Width = 180
          Height = 17
          Caption = 'Include &TD32 debug info'
          TabOrder = 0
        end
        object cbConsoleApp: TCheckBox
          Left = 10
          Top = 36
          Width = 180
          Height = 17
          Caption = 'Generate &console application'
          TabOrder = 1
        end
      end
      object MemorySizesGroup: TGroupBox
        Left = 8
        Top = 140
        Width = 404
        Height = 80
        Caption = 'Memory sizes'
        TabOrder = 4
        object MinStackLabel: TLabel
          Left = 10
          Top = 22
          Width = 96
          Height = 13
          Caption = 'Mi&n stack size:'
          FocusControl = MinStackSize
        end
        object MaxStackLabel: TLabel
          Left = 10
          Top = 50
          Width = 90
          Height = 13
          Caption = 'Ma&x stacksize:'
          FocusControl = MaxStackSize
        end
        object ImageBaseLabel: TLabel
          Left = 210
          Top = 22
          Width = 72
          Height = 13
          Caption = '&Image base:'
          FocusControl = ImageBase
        end
        object MinStackSize: TEdit
          Left = 110
          Top = 18
          Width = 80
          Height = 21
          Text = '$00004000'
          TabOrder = 1
        end
        object MaxStackSize: TEdit
          Left = 110
          Top = 46
          Width = 80
          Height = 21
          Text = '$00100000'
          TabOrder = 2
        end
        object ImageBase: TEdit
          Left = 290
          Top = 18
          Width = 80
          Height = 21
          Text = '$00400000'
          TabOrder = 0
        end
      end
      object DescriptionGroup: TGroupBox
        Left = 8
        Top = 226
        Width = 404
        Height = 52
        Caption = 'Description'
        TabOrder = 0
        object ExeDescriptionLabel: TLabel
          Left = 10
          Top = 22
          Width = 102
          Height = 13
          Caption = '&EXE Description:'
          FocusControl = ExeDescription
        end
        object ExeDescription: TEdit
          Left = 110
          Top = 18
          Width = 280
          Height = 21
          TabOrder = 0
        end
      end
    end
    object DirectoriesPage: TTabSheet
      Caption = 'Directories/Conditionals'
      object OutputDirLabel: TLabel
        Left = 8
        Top = 16
        Width = 108
        Height = 13
        Caption = '&Output directory:'
        FocusControl = OutputDir
      end
      object UnitOutputDirLabel: TLabel
        Left = 8
        Top = 52
        Width = 138
        Height = 13
        Caption = '&Unit output directory:'
        FocusControl = UnitOutputDir
      end
      object SearchPathLabel: TLabel
        Left = 8
        Top = 88
        Width = 78
        Height = 13
        Caption = '&Search path:'
        FocusControl = SearchPath
      end
      object DebugSourcePathLabel: TLabel
        Left = 8
        Top = 124
        Width = 114
        Height = 13
        Caption = '&Debug source path:'
        FocusControl = DebugSourcePath
      end
      object ConditionalsLabel: TLabel
        Left = 8
        Top = 160
        Width = 126
        Height = 13
        Caption = '&Conditional defines:'
        FocusControl = Conditionals
      end
      object UnitAliasesLabel: TLabel
        Left = 8
        Top = 196
        Width = 84
        Height = 13
        Caption = 'Unit &aliases:'
        FocusControl = UnitAliases
      end
      object OutputDir: TEdit
        Left = 130
        Top = 12
        Width = 280
        Height = 21
        TabOrder = 1
      end
      object UnitOutputDir: TEdit
        Left = 130
        Top = 48
        Width = 280
        Height = 21
        TabOrder = 2
      end
      object SearchPath: TEdit
        Left = 130
        Top = 84
        Width = 280
        Height = 21
        TabOrder = 3
      end
      object DebugSourcePath: TEdit
        Left = 130
        Top = 120
        Width = 280
        Height = 21
        TabOrder = 4
      end
      object Conditionals: TEdit
        Left = 130
        Top = 156
        Width = 280
        Height = 21
        TabOrder = 5
      end
      object UnitAliases: TEdit
        Left = 130
        Top = 192
        Width = 280
        Height = 21
        TabOrder = 0
      end
    end
    object VersionInfoPage: TTabSheet
      Caption = 'VersionInfo'
      object VersionInfoLabel: TLabel
        Left = 12
        Top = 16
        Width = 390
        Height = 40
        AutoSize = False
        Caption = 'Version information is not kept by this environment.'
        WordWrap = True
      end
    end
    object PackagesPage: TTabSheet
      Caption = 'Packages'
      object PackagesLabel: TLabel
        Left = 12
        Top = 16
        Width = 390
        Height = 40
        AutoSize = False
        Caption = 'Packages are not used by this environment.'
        WordWrap = True
      end
    end
  end
  object DefaultCheck: TCheckBox
    Left = 8
    Top = 360
    Width = 80
    Height = 17
    Caption = 'Default'
    TabOrder = 1
  end
  object OKButton: TButton
    Left = 192
    Top = 356
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    TabOrder = 2
    OnClick = OKButtonClick
  end
  object CancelButton: TButton
    Left = 272
    Top = 356
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
    TabOrder = 3
  end
  object HelpButton: TButton
    Left = 352
    Top = 356
    Width = 75
    Height = 25
    Caption = '&Help'
    TabOrder = 4
    OnClick = HelpButtonClick
  end
  object OpenDialog1: TOpenDialog
    Left = 8
    Top = 340
  end
end
