object MenuDesigner: TMenuDesigner
  Left = 220
  Top = 140
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Menu Designer'
  ClientHeight = 300
  ClientWidth = 440
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 240
    Top = 12
    Width = 39
    Height = 13
    Caption = '&Caption:'
    FocusControl = edCaption
  end
  object Label2: TLabel
    Left = 240
    Top = 40
    Width = 31
    Height = 13
    Caption = '&Name:'
    FocusControl = edName
  end
  object Label3: TLabel
    Left = 240
    Top = 68
    Width = 45
    Height = 13
    Caption = '&ShortCut:'
    FocusControl = cbShortCut
  end
  object Label4: TLabel
    Left = 240
    Top = 112
    Width = 47
    Height = 13
    Caption = 'Ne&w item:'
    FocusControl = edNewCaption
  end
  object tvItems: TTreeView
    Left = 8
    Top = 8
    Width = 221
    Height = 284
    HideSelection = False
    Indent = 19
    ReadOnly = True
    TabOrder = 0
    OnChange = tvItemsChange
  end
  object edCaption: TEdit
    Left = 300
    Top = 8
    Width = 132
    Height = 21
    TabOrder = 1
    OnExit = edCaptionExit
    OnKeyPress = edCaptionKeyPress
  end
  object edName: TEdit
    Left = 300
    Top = 36
    Width = 132
    Height = 21
    TabOrder = 2
    OnExit = edNameExit
    OnKeyPress = edNameKeyPress
  end
  object cbShortCut: TComboBox
    Left = 300
    Top = 64
    Width = 132
    Height = 21
    Style = csDropDownList
    ItemHeight = 13
    TabOrder = 3
    OnChange = cbShortCutChange
  end
  object edNewCaption: TEdit
    Left = 300
    Top = 108
    Width = 132
    Height = 21
    TabOrder = 4
  end
  object btnAdd: TButton
    Left = 240
    Top = 140
    Width = 92
    Height = 25
    Caption = '&Add'
    TabOrder = 5
    OnClick = btnAddClick
  end
  object btnInsert: TButton
    Left = 340
    Top = 140
    Width = 92
    Height = 25
    Caption = '&Insert'
    TabOrder = 6
    OnClick = btnInsertClick
  end
  object btnSubmenu: TButton
    Left = 240
    Top = 172
    Width = 92
    Height = 25
    Caption = 'Sub&menu'
    TabOrder = 7
    OnClick = btnSubmenuClick
  end
  object btnDelete: TButton
    Left = 340
    Top = 172
    Width = 92
    Height = 25
    Caption = '&Delete'
    TabOrder = 8
    OnClick = btnDeleteClick
  end
  object btnUp: TButton
    Left = 240
    Top = 204
    Width = 92
    Height = 25
    Caption = 'Move &Up'
    TabOrder = 9
    OnClick = btnUpClick
  end
  object btnDown: TButton
    Left = 340
    Top = 204
    Width = 92
    Height = 25
    Caption = 'Move D&own'
    TabOrder = 10
    OnClick = btnDownClick
  end
  object btnClose: TButton
    Left = 357
    Top = 267
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Close'
    ModalResult = 1
    TabOrder = 11
  end
end
