object ProxyForm: TProxyForm
  Left = 189
  Top = 109
  Width = 590
  Height = 391
  Caption = 'ProxyForm'
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -8
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  PixelsPerInch = 96
  TextHeight = 10
end
