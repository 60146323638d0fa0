object AlignDialog: TAlignDialog
  Left = 250
  Top = 150
  BorderStyle = bsDialog
  Caption = 'Alignment'
  ClientHeight = 193
  ClientWidth = 327
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
    Width = 153
    Height = 145
    Caption = 'Horizontal'
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
    object hLeftSides: TRadioButton
      Left = 8
      Top = 36
      Width = 140
      Height = 17
      Caption = '&Left sides'
      TabOrder = 1
    end
    object hCenters: TRadioButton
      Left = 8
      Top = 56
      Width = 140
      Height = 17
      Caption = '&Centers'
      TabOrder = 2
    end
    object hRightSides: TRadioButton
      Left = 8
      Top = 76
      Width = 140
      Height = 17
      Caption = '&Right sides'
      TabOrder = 3
    end
    object hSpaceEqual: TRadioButton
      Left = 8
      Top = 96
      Width = 140
      Height = 17
      Caption = '&Space equally'
      TabOrder = 4
    end
    object hCenterInWindow: TRadioButton
      Left = 8
      Top = 116
      Width = 140
      Height = 17
      Caption = 'Center in &window'
      TabOrder = 5
    end
  end
  object GroupBox2: TGroupBox
    Left = 166
    Top = 8
    Width = 153
    Height = 145
    Caption = 'Vertical'
    TabOrder = 1
    object vNoChange: TRadioButton
      Left = 8
      Top = 16
      Width = 140
      Height = 17
      Caption = 'No chan&ge'
      Checked = True
      TabOrder = 0
      TabStop = True
    end
    object vTops: TRadioButton
      Left = 8
      Top = 36
      Width = 140
      Height = 17
      Caption = '&Tops'
      TabOrder = 1
    end
    object vCenters: TRadioButton
      Left = 8
      Top = 56
      Width = 140
      Height = 17
      Caption = 'C&enters'
      TabOrder = 2
    end
    object vBottoms: TRadioButton
      Left = 8
      Top = 76
      Width = 140
      Height = 17
      Caption = '&Bottoms'
      TabOrder = 3
    end
    object vSpaceEqual: TRadioButton
      Left = 8
      Top = 96
      Width = 140
      Height = 17
      Caption = 'Space e&qually'
      TabOrder = 4
    end
    object vCenterInWindow: TRadioButton
      Left = 8
      Top = 116
      Width = 140
      Height = 17
      Caption = 'Center &in window'
      TabOrder = 5
    end
  end
  object OKButton: TButton
    Left = 84
    Top = 160
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
    OnClick = OKButtonClick
  end
  object CancelButton: TButton
    Left = 164
    Top = 160
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 3
  end
  object HelpButton: TButton
    Left = 244
    Top = 160
    Width = 75
    Height = 25
    Caption = '&Help'
    TabOrder = 4
    OnClick = HelpButtonClick
  end
end
