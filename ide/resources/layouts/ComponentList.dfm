object ComponentList: TComponentList
  Left = 300
  Top = 150
  Width = 202
  Height = 276
  BorderIcons = [biSystemMenu]
  Caption = 'Component List'
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  FormStyle = fsStayOnTop
  OnCreate = FormCreate
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 8
    Top = 8
    Width = 78
    Height = 13
    Caption = 'Search by Name:'
  end
  object Edit1: TEdit
    Left = 8
    Top = 24
    Width = 177
    Height = 21
    TabOrder = 0
    OnChange = Edit1Change
  end
  object CompList: TListBox
    Left = 8
    Top = 52
    Width = 177
    Height = 160
    ItemHeight = 16
    Sorted = True
    TabOrder = 1
  end
  object btnAdd: TButton
    Left = 8
    Top = 220
    Width = 85
    Height = 25
    Caption = 'Add to Form'
    TabOrder = 2
    OnClick = btnAddClick
  end
  object btnCancel: TButton
    Left = 100
    Top = 220
    Width = 85
    Height = 25
    Caption = 'Cancel'
    TabOrder = 3
    OnClick = btnCancelClick
  end
end
