object TabOrderDialog: TTabOrderDialog
  Left = 250
  Top = 150
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Edit Tab Order'
  ClientHeight = 250
  ClientWidth = 282
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
    Width = 134
    Height = 13
    Caption = '&Controls listed in tab order:'
    FocusControl = ControlList
  end
  object ControlList: TListBox
    Left = 8
    Top = 24
    Width = 217
    Height = 185
    ItemHeight = 13
    TabOrder = 0
  end
  object UpButton: TButton
    Left = 233
    Top = 80
    Width = 41
    Height = 25
    Caption = '&Up'
    TabOrder = 1
    OnClick = UpButtonClick
  end
  object DownButton: TButton
    Left = 233
    Top = 112
    Width = 41
    Height = 25
    Caption = '&Down'
    TabOrder = 2
    OnClick = DownButtonClick
  end
  object OKButton: TButton
    Left = 64
    Top = 217
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 3
    OnClick = OKButtonClick
  end
  object CancelButton: TButton
    Left = 150
    Top = 217
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 4
  end
end
