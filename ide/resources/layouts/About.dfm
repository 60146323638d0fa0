object AboutBox: TAboutBox
  Left = 200
  Top = 108
  ActiveControl = OKButton
  BorderStyle = bsDialog
  Caption = 'About Korvax'
  ClientHeight = 213
  ClientWidth = 298
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 281
    Height = 161
    BevelInner = bvRaised
    BevelOuter = bvLowered
    TabOrder = 0
    object ProgramIcon: TImage
      Left = 16
      Top = 16
      Width = 32
      Height = 32
    end
    object ProductName: TLabel
      Left = 64
      Top = 24
      Width = 85
      Height = 16
      Caption = 'Korvax 0.58'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -13
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Comments: TLabel
      Left = 16
      Top = 72
      Width = 200
      Height = 13
      Caption = 'Visual development for Delphi 3 projects'
    end
  end
  object WebPageButton: TButton
    Left = 8
    Top = 180
    Width = 75
    Height = 25
    Caption = 'WebPage'
    TabOrder = 1
    OnClick = WebPageButtonClick
  end
  object SourceButton: TButton
    Left = 90
    Top = 180
    Width = 75
    Height = 25
    Caption = 'Source'
    TabOrder = 2
    OnClick = SourceButtonClick
  end
  object OKButton: TButton
    Left = 214
    Top = 180
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 3
  end
end
