object SizeDialog: TSizeDialog
  Left = 250
  Top = 150
  BorderStyle = bsDialog
  Caption = 'Size'
  ClientHeight = 159
  ClientWidth = 331
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 157
    Height = 113
    Caption = 'Width:'
    TabOrder = 0
    object hNoChange: TRadioButton
      Left = 8
      Top = 16
      Width = 140
      Height = 17
      Caption = '&No change'
      Checked = True
      TabOrder = 0
      TabStop = True
    end
    object hShrink: TRadioButton
      Left = 8
      Top = 38
      Width = 140
      Height = 17
      Caption = '&Shrink to smallest'
      TabOrder = 1
    end
    object hGrow: TRadioButton
      Left = 8
      Top = 60
      Width = 140
      Height = 17
      Caption = '&Grow to largest'
      TabOrder = 2
    end
    object hAbsolute: TRadioButton
      Left = 8
      Top = 82
      Width = 70
      Height = 17
      Caption = '&Width:'
      TabOrder = 3
      OnClick = hAbsoluteClick
    end
    object hWidth: TEdit
      Left = 80
      Top = 80
      Width = 65
      Height = 21
      Enabled = False
      TabOrder = 4
    end
  end
  object GroupBox2: TGroupBox
    Left = 168
    Top = 8
    Width = 157
    Height = 113
    Caption = 'Height:'
    TabOrder = 1
    object vNoChange: TRadioButton
      Left = 8
      Top = 16
      Width = 140
      Height = 17
      Caption = 'No &change'
      Checked = True
      TabOrder = 0
      TabStop = True
    end
    object vShrink: TRadioButton
      Left = 8
      Top = 38
      Width = 140
      Height = 17
      Caption = 'Shrin&k to smallest'
      TabOrder = 1
    end
    object vGrow: TRadioButton
      Left = 8
      Top = 60
      Width = 140
      Height = 17
      Caption = 'Grow to &largest'
      TabOrder = 2
    end
    object vAbsolute: TRadioButton
      Left = 8
      Top = 82
      Width = 70
      Height = 17
      Caption = 'Heigh&t:'
      TabOrder = 3
      OnClick = vAbsoluteClick
    end
    object vHeight: TEdit
      Left = 80
      Top = 80
      Width = 65
      Height = 21
      Enabled = False
      TabOrder = 4
    end
  end
  object OKButton: TButton
    Left = 88
    Top = 128
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
    OnClick = OKButtonClick
  end
  object CancelButton: TButton
    Left = 168
    Top = 128
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 3
  end
  object HelpButton: TButton
    Left = 248
    Top = 128
    Width = 75
    Height = 25
    Caption = '&Help'
    TabOrder = 4
    OnClick = HelpButtonClick
  end
end
