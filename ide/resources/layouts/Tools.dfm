object Tools: TTools
  Left = 220
  Top = 130
  BorderStyle = bsDialog
  Caption = 'Tool Options'
  ClientHeight = 205
  ClientWidth = 337
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
    Top = 8
    Width = 29
    Height = 13
    Caption = 'Tools:'
  end
  object DownButton: TSpeedButton
    Left = 184
    Top = 176
    Width = 25
    Height = 25
    Glyph.Data = {
      F6000000424DF600000000000000760000002800000010000000100000000100
      0400000000008000000000000000000000001000000000000000000000000080
      8000000000000000000000000000000000000000000000000000000000000000
      0000000000000000000000000000000000000000000000000000111111111111
      1111111111111111111111111111111111111111111111111111111111111111
      1111111111111111111111111111111111111111111101111111111111100011
      1111111111000001111111111000000011111111000000000111111111111111
      1111111111111111111111111111111111111111111111111111}
    OnClick = DownButtonClick
  end
  object UpButton: TSpeedButton
    Left = 216
    Top = 176
    Width = 25
    Height = 25
    Glyph.Data = {
      F6000000424DF600000000000000760000002800000010000000100000000100
      0400000000008000000000000000000000001000000000000000000000000080
      8000000000000000000000000000000000000000000000000000000000000000
      0000000000000000000000000000000000000000000000000000111111111111
      1111111111111111111111111111111111111111111111111111111100000000
      0111111110000000111111111100000111111111111000111111111111110111
      1111111111111111111111111111111111111111111111111111111111111111
      1111111111111111111111111111111111111111111111111111}
    OnClick = UpButtonClick
  end
  object ToolsList: TListBox
    Left = 8
    Top = 24
    Width = 233
    Height = 145
    ItemHeight = 13
    TabOrder = 0
    OnClick = ToolsListClick
  end
  object AddButton: TButton
    Left = 252
    Top = 24
    Width = 75
    Height = 25
    Caption = 'Add'
    TabOrder = 1
    OnClick = AddButtonClick
  end
  object DeleteButton: TButton
    Left = 252
    Top = 56
    Width = 75
    Height = 25
    Caption = 'Delete'
    TabOrder = 2
    Enabled = False
    OnClick = DeleteButtonClick
  end
  object EditButton: TButton
    Left = 252
    Top = 88
    Width = 75
    Height = 25
    Caption = 'Edit'
    TabOrder = 3
    Enabled = False
    OnClick = EditButtonClick
  end
  object CloseButton: TButton
    Left = 252
    Top = 136
    Width = 75
    Height = 25
    Caption = 'Close'
    TabOrder = 4
    Default = True
    ModalResult = 1
  end
  object HelpButton: TButton
    Left = 252
    Top = 168
    Width = 75
    Height = 25
    Caption = 'Help'
    TabOrder = 5
    OnClick = HelpButtonClick
  end
end
