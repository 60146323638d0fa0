object Replace: TReplace
  Left = 200
  Top = 120
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Replace Text'
  ClientHeight = 316
  ClientWidth = 436
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
    Width = 420
    Height = 268
    ActivePage = ReplacePage
    TabOrder = 0
    object ReplacePage: TTabSheet
      Caption = 'Replace'
      object Label1: TLabel
        Left = 8
        Top = 12
        Width = 72
        Height = 13
        Caption = 'Text to Find:'
        FocusControl = cbSearch
      end
      object Label2: TLabel
        Left = 8
        Top = 40
        Width = 72
        Height = 13
        Caption = 'Replace with:'
        FocusControl = cbReplace
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
      object cbReplace: TComboBox
        Left = 88
        Top = 36
        Width = 312
        Height = 21
        ItemHeight = 13
        TabOrder = 1
        OnKeyPress = cbReplaceKeyPress
      end
      object GroupBox1: TGroupBox
        Left = 8
        Top = 68
        Width = 192
        Height = 87
        Caption = 'Options'
        TabOrder = 2
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
        object chkPrompt: TCheckBox
          Left = 8
          Top = 62
          Width = 176
          Height = 17
          Caption = 'Prompt on Replace'
          State = cbChecked
          TabOrder = 2
        end
      end
      object GroupBox2: TGroupBox
        Left = 208
        Top = 68
        Width = 192
        Height = 65
        Caption = 'Direction'
        TabOrder = 3
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
        Top = 140
        Width = 192
        Height = 65
        Caption = 'Scope'
        TabOrder = 4
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
        Top = 140
        Width = 192
        Height = 65
        Caption = 'Origin'
        TabOrder = 5
        object chkCursor: TRadioButton
          Left = 8
          Top = 18
          Width = 176
          Height = 17
          Caption = 'From cursor'
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
    Left = 112
    Top = 284
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    OnClick = OKButtonClick
    TabOrder = 1
  end
  object CancelButton: TButton
    Left = 193
    Top = 284
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
    TabOrder = 2
  end
  object btnAll: TButton
    Left = 274
    Top = 284
    Width = 75
    Height = 25
    Caption = 'Replace All'
    OnClick = btnAllClick
    TabOrder = 3
  end
  object HelpButton: TButton
    Left = 355
    Top = 284
    Width = 75
    Height = 25
    Caption = 'Help'
    TabOrder = 4
  end
end
