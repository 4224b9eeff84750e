object fclave: Tfclave
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Clave'
  ClientHeight = 112
  ClientWidth = 180
  KeyPreview = True
  Position = poScreenCenter
  OnKeyDown = FormKeyDown
  object GroupBox1: TPanel
    Left = 4
    Top = 4
    Width = 172
    Height = 104
    Caption = ''
    TabOrder = 0
    object Label2: TLabel
      Left = 8
      Top = 4
      Caption = 'Validación de acceso'
    end
    object Label1: TLabel
      Left = 8
      Top = 32
      Caption = 'Clave:'
    end
    object TClave: TEdit
      Left = 48
      Top = 28
      Width = 113
      Height = 21
      PasswordChar = '*'
      TabOrder = 0
      OnKeyPress = Enteratab
    end
    object BitBtn1: TBitBtn
      Left = 8
      Top = 64
      Width = 75
      Height = 29
      Caption = 'Autoriza'
      TabOrder = 1
      OnClick = BitBtn1Click
    end
    object BitBtn2: TBitBtn
      Left = 88
      Top = 64
      Width = 75
      Height = 29
      Caption = 'Cancela'
      ModalResult = 2
      TabOrder = 2
    end
  end
end
