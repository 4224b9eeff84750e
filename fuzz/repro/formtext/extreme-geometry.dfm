object Form1: TForm
  Left = 2147483647
  Top = -2147483648
  ClientHeight = 2147483647
  ClientWidth = 2147483647
  Font.Height = -2147483648
  Font.Size = 2147483647
  PixelsPerInch = 1
  object Panel1: TPanel
    Left = -2147483648
    Top = 2147483647
    Width = 2147483647
    Height = 2147483647
    Align = alClient
    BorderWidth = 2147483647
    object Label1: TLabel
      Left = 2147483647
      Top = 2147483647
      Width = -2147483648
      Height = 2147483647
      Caption = 'x'
      Font.Size = -2147483648
    end
  end
  object Edit1: TEdit
    Left = 2147483647
    Top = 2147483647
    Width = 2147483647
    Height = 2147483647
  end
end
