object facceso: Tfacceso
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Tallyvo - Punto de venta'
  ClientHeight = 300
  ClientWidth = 560
  KeyPreview = True
  Position = poScreenCenter
  OnActivate = FormActivate
  OnClose = FormClose
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 200
    Height = 300
    Align = alLeft
    Caption = ''
    TabOrder = 0
    object Label9: TLabel
      Left = 16
      Top = 200
      Caption = 'PUNTO DE VENTA VERSION 2009'
    end
    object Label10: TLabel
      Left = 16
      Top = 224
      Caption = 'Revisión: 2009/04/23'
    end
  end
  object Panel2: TPanel
    Left = 200
    Top = 0
    Width = 360
    Height = 300
    Align = alClient
    Caption = ''
    TabOrder = 1
    object Label1: TLabel
      Left = 16
      Top = 20
      Caption = 'Servidor : '
    end
    object Label2: TLabel
      Left = 16
      Top = 48
      Caption = 'Usuario:'
    end
    object Label3: TLabel
      Left = 16
      Top = 76
      Caption = 'Clave : '
    end
    object Label4: TLabel
      Left = 16
      Top = 104
      Caption = 'Compañía:'
    end
    object Label5: TLabel
      Left = 16
      Top = 132
      Caption = 'Lista precios:'
    end
    object Label6: TLabel
      Left = 16
      Top = 160
      Caption = 'Fecha:'
    end
    object Servidor: TListaSeleccion
      Left = 96
      Top = 16
      Width = 249
      Height = 21
      TabOrder = 0
      OnKeyPress = Enteratab
    end
    object TUsuario: TEdit
      Left = 96
      Top = 44
      Width = 81
      Height = 21
      TabOrder = 1
      OnKeyPress = Enteratab
    end
    object TNomUsr: TEdit
      Left = 184
      Top = 44
      Width = 161
      Height = 21
      ReadOnly = True
      TabStop = False
      TabOrder = 2
    end
    object TClave: TEdit
      Left = 96
      Top = 72
      Width = 81
      Height = 21
      PasswordChar = '*'
      TabOrder = 3
      OnExit = TClaveExit
      OnKeyPress = Enteratab
    end
    object TCia: TEdit
      Left = 96
      Top = 100
      Width = 49
      Height = 21
      TabOrder = 4
      OnExit = TCiaExit
      OnKeyPress = Enteratab
    end
    object TNomcia: TEdit
      Left = 152
      Top = 100
      Width = 193
      Height = 21
      ReadOnly = True
      TabStop = False
      TabOrder = 5
    end
    object LLista: TListaSeleccion
      Left = 96
      Top = 128
      Width = 249
      Height = 21
      TabOrder = 6
      OnKeyPress = Enteratab
    end
    object Fecha: TMaskEdit
      Left = 96
      Top = 156
      Width = 89
      Height = 21
      EditMask = '!9999/99/99;1;_'
      TabOrder = 7
      OnKeyPress = Enteratab
    end
    object BitBtn1: TBitBtn
      Left = 16
      Top = 248
      Width = 105
      Height = 33
      Caption = 'F2: Entrar'
      Enabled = False
      TabOrder = 8
      OnClick = BitBtn1Click
    end
    object BitBtn2: TBitBtn
      Left = 128
      Top = 248
      Width = 105
      Height = 33
      Caption = 'Esc: Salir'
      ModalResult = 2
      TabOrder = 9
      OnClick = BitBtn2Click
    end
    object BitBtn3: TBitBtn
      Left = 240
      Top = 248
      Width = 105
      Height = 33
      Caption = 'F9:Configura'
      Enabled = False
      TabOrder = 10
      OnClick = BitBtn3Click
    end
    object Aviso: TPanel
      Left = 16
      Top = 192
      Width = 329
      Height = 41
      Caption = ''
      TabOrder = 11
      Visible = False
    end
  end
  object PListapre: TDataSetProvider
  end
  object CListapre: TClientDataSet
  end
end
