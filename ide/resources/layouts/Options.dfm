object Options: TOptions
  Left = 200
  Top = 108
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Environment Options'
  ClientHeight = 406
  ClientWidth = 437
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  PopupMenu = EnvDlgPopup
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object ButtonPanel: TPanel
    Left = 0
    Top = 371
    Width = 437
    Height = 35
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 0
    object OKButton: TButton
      Left = 190
      Top = 6
      Width = 75
      Height = 25
      Caption = 'OK'
      Default = True
      ModalResult = 1
      TabOrder = 0
      OnClick = OKButtonClick
    end
    object CancelButton: TButton
      Left = 270
      Top = 6
      Width = 75
      Height = 25
      Caption = 'Cancel'
      Cancel = True
      ModalResult = 2
      TabOrder = 1
    end
    object HelpButton: TButton
      Left = 350
      Top = 6
      Width = 75
      Height = 25
      Caption = '&Help'
      TabOrder = 2
      OnClick = HelpButtonClick
    end
  end
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 437
    Height = 371
    Align = alClient
    ActivePage = PrefPage
    TabOrder = 1
    object PrefPage: TTabSheet
      HelpContext = 1800
      Caption = 'Preferences'
      object gbDesktop: TGroupBox
        Left = 8
        Top = 4
        Width = 200
        Height = 58
        Caption = 'Desktop contents:'
        TabOrder = 0
        object rbDesktopOnly: TRadioButton
          Left = 8
          Top = 16
          Width = 184
          Height = 17
          Caption = 'Deskto&p only'
          Checked = True
          TabOrder = 0
          TabStop = True
        end
        object rbSaveSymbols: TRadioButton
          Left = 8
          Top = 34
          Width = 184
          Height = 17
          Caption = 'Desktop and s&ymbols'
          TabOrder = 1
        end
      end
      object gbAutosave: TGroupBox
        Left = 8
        Top = 66
        Width = 200
        Height = 58
        Caption = 'Autosave options:'
        TabOrder = 1
        object cbASEditor: TCheckBox
          Left = 8
          Top = 16
          Width = 184
          Height = 17
          Caption = 'Editor &files'
          TabOrder = 0
        end
        object cbASDesktop: TCheckBox
          Left = 8
          Top = 34
          Width = 184
          Height = 17
          Caption = '&Desktop'
          TabOrder = 1
        end
      end
      object gbDesigner: TGroupBox
        Left = 8
        Top = 128
        Width = 200
        Height = 120
        Caption = 'Form designer:'
        TabOrder = 2
        object lbGridSizeX: TLabel
          Left = 8
          Top = 74
          Width = 60
          Height = 13
          Caption = 'Grid size &X'
          FocusControl = ecGridSizeX
        end
        object lbGridSizeY: TLabel
          Left = 8
          Top = 96
          Width = 60
          Height = 13
          Caption = 'Grid size &Y'
          FocusControl = ecGridSizeY
        end
        object cbDisplayGrid: TCheckBox
          Left = 8
          Top = 16
          Width = 184
          Height = 17
          Caption = 'Display &grid'
          TabOrder = 0
        end
        object cbSnapToGrid: TCheckBox
          Left = 8
          Top = 34
          Width = 184
          Height = 17
          Caption = 'Sna&p to grid'
          TabOrder = 1
        end
        object cbShowComponentCaptions: TCheckBox
          Left = 8
          Top = 52
          Width = 184
          Height = 17
          Caption = 'Show component &captions'
          TabOrder = 2
        end
        object ecGridSizeX: TEdit
          Left = 80
          Top = 70
          Width = 49
          Height = 21
          TabOrder = 3
        end
        object ecGridSizeY: TEdit
          Left = 80
          Top = 92
          Width = 49
          Height = 21
          TabOrder = 4
        end
      end
      object gbDebugging: TGroupBox
        Left = 216
        Top = 4
        Width = 205
        Height = 76
        Caption = 'Debugging:'
        TabOrder = 3
        object cbIntegratedDebugging: TCheckBox
          Left = 8
          Top = 16
          Width = 189
          Height = 17
          Caption = '&Integrated debugging'
          TabOrder = 0
        end
        object cbDebugMainBlock: TCheckBox
          Left = 8
          Top = 34
          Width = 189
          Height = 17
          Caption = 'Step program &block'
          TabOrder = 1
        end
        object cbBreakOnException: TCheckBox
          Left = 8
          Top = 52
          Width = 189
          Height = 17
          Caption = 'Brea&k on exception'
          TabOrder = 2
        end
      end
      object gbCompiling: TGroupBox
        Left = 216
        Top = 84
        Width = 205
        Height = 94
        Caption = 'Compiling and Running'
        TabOrder = 4
        object cbShowProgress: TCheckBox
          Left = 8
          Top = 16
          Width = 189
          Height = 17
          Caption = 'Show compiler p&rogress'
          TabOrder = 0
        end
        object cbWarnPackageRebuild: TCheckBox
          Left = 8
          Top = 34
          Width = 189
          Height = 17
          Caption = 'Warn on package rebuil&d'
          TabOrder = 1
        end
        object cbMinimizeOnRun: TCheckBox
          Left = 8
          Top = 52
          Width = 189
          Height = 17
          Caption = '&Minimize on run'
          TabOrder = 2
        end
        object cbHideDesigners: TCheckBox
          Left = 8
          Top = 70
          Width = 189
          Height = 17
          Caption = '&Hide designers on run'
          TabOrder = 3
        end
      end
      object gbDelphiPath: TGroupBox
        Left = 8
        Top = 254
        Width = 413
        Height = 52
        Caption = 'Delphi Path'
        TabOrder = 5
        object lbDelphiPath: TLabel
          Left = 8
          Top = 22
          Width = 45
          Height = 13
          Caption = 'Di&rectory:'
          FocusControl = DelphiPath
        end
        object DelphiPath: TEdit
          Left = 64
          Top = 18
          Width = 253
          Height = 21
          TabOrder = 0
        end
        object RepositoryBtn: TButton
          Left = 324
          Top = 16
          Width = 81
          Height = 25
          Caption = 'Br&owse...'
          TabOrder = 1
          OnClick = RepositoryBtnClick
        end
      end
    end
    object CompilerPage: TTabSheet
      HelpContext = 1875
      Caption = 'Compiler'
      object chkCompiler: TCheckBox
        Left = 8
        Top = 12
        Width = 297
        Height = 17
        Caption = 'Use Delphi Compiler as Default Compiler'
        State = cbChecked
        TabOrder = 0
        OnClick = chkCompilerClick
      end
      object gbAlterCompiler: TGroupBox
        Left = 8
        Top = 40
        Width = 413
        Height = 52
        Caption = 'Alternative Compiler :'
        Enabled = False
        TabOrder = 1
        object edAlterCompiler: TEdit
          Left = 8
          Top = 18
          Width = 309
          Height = 21
          TabOrder = 0
        end
        object btnBrowse: TButton
          Left = 324
          Top = 16
          Width = 81
          Height = 25
          Caption = 'Br&owse...'
          TabOrder = 1
          OnClick = btnBrowseClick
        end
      end
    end
    object EditorPage: TTabSheet
      HelpContext = 1850
      Caption = 'Editor'
      object lbSpeedSetting: TLabel
        Left = 8
        Top = 12
        Width = 118
        Height = 13
        Caption = 'Editor &SpeedSetting:'
        FocusControl = SpeedSetting
      end
      object lbBlockIndent: TLabel
        Left = 8
        Top = 254
        Width = 64
        Height = 13
        Caption = 'Bloc&k indent:'
        FocusControl = eoBlockIndent
      end
      object lbUndoLimit: TLabel
        Left = 150
        Top = 254
        Width = 52
        Height = 13
        Caption = 'U&ndo limit:'
        FocusControl = eoUndoLimit
      end
      object lbTabRack: TLabel
        Left = 8
        Top = 282
        Width = 54
        Height = 13
        Caption = '&Tab stops:'
        FocusControl = eoTabRack
      end
      object lbHighlightExts: TLabel
        Left = 150
        Top = 282
        Width = 96
        Height = 13
        Caption = 'Synta&x extensions:'
        FocusControl = eoHighlightExts
      end
      object SpeedSetting: TComboBox
        Left = 136
        Top = 8
        Width = 161
        Height = 21
        Style = csDropDownList
        ItemHeight = 13
        Items.Strings = (
          'Default keymapping'
          'IDE classic'
          'BRIEF emulation'
          'Epsilon emulation')
        TabOrder = 0
      end
      object gbEditorOptions: TGroupBox
        Left = 8
        Top = 36
        Width = 413
        Height = 206
        Caption = 'Editor options:'
        TabOrder = 1
        object eoIndent: TCheckBox
          Left = 8
          Top = 16
          Width = 196
          Height = 17
          Caption = '&Auto indent mode'
          TabOrder = 0
        end
        object eoInsert: TCheckBox
          Left = 212
          Top = 16
          Width = 196
          Height = 17
          Caption = '&Insert mode'
          TabOrder = 1
        end
        object eoUseTabChar: TCheckBox
          Left = 8
          Top = 34
          Width = 196
          Height = 17
          Caption = '&Use tab character'
          TabOrder = 2
        end
        object eoOptimalFill: TCheckBox
          Left = 212
          Top = 34
          Width = 196
          Height = 17
          Caption = '&Optimal fill'
          TabOrder = 3
        end
        object eoOutdent: TCheckBox
          Left = 8
          Top = 52
          Width = 196
          Height = 17
          Caption = '&Backspace unindents'
          TabOrder = 4
        end
        object eoCursorInTabs: TCheckBox
          Left = 212
          Top = 52
          Width = 196
          Height = 17
          Caption = 'Cursor through &tabs'
          TabOrder = 5
        end
        object eoGroupUndo: TCheckBox
          Left = 8
          Top = 70
          Width = 196
          Height = 17
          Caption = '&Group undo'
          TabOrder = 6
        end
        object eoCursorBeyondEOF: TCheckBox
          Left = 212
          Top = 70
          Width = 196
          Height = 17
          Caption = 'Cursor beyond &EOF'
          TabOrder = 7
        end
        object eoUndoAfterSave: TCheckBox
          Left = 8
          Top = 88
          Width = 196
          Height = 17
          Caption = 'Undo after sa&ve'
          TabOrder = 8
        end
        object eoKeepTrailingBlanks: TCheckBox
          Left = 212
          Top = 88
          Width = 196
          Height = 17
          Caption = '&Keep trailing blanks'
          TabOrder = 9
        end
        object eoBriefRegExp: TCheckBox
          Left = 8
          Top = 106
          Width = 196
          Height = 17
          Caption = 'BRIEF &regular expressions'
          TabOrder = 10
        end
        object eoPersistentBlocks: TCheckBox
          Left = 212
          Top = 106
          Width = 196
          Height = 17
          Caption = '&Persistent blocks'
          TabOrder = 11
        end
        object eoOverwriteBlocks: TCheckBox
          Left = 8
          Top = 124
          Width = 196
          Height = 17
          Caption = 'O&verwrite blocks'
          TabOrder = 12
        end
        object eoDoubleClickLine: TCheckBox
          Left = 212
          Top = 124
          Width = 196
          Height = 17
          Caption = '&Double click line'
          TabOrder = 13
        end
        object eoFindTextAtCursor: TCheckBox
          Left = 8
          Top = 142
          Width = 196
          Height = 17
          Caption = 'Find te&xt at cursor'
          TabOrder = 14
        end
        object eoForceCutCopyEnabled: TCheckBox
          Left = 212
          Top = 142
          Width = 196
          Height = 17
          Caption = '&Force cut and copy enabled'
          TabOrder = 15
        end
        object eoHighlight: TCheckBox
          Left = 8
          Top = 160
          Width = 196
          Height = 17
          Caption = 'Use &syntax highlight'
          TabOrder = 16
        end
        object eoSmartTab: TCheckBox
          Left = 212
          Top = 160
          Width = 196
          Height = 17
          Caption = 'S&mart tab'
          TabOrder = 17
        end
      end
      object eoBlockIndent: TComboBox
        Left = 80
        Top = 250
        Width = 57
        Height = 21
        ItemHeight = 13
        Items.Strings = (
          '1'
          '2'
          '4'
          '8')
        TabOrder = 2
        Text = '2'
      end
      object eoUndoLimit: TComboBox
        Left = 208
        Top = 250
        Width = 73
        Height = 21
        ItemHeight = 13
        Items.Strings = (
          '32767')
        TabOrder = 3
        Text = '32767'
      end
      object eoTabRack: TComboBox
        Left = 80
        Top = 278
        Width = 57
        Height = 21
        ItemHeight = 13
        Items.Strings = (
          '8'
          '4'
          '2')
        TabOrder = 4
        Text = '8'
      end
      object eoHighlightExts: TComboBox
        Left = 250
        Top = 278
        Width = 171
        Height = 21
        ItemHeight = 13
        Items.Strings = (
          '*.pas;*.dpr;*.inc'
          '*.pas;*.dpr')
        TabOrder = 5
        Text = '*.pas;*.dpr;*.inc'
      end
    end
    object EdDispPage: TTabSheet
      HelpContext = 2075
      Caption = 'Display'
      object lbBindings: TLabel
        Left = 216
        Top = 8
        Width = 102
        Height = 13
        Caption = '&Keystroke mapping:'
        FocusControl = eoBindingList
      end
      object lbFontName: TLabel
        Left = 8
        Top = 206
        Width = 59
        Height = 13
        Caption = 'Editor &font:'
        FocusControl = FontName
      end
      object lbFontSize: TLabel
        Left = 216
        Top = 206
        Width = 23
        Height = 13
        Caption = '&Size:'
        FocusControl = FontSize
      end
      object gbDisplayOptions: TGroupBox
        Left = 8
        Top = 4
        Width = 200
        Height = 94
        Caption = 'Display and file options:'
        TabOrder = 0
        object eoBriefCursors: TCheckBox
          Left = 8
          Top = 16
          Width = 184
          Height = 17
          Caption = '&BRIEF cursor shapes'
          TabOrder = 0
        end
        object eoCreateBackup: TCheckBox
          Left = 8
          Top = 34
          Width = 184
          Height = 17
          Caption = '&Create backup file'
          TabOrder = 1
        end
        object eoPreserveLineEnds: TCheckBox
          Left = 8
          Top = 52
          Width = 184
          Height = 17
          Caption = '&Preserve line ends'
          TabOrder = 2
        end
        object eoFullZoom: TCheckBox
          Left = 8
          Top = 70
          Width = 184
          Height = 17
          Caption = '&Zoom to full screen'
          TabOrder = 3
        end
      end
      object eoBindingList: TListBox
        Left = 216
        Top = 24
        Width = 205
        Height = 74
        ItemHeight = 13
        Items.Strings = (
          'Default'
          'Classic'
          'Brief'
          'Epsilon')
        TabOrder = 1
      end
      object gbMargin: TGroupBox
        Left = 8
        Top = 102
        Width = 413
        Height = 96
        Caption = 'Margin and gutter:'
        TabOrder = 2
        object lbRightMargin: TLabel
          Left = 8
          Top = 44
          Width = 63
          Height = 13
          Caption = 'Right &margin:'
          FocusControl = eoRightMargin
        end
        object lbGutterWidth: TLabel
          Left = 208
          Top = 44
          Width = 62
          Height = 13
          Caption = '&Gutter width:'
          FocusControl = eoGutterWidth
        end
        object eoLineOnMargin: TCheckBox
          Left = 8
          Top = 18
          Width = 184
          Height = 17
          Caption = '&Visible right margin'
          TabOrder = 0
        end
        object eoVisibleGutter: TCheckBox
          Left = 208
          Top = 18
          Width = 184
          Height = 17
          Caption = 'V&isible gutter'
          TabOrder = 1
        end
        object eoRightMargin: TComboBox
          Left = 80
          Top = 40
          Width = 73
          Height = 21
          ItemHeight = 13
          Items.Strings = (
            '80')
          TabOrder = 2
          Text = '80'
        end
        object eoGutterWidth: TComboBox
          Left = 280
          Top = 40
          Width = 73
          Height = 21
          ItemHeight = 13
          Items.Strings = (
            '30')
          TabOrder = 3
          Text = '30'
        end
      end
      object FontName: TComboBox
        Left = 8
        Top = 222
        Width = 200
        Height = 21
        Style = csDropDownList
        ItemHeight = 13
        TabOrder = 3
        OnClick = FontSizeClick
      end
      object FontSize: TComboBox
        Left = 216
        Top = 222
        Width = 73
        Height = 21
        ItemHeight = 13
        Items.Strings = (
          '8'
          '9'
          '10'
          '11'
          '12'
          '13'
          '15'
          '17'
          '19'
          '21'
          '23'
          '25'
          '27'
          '29'
          '31')
        TabOrder = 4
        OnClick = FontSizeClick
      end
      object FontSample: TPanel
        Left = 8
        Top = 252
        Width = 413
        Height = 57
        BevelOuter = bvLowered
        Caption = 'AbBbXxZz'
        TabOrder = 5
      end
    end
    object EdColorPage: TTabSheet
      HelpContext = 1950
      Caption = 'Colors'
      object lbColorSpeed: TLabel
        Left = 8
        Top = 12
        Width = 100
        Height = 13
        Caption = 'Color Speed&Setting:'
        FocusControl = ColorSpeedSetting
      end
      object lbElement: TLabel
        Left = 8
        Top = 40
        Width = 41
        Height = 13
        Caption = '&Element:'
        FocusControl = ElementList
      end
      object lbColor: TLabel
        Left = 168
        Top = 40
        Width = 27
        Height = 13
        Caption = '&Color:'
        FocusControl = ColorGrid
      end
      object ColorSpeedSetting: TComboBox
        Left = 112
        Top = 8
        Width = 145
        Height = 21
        Style = csDropDownList
        ItemHeight = 13
        Items.Strings = (
          'Defaults'
          'Classic'
          'Twilight'
          'Ocean')
        TabOrder = 0
      end
      object ElementList: TListBox
        Left = 8
        Top = 56
        Width = 150
        Height = 108
        ItemHeight = 13
        Items.Strings = (
          'Whitespace'
          'Comment'
          'Reserved word'
          'Identifier'
          'Symbol'
          'String'
          'Number'
          'Assembler'
          'Plain text'
          'Marked block'
          'Search match'
          'Execution point'
          'Enabled break'
          'Disabled break'
          'Invalid break'
          'Error line'
          'Right margin')
        TabOrder = 1
      end
      object ColorGrid: TColorGrid
        Left = 168
        Top = 56
        Width = 100
        Height = 108
        ForegroundIndex = 15
        TabOrder = 2
        OnClick = ColorGridClick
      end
      object gbTextAttributes: TGroupBox
        Left = 280
        Top = 52
        Width = 141
        Height = 74
        Caption = 'Text attributes:'
        TabOrder = 3
        object Bold: TCheckBox
          Left = 8
          Top = 16
          Width = 125
          Height = 17
          Caption = '&Bold'
          TabOrder = 0
        end
        object Italic: TCheckBox
          Left = 8
          Top = 34
          Width = 125
          Height = 17
          Caption = '&Italic'
          TabOrder = 1
        end
        object Underline: TCheckBox
          Left = 8
          Top = 52
          Width = 125
          Height = 17
          Caption = '&Underline'
          TabOrder = 2
        end
      end
      object gbUseDefaults: TGroupBox
        Left = 280
        Top = 130
        Width = 141
        Height = 56
        Caption = 'Use defaults for:'
        TabOrder = 4
        object DefaultFore: TCheckBox
          Left = 8
          Top = 16
          Width = 125
          Height = 17
          Caption = '&Foreground'
          TabOrder = 0
        end
        object DefaultBack: TCheckBox
          Left = 8
          Top = 34
          Width = 125
          Height = 17
          Caption = 'Bac&kground'
          TabOrder = 1
        end
      end
      object RichEdit1: TRichEdit
        Left = 8
        Top = 192
        Width = 413
        Height = 117
        Lines.Strings = (
          'unit Unit1;'
          ''
          'interface'
          ''
          '{ the form }'
          'procedure Show(const Text: string);'
          ''
          'implementation'
          ''
          'procedure Show(const Text: string);'
          'begin'
          '  ShowMessage(Text + '''' 42'''');'
          'end;'
          ''
          'end.')
        ReadOnly = True
        ScrollBars = ssBoth
        TabOrder = 5
        WordWrap = False
      end
    end
    object PalPage: TTabSheet
      HelpContext = 2000
      Caption = 'Palette'
      object lbPages: TLabel
        Left = 8
        Top = 8
        Width = 34
        Height = 13
        Caption = 'Pa&ges:'
        FocusControl = PageListBox
      end
      object lbComponents: TLabel
        Left = 136
        Top = 8
        Width = 64
        Height = 13
        Caption = '&Components:'
        FocusControl = ToolListBox
      end
      object PageListBox: TListBox
        Left = 8
        Top = 24
        Width = 120
        Height = 248
        ItemHeight = 13
        TabOrder = 0
      end
      object ToolHeader: THeaderControl
        Left = 136
        Top = 24
        Width = 285
        Height = 17
        Align = alNone
        Sections = <
          item
            Text = 'Name'
            Width = 120
          end
          item
            Text = 'Package'
            Width = 90
          end
          item
            Text = 'Page'
            Width = 75
          end>
      end
      object ToolListBox: TListBox
        Left = 136
        Top = 41
        Width = 285
        Height = 231
        ItemHeight = 13
        TabOrder = 1
      end
      object AddBtn: TButton
        Left = 8
        Top = 280
        Width = 65
        Height = 25
        Caption = '&Add...'
        Enabled = False
        TabOrder = 2
      end
      object DeleteBtn: TButton
        Left = 78
        Top = 280
        Width = 65
        Height = 25
        Caption = '&Delete'
        Enabled = False
        TabOrder = 3
      end
      object RenameBtn: TButton
        Left = 148
        Top = 280
        Width = 65
        Height = 25
        Caption = '&Rename...'
        Enabled = False
        TabOrder = 4
      end
      object DefaultPagesBtn: TButton
        Left = 218
        Top = 280
        Width = 65
        Height = 25
        Caption = 'De&fault Pages'
        Enabled = False
        TabOrder = 5
      end
      object MoveUpBtn: TButton
        Left = 288
        Top = 280
        Width = 65
        Height = 25
        Caption = 'Move &Up'
        Enabled = False
        TabOrder = 6
      end
      object MoveDownBtn: TButton
        Left = 358
        Top = 280
        Width = 63
        Height = 25
        Caption = 'Move D&own'
        Enabled = False
        TabOrder = 7
      end
    end
    object BrowPage: TTabSheet
      HelpContext = 2050
      Caption = 'Browser'
      object gbSymbolFilters: TGroupBox
        Left = 8
        Top = 4
        Width = 200
        Height = 220
        Caption = 'Symbol filters'
        TabOrder = 0
        object cbConstants: TCheckBox
          Left = 8
          Top = 16
          Width = 184
          Height = 17
          Caption = '&Constants'
          TabOrder = 0
        end
        object cbTypes: TCheckBox
          Left = 8
          Top = 34
          Width = 184
          Height = 17
          Caption = '&Types'
          TabOrder = 1
        end
        object cbVariables: TCheckBox
          Left = 8
          Top = 52
          Width = 184
          Height = 17
          Caption = '&Variables'
          TabOrder = 2
        end
        object cbFunctions: TCheckBox
          Left = 8
          Top = 70
          Width = 184
          Height = 17
          Caption = '&Functions and procedures'
          TabOrder = 3
        end
        object cbProperties: TCheckBox
          Left = 8
          Top = 88
          Width = 184
          Height = 17
          Caption = '&Properties'
          TabOrder = 4
        end
        object cbInherited: TCheckBox
          Left = 8
          Top = 106
          Width = 184
          Height = 17
          Caption = '&Inherited'
          TabOrder = 5
        end
        object cbVirtual: TCheckBox
          Left = 8
          Top = 124
          Width = 184
          Height = 17
          Caption = 'Virtua&l'
          TabOrder = 6
        end
        object cbPrivate: TCheckBox
          Left = 8
          Top = 142
          Width = 184
          Height = 17
          Caption = 'P&rivate'
          TabOrder = 7
        end
        object cbProtected: TCheckBox
          Left = 8
          Top = 160
          Width = 184
          Height = 17
          Caption = 'Pr&otected'
          TabOrder = 8
        end
        object cbPublic: TCheckBox
          Left = 8
          Top = 178
          Width = 184
          Height = 17
          Caption = 'P&ublic'
          TabOrder = 9
        end
        object cbPublished: TCheckBox
          Left = 8
          Top = 196
          Width = 184
          Height = 17
          Caption = 'Publi&shed'
          TabOrder = 10
        end
      end
      object gbInitialView: TGroupBox
        Left = 216
        Top = 4
        Width = 205
        Height = 76
        Caption = 'Initial view'
        TabOrder = 1
        object rbClasses: TRadioButton
          Left = 8
          Top = 16
          Width = 189
          Height = 17
          Caption = 'Cl&asses'
          Checked = True
          TabOrder = 0
          TabStop = True
        end
        object rbUnits: TRadioButton
          Left = 8
          Top = 34
          Width = 189
          Height = 17
          Caption = 'U&nits'
          TabOrder = 1
        end
        object rbGlobals: TRadioButton
          Left = 8
          Top = 52
          Width = 189
          Height = 17
          Caption = '&Globals'
          TabOrder = 2
        end
      end
      object gbBrowserDisplay: TGroupBox
        Left = 216
        Top = 84
        Width = 205
        Height = 58
        Caption = 'Display'
        TabOrder = 2
        object cbQualifiedSymbols: TCheckBox
          Left = 8
          Top = 16
          Width = 189
          Height = 17
          Caption = '&Qualified symbols'
          TabOrder = 0
        end
        object cbSortAlways: TCheckBox
          Left = 8
          Top = 34
          Width = 189
          Height = 17
          Caption = 'Sort al&ways'
          TabOrder = 1
        end
      end
      object gbObjectTree: TGroupBox
        Left = 216
        Top = 146
        Width = 205
        Height = 78
        Caption = 'Object tree'
        TabOrder = 3
        object rbCollapseNodes: TRadioButton
          Left = 8
          Top = 16
          Width = 189
          Height = 17
          Caption = 'Collapse &nodes'
          Checked = True
          TabOrder = 0
          TabStop = True
        end
        object rbExpandNodes: TRadioButton
          Left = 8
          Top = 34
          Width = 189
          Height = 17
          Caption = 'E&xpand nodes'
          TabOrder = 1
        end
      end
    end
    object CodeInsight: TTabSheet
      HelpContext = 2080
      Caption = 'Code Insight'
      object gbAutomatic: TGroupBox
        Left = 8
        Top = 4
        Width = 413
        Height = 94
        Caption = 'Automatic features'
        TabOrder = 0
        object lbDelay: TLabel
          Left = 232
          Top = 18
          Width = 30
          Height = 13
          Caption = '&Delay:'
          FocusControl = tbDelay
        end
        object lbDelayShort: TLabel
          Left = 232
          Top = 72
          Width = 38
          Height = 13
          Caption = '0.5 sec'
        end
        object lbDelayLong: TLabel
          Left = 360
          Top = 72
          Width = 38
          Height = 13
          Caption = '1.5 sec'
        end
        object cbCodeCompletion: TCheckBox
          Left = 8
          Top = 16
          Width = 209
          Height = 17
          Caption = 'Code &completion'
          TabOrder = 0
        end
        object cbCodeParameters: TCheckBox
          Left = 8
          Top = 34
          Width = 209
          Height = 17
          Caption = 'Code &parameters'
          TabOrder = 1
        end
        object cbTooltipEval: TCheckBox
          Left = 8
          Top = 52
          Width = 209
          Height = 17
          Caption = 'Tooltip &expression evaluation'
          TabOrder = 2
        end
        object tbDelay: TTrackBar
          Left = 232
          Top = 34
          Width = 169
          Height = 33
          Max = 5
          Min = 1
          Orientation = trHorizontal
          Frequency = 1
          Position = 3
          SelEnd = 0
          SelStart = 0
          TabOrder = 3
          TickMarks = tmBottomRight
          TickStyle = tsAuto
        end
      end
      object gbTemplates: TGroupBox
        Left = 8
        Top = 102
        Width = 413
        Height = 208
        Caption = 'Code templates'
        TabOrder = 1
        object lbTemplates: TLabel
          Left = 8
          Top = 16
          Width = 51
          Height = 13
          Caption = '&Templates:'
          FocusControl = TemplateList
        end
        object lbCode: TLabel
          Left = 8
          Top = 116
          Width = 28
          Height = 13
          Caption = 'C&ode:'
          FocusControl = TemplateCode
        end
        object TemplateList: TListBox
          Left = 8
          Top = 32
          Width = 313
          Height = 80
          ItemHeight = 13
          TabOrder = 0
        end
        object AddTemplateBtn: TButton
          Left = 328
          Top = 32
          Width = 77
          Height = 25
          Caption = '&Add...'
          Enabled = False
          TabOrder = 1
        end
        object DeleteTemplateBtn: TButton
          Left = 328
          Top = 62
          Width = 77
          Height = 25
          Caption = 'De&lete'
          Enabled = False
          TabOrder = 2
        end
        object EditTemplateBtn: TButton
          Left = 328
          Top = 92
          Width = 77
          Height = 25
          Caption = '&Edit...'
          Enabled = False
          TabOrder = 3
        end
        object TemplateCode: TMemo
          Left = 8
          Top = 132
          Width = 397
          Height = 68
          ScrollBars = ssBoth
          TabOrder = 4
        end
      end
    end
  end
  object EnvDlgPopup: TPopupMenu
    Left = 8
    Top = 380
    object NextPageItem: TMenuItem
      Caption = 'Next Page'
      Visible = False
    end
    object PrevPageItem: TMenuItem
      Caption = 'Prev Page'
      Visible = False
    end
  end
  object OpenDialog1: TOpenDialog
    Filter = 'Execute files(*.exe)|*.exe|All files(*.*)|*.*'
    Left = 40
    Top = 380
  end
end
