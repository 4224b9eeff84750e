object Form1: TForm
  Left = 10
  Top = 20
  Caption = 'Artículos'
  ClientHeight = 300
  ClientWidth = 560
  Font.Height = -11
  Font.Name = 'Liberation Sans'
  PixelsPerInch = 96
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 200
    Height = 300
    Align = alLeft
    Caption = ''
    object Label1: TLabel
      Left = 16
      Top = 200
      Caption = 'Código'
      Font.Style = [fsBold]
    end
  end
  object Edit1: TEdit
    Left = 216
    Top = 16
    Width = 121
    Height = 21
    MaxLength = 20
    TabOrder = 1
    Text = 'abc'
  end
  object Memo1: TMemo
    Left = 216
    Top = 48
    Width = 300
    Height = 89
    Lines.Strings = (
      'uno'
      'dos')
    TabOrder = 2
  end
  object Button1: TButton
    Left = 216
    Top = 150
    Width = 75
    Height = 25
    Caption = '&Aceptar'
    Default = True
    TabOrder = 3
  end
end
