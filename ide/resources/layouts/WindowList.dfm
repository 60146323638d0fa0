object WindowList: TWindowList
  Left = 250
  Top = 140
  BorderStyle = bsDialog
  Caption = 'Window List'
  ClientHeight = 229
  ClientWidth = 272
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object FormsList: TListBox
    Left = 8
    Top = 8
    Width = 169
    Height = 213
    ItemHeight = 13
    TabOrder = 0
  end
  object OKButton: TButton
    Left = 189
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 1
    Default = True
    OnClick = OKButtonClick
  end
  object CancelButton: TButton
    Left = 189
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 2
    Cancel = True
    ModalResult = 2
  end
  object HelpButton: TButton
    Left = 189
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Help'
    TabOrder = 3
  end
end
