object FindInFile: TFindInFile
  Left = 200
  Top = 120
  Width = 440
  Height = 310
  BorderIcons = [biSystemMenu]
  Caption = 'Find in Files'
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  OnActivate = FormActivate
  PixelsPerInch = 96
  TextHeight = 13
  object PageControl1: TPageControl
    Left = 8
    Top = 8
    Width = 416
    Height = 144
    ActivePage = FindPage
    TabOrder = 0
    object FindPage: TTabSheet
      Caption = 'Find'
      object Label1: TLabel
        Left = 8
        Top = 12
        Width = 72
        Height = 13
        Caption = 'Text to Find:'
        FocusControl = cbSearch
      end
      object Animate1: TAnimate
        Left = 328
        Top = 44
        Width = 80
        Height = 50
        CommonAVI = caFindComputer
        StopFrame = 8
      end
      object cbSearch: TComboBox
        Left = 88
        Top = 8
        Width = 312
        Height = 21
        ItemHeight = 13
        TabOrder = 0
        OnKeyPress = cbSearchKeyPress
      end
      object GroupBox1: TGroupBox
        Left = 8
        Top = 40
        Width = 160
        Height = 65
        Caption = 'Options'
        TabOrder = 1
        object chkMatchCase: TCheckBox
          Left = 8
          Top = 18
          Width = 152
          Height = 17
          Caption = 'Case sensitive'
          TabOrder = 0
        end
        object chkWholeWord: TCheckBox
          Left = 8
          Top = 40
          Width = 152
          Height = 17
          Caption = 'Whole words only'
          TabOrder = 1
        end
      end
      object GroupBox2: TGroupBox
        Left = 176
        Top = 40
        Width = 160
        Height = 65
        Caption = 'Search in'
        TabOrder = 2
        object rbOpenPages: TRadioButton
          Left = 8
          Top = 18
          Width = 144
          Height = 17
          Caption = 'Open pages'
          Checked = True
          TabOrder = 0
          TabStop = True
        end
        object rbProjectDirectory: TRadioButton
          Left = 8
          Top = 40
          Width = 144
          Height = 17
          Caption = 'Project directory'
          TabOrder = 1
        end
      end
    end
  end
  object OKButton: TButton
    Left = 268
    Top = 160
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    OnClick = OKButtonClick
    TabOrder = 1
  end
  object CancelButton: TButton
    Left = 349
    Top = 160
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
    TabOrder = 2
  end
  object ListView1: TListView
    Left = 8
    Top = 192
    Width = 416
    Height = 84
    Columns = <
      item
        Caption = 'Filename'
        Width = 120
      end
      item
        Caption = 'Position'
        Width = 60
      end
      item
        Caption = 'Find Line'
        Width = 245
      end>
    ReadOnly = True
    RowSelect = True
    TabOrder = 3
    ViewStyle = vsReport
    Visible = False
    OnDblClick = ListView1DblClick
  end
end
