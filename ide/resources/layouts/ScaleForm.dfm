object ScaleForm: TScaleForm
  Left = 250
  Top = 150
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Scale'
  ClientHeight = 90
  ClientWidth = 256
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object Bevel1: TBevel
    Left = 8
    Top = 8
    Width = 153
    Height = 74
    Shape = bsFrame
  end
  object Label1: TLabel
    Left = 20
    Top = 36
    Width = 70
    Height = 13
    Caption = '&Scaling factor:'
    FocusControl = Edit
  end
  object Label2: TLabel
    Left = 144
    Top = 36
    Width = 8
    Height = 13
    Caption = '%'
  end
  object Edit: TEdit
    Left = 96
    Top = 32
    Width = 45
    Height = 21
    TabOrder = 0
  end
  object OKButton: TButton
    Left = 172
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
    OnClick = OKButtonClick
  end
  object CancelButton: TButton
    Left = 172
    Top = 36
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object HelpButton: TButton
    Left = 172
    Top = 64
    Width = 75
    Height = 25
    Caption = '&Help'
    TabOrder = 3
    OnClick = HelpButtonClick
  end
end
