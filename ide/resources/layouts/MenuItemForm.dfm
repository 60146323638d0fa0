object MenuItemForm: TMenuItemForm
  Left = 200
  Top = 120
  Width = 431
  Height = 275
  Caption = 'MenuItemForm'
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  PixelsPerInch = 96
  TextHeight = 13
  object MainMenu1: TMainMenu
    Left = 16
    Top = 8
  end
end
