object Compile: TCompile
  Left = 200
  Top = 120
  BorderIcons = [biSystemMenu]
  Caption = 'Compile Information'
  Width = 525
  Height = 221
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Memo1: TMemo
    Left = 0
    Top = 0
    Width = 517
    Height = 161
    Align = alTop
    ScrollBars = ssVertical
    TabOrder = 0
    OnDblClick = Memo1DblClick
  end
  object OKButton: TButton
    Left = 221
    Top = 166
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
end
