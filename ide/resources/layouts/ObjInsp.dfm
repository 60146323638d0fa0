object ObjectInspector: TObjectInspector
  Left = 8
  Top = 112
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Object Inspector'
  ClientHeight = 391
  ClientWidth = 186
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 186
    Height = 28
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object ComponentList: TComboBox
      Left = 0
      Top = 1
      Width = 185
      Height = 21
      Style = csDropDownList
      ItemHeight = 13
      Sorted = True
      TabOrder = 0
    end
  end
  object PageControl1: TPageControl
    Left = 0
    Top = 28
    Width = 186
    Height = 363
    ActivePage = TabProperty
    Align = alClient
    TabOrder = 1
    object TabProperty: TTabSheet
      Caption = 'Properties'
      object PropertyBox: TListBox
        Left = 0
        Top = 0
        Width = 178
        Height = 315
        Align = alClient
        Color = clSilver
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -13
        Font.Name = 'Arial'
        Font.Style = []
        ItemHeight = 20
        ParentFont = False
        Style = lbOwnerDrawFixed
        TabOrder = 0
      end
      object StatusBar1: TStatusBar
        Left = 0
        Top = 315
        Width = 178
        Height = 19
        Panels = <>
        SimplePanel = True
      end
      object cbValue: TComboBox
        Left = 96
        Top = 40
        Width = 81
        Height = 22
        Style = csDropDownList
        Ctl3D = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -11
        Font.Name = 'Arial'
        Font.Style = []
        ItemHeight = 14
        ParentCtl3D = False
        ParentFont = False
        TabOrder = 2
        Visible = False
      end
      object edProperty: TEdit
        Left = 96
        Top = 72
        Width = 81
        Height = 16
        BorderStyle = bsNone
        Ctl3D = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -13
        Font.Name = 'Arial'
        Font.Style = []
        ParentCtl3D = False
        ParentFont = False
        TabOrder = 3
        Visible = False
      end
      object Browse: TPanel
        Left = 160
        Top = 104
        Width = 18
        Height = 21
        Caption = '...'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -15
        Font.Name = 'Arial'
        Font.Style = [fsBold]
        ParentFont = False
        ParentShowHint = False
        ShowHint = True
        TabOrder = 4
        Visible = False
      end
    end
    object TabEvent: TTabSheet
      Caption = 'Events'
      object EventBox: TListBox
        Left = 0
        Top = 0
        Width = 178
        Height = 334
        Align = alClient
        Color = clSilver
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -13
        Font.Name = 'Arial'
        Font.Style = []
        ItemHeight = 20
        ParentFont = False
        Style = lbOwnerDrawFixed
        TabOrder = 0
      end
      object edEvent: TEdit
        Left = 96
        Top = 40
        Width = 81
        Height = 13
        BorderStyle = bsNone
        Ctl3D = False
        ParentCtl3D = False
        TabOrder = 1
        Visible = False
      end
    end
  end
end
