object ToolProperty: TToolProperty
  Left = 240
  Top = 150
  BorderStyle = bsDialog
  Caption = 'Tool Properties'
  ClientHeight = 105
  ClientWidth = 345
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 8
    Top = 12
    Width = 23
    Height = 13
    Caption = 'Title:'
  end
  object Label2: TLabel
    Left = 8
    Top = 40
    Width = 42
    Height = 13
    Caption = 'Program:'
  end
  object TitleEdit: TEdit
    Left = 64
    Top = 8
    Width = 273
    Height = 21
    TabOrder = 0
  end
  object ProgramEdit: TEdit
    Left = 64
    Top = 36
    Width = 273
    Height = 21
    TabOrder = 1
  end
  object OKButton: TButton
    Left = 24
    Top = 72
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 2
    Default = True
    OnClick = OKButtonClick
  end
  object CancelButton: TButton
    Left = 104
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 3
    Cancel = True
    ModalResult = 2
  end
  object HelpButton: TButton
    Left = 184
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Help'
    TabOrder = 4
  end
  object BrowseButton: TButton
    Left = 264
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Browse'
    TabOrder = 5
    OnClick = BrowseButtonClick
  end
  object OpenDialog1: TOpenDialog
    Filter = 'Execute files(*.exe;*.com)|*.exe;*.com|All files(*.*)|*.*'
    Left = 8
    Top = 64
  end
end
