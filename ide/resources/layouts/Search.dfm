object Search: TSearch
  Left = 200
  Top = 120
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Find Text'
  ClientHeight = 283
  ClientWidth = 432
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  OnActivate = FormActivate
  PixelsPerInch = 96
  TextHeight = 13
  object PageControl1: TPageControl
    Left = 8
    Top = 8
    Width = 416
    Height = 234
    ActivePage = FindPage
    TabOrder = 0
    object FindPage: TTabSheet
      Caption = 'Find'
      object Label1: TLabel
        Left = 8
        Top = 12
        Width = 72
        Height = 13
        Caption = 'Text to Find:'
        FocusControl = cbSearch
      end
      object cbSearch: TComboBox
        Left = 88
        Top = 8
        Width = 312
        Height = 21
        ItemHeight = 13
        TabOrder = 0
        OnKeyPress = cbSearchKeyPress
      end
      object GroupBox1: TGroupBox
        Left = 8
        Top = 40
        Width = 192
        Height = 65
        Caption = 'Options'
        TabOrder = 1
        object chkMatchCase: TCheckBox
          Left = 8
          Top = 18
          Width = 176
          Height = 17
          Caption = 'Case sentitive'
          TabOrder = 0
        end
        object chkWholeWord: TCheckBox
          Left = 8
          Top = 40
          Width = 176
          Height = 17
          Caption = 'Whole words only'
          TabOrder = 1
        end
      end
      object GroupBox2: TGroupBox
        Left = 208
        Top = 40
        Width = 192
        Height = 65
        Caption = 'Direction'
        TabOrder = 2
        object chkDown: TRadioButton
          Left = 8
          Top = 18
          Width = 176
          Height = 17
          Caption = 'Forward'
          Checked = True
          TabOrder = 0
          TabStop = True
        end
        object chkUp: TRadioButton
          Left = 8
          Top = 40
          Width = 176
          Height = 17
          Caption = 'Backward'
          TabOrder = 1
        end
      end
      object GroupBox3: TGroupBox
        Left = 8
        Top = 112
        Width = 192
        Height = 65
        Caption = 'Scope'
        TabOrder = 3
        object chkEntire: TRadioButton
          Left = 8
          Top = 18
          Width = 176
          Height = 17
          Caption = 'Global'
          Checked = True
          TabOrder = 0
          TabStop = True
        end
        object chkSelect: TRadioButton
          Left = 8
          Top = 40
          Width = 176
          Height = 17
          Caption = 'Selected Text'
          TabOrder = 1
        end
      end
      object GroupBox4: TGroupBox
        Left = 208
        Top = 112
        Width = 192
        Height = 65
        Caption = 'Origin'
        TabOrder = 4
        object chkCursor: TRadioButton
          Left = 8
          Top = 18
          Width = 176
          Height = 17
          Caption = 'From Cursor'
          Checked = True
          TabOrder = 0
          TabStop = True
        end
        object chkFirst: TRadioButton
          Left = 8
          Top = 40
          Width = 176
          Height = 17
          Caption = 'Entire Scope'
          TabOrder = 1
        end
      end
    end
  end
  object OKButton: TButton
    Left = 268
    Top = 250
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
    OnClick = OKButtonClick
  end
  object CancelButton: TButton
    Left = 349
    Top = 250
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
    TabOrder = 2
  end
end
