object RemoveProject: TRemoveProject
  Left = 280
  Top = 150
  BorderStyle = bsDialog
  Caption = 'Remove from Project'
  ClientHeight = 241
  ClientWidth = 352
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object ListView1: TListView
    Left = 8
    Top = 8
    Width = 336
    Height = 190
    Columns = <
      item
        Caption = 'Unit'
        Width = 180
      end
      item
        Caption = 'Form'
        Width = 140
      end>
    ReadOnly = True
    RowSelect = True
    TabOrder = 0
    ViewStyle = vsReport
  end
  object OKButton: TButton
    Left = 109
    Top = 208
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    TabOrder = 1
    OnClick = OKButtonClick
  end
  object CancelButton: TButton
    Left = 189
    Top = 208
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object HelpButton: TButton
    Left = 269
    Top = 208
    Width = 75
    Height = 25
    Caption = 'Help'
    TabOrder = 3
  end
end
