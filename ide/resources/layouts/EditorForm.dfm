object EditorForm: TEditorForm
  Left = 197
  Top = 107
  Width = 575
  Height = 399
  Caption = 'Unit1.pas'
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = 'Arial'
  Font.Style = []
  OnActivate = FormActivate
  OnClose = FormClose
  PixelsPerInch = 96
  TextHeight = 16
  object StatusBar: TStatusBar
    Left = 0
    Top = 353
    Width = 567
    Height = 19
    Panels = <
      item
        Text = '1Col'
        Width = 50
      end
      item
        Text = '1/1Line'
        Width = 100
      end
      item
        Width = 60
      end
      item
        Width = 50
      end>
    SimplePanel = False
  end
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 567
    Height = 353
    ActivePage = TabSheet1
    Align = alClient
    TabOrder = 1
    OnChange = PageControl1Change
    object TabSheet1: TTabSheet
      Caption = 'Unit1'
      object RichEdit1: TRichEdit
        Tag = 1
        Left = 0
        Top = 0
        Width = 559
        Height = 322
        Align = alClient
        PopupMenu = PopupMenu1
        ScrollBars = ssBoth
        TabOrder = 0
        WordWrap = False
        OnChange = RichEdit1Change
        OnKeyUp = RichEdit1KeyUp
      end
    end
  end
  object PopupMenu1: TPopupMenu
    Left = 64
    Top = 96
    object NClosePage: TMenuItem
      Caption = 'Close Page'
      OnClick = NClosePageClick
    end
    object NInsert: TMenuItem
      Caption = 'Open File at Cursor'
      OnClick = NInsertClick
    end
    object N2: TMenuItem
      Caption = '-'
    end
    object NReadOnly: TMenuItem
      Caption = 'Read Only'
      OnClick = NReadOnlyClick
    end
    object N1: TMenuItem
      Caption = 'Message View'
      Enabled = False
    end
  end
  object OpenDialog1: TOpenDialog
    Filter = 
      'Delphi Files(*.pas;*.dpr;*.dfm)|*.pas;*.dfm;*.dpr|Delphi Unit(*.' +
      'pas)|*.pas|Delphi Form|*.dfm|Delphi Project(*.dpr)|*.dpr|Text Fi' +
      'le(*.txt)|*.txt|All Files(*.)|*.*'
    Left = 96
    Top = 96
  end
end
