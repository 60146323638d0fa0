object ViewForm: TViewForm
  Left = 250
  Top = 140
  BorderStyle = bsDialog
  Caption = 'View'
  ClientHeight = 253
  ClientWidth = 272
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object NameEdit: TEdit
    Left = 8
    Top = 8
    Width = 169
    Height = 21
    TabOrder = 0
  end
  object NameList: TListBox
    Left = 8
    Top = 36
    Width = 169
    Height = 209
    ItemHeight = 13
    Sorted = True
    TabOrder = 1
    OnClick = NameListClick
    OnDblClick = NameListDblClick
  end
  object OKButton: TButton
    Left = 189
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
  end
  object CancelButton: TButton
    Left = 189
    Top = 40
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 3
  end
  object HelpButton: TButton
    Left = 189
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Help'
    TabOrder = 4
  end
end
