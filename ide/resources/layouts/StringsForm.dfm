object StringsForm: TStringsForm
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'StringList Editor'
  ClientHeight = 315
  ClientWidth = 458
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object Bevel1: TBevel
    Left = 8
    Top = 8
    Width = 441
    Height = 265
    Shape = bsFrame
  end
  object Label1: TLabel
    Left = 16
    Top = 16
    Width = 27
    Height = 13
    Caption = '0Line'
  end
  object btnOK: TBitBtn
    Left = 222
    Top = 280
    Width = 75
    Height = 25
    TabOrder = 1
    Kind = bkOK
  end
  object btnCancel: TBitBtn
    Left = 299
    Top = 280
    Width = 75
    Height = 25
    TabOrder = 2
    Kind = bkCancel
  end
  object btnHelp: TBitBtn
    Left = 376
    Top = 280
    Width = 75
    Height = 25
    Caption = 'Help'
    TabOrder = 3
    Kind = bkHelp
  end
  object Memo1: TMemo
    Left = 16
    Top = 32
    Width = 425
    Height = 233
    TabOrder = 0
    OnChange = Memo1Change
  end
end
