object ProjectManager: TProjectManager
  Left = 300
  Top = 160
  BorderStyle = bsDialog
  Caption = 'Project Manager'
  ClientHeight = 276
  ClientWidth = 424
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OnClose = FormClose
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object ButtonPanel: TPanel
    Left = 0
    Top = 0
    Width = 424
    Height = 29
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object AddButton: TSpeedButton
      Left = 4
      Top = 3
      Width = 60
      Height = 23
      Caption = 'Add'
      Flat = True
      OnClick = AddButtonClick
    end
    object RemoveButton: TSpeedButton
      Left = 64
      Top = 3
      Width = 60
      Height = 23
      Caption = 'Remove'
      Flat = True
      OnClick = RemoveButtonClick
    end
    object UnitButton: TSpeedButton
      Left = 124
      Top = 3
      Width = 60
      Height = 23
      Caption = 'Unit'
      Flat = True
      OnClick = UnitButtonClick
    end
    object FormButton: TSpeedButton
      Left = 184
      Top = 3
      Width = 60
      Height = 23
      Caption = 'Form'
      Flat = True
      OnClick = UnitButtonClick
    end
    object OptionsButton: TSpeedButton
      Left = 244
      Top = 3
      Width = 60
      Height = 23
      Caption = 'Options'
      Flat = True
      OnClick = OptionsButtonClick
    end
    object UpdateButton: TSpeedButton
      Left = 304
      Top = 3
      Width = 60
      Height = 23
      Caption = 'Update'
      Enabled = False
      Flat = True
    end
  end
  object ListView1: TListView
    Left = 0
    Top = 29
    Width = 424
    Height = 228
    Align = alClient
    Columns = <
      item
        Caption = 'Unit'
        Width = 140
      end
      item
        Caption = 'Form'
        Width = 120
      end
      item
        Caption = 'Path'
        Width = 160
      end>
    ReadOnly = True
    RowSelect = True
    TabOrder = 1
    ViewStyle = vsReport
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 257
    Width = 424
    Height = 19
    Font.Charset = HANGEUL_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Panels = <
      item
        Width = 50
      end>
    ParentFont = False
    SimplePanel = False
  end
  object OpenDialog1: TOpenDialog
    Filter = 'Delphi Unit(*.pas)|*.pas|All Files(*.*)|*.*'
    Left = 392
    Top = 40
  end
end
