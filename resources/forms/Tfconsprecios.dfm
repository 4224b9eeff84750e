object fconsprecios: Tfconsprecios
  Left = 0
  Top = 0
  Width = 800
  Height = 600
  Caption = 'Consulta de precios'
  OnCreate = FormCreate
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 792
    Height = 81
    Align = alTop
    Caption = ''
    TabOrder = 0
    object Label1: TLabel
      Left = 16
      Top = 48
      Caption = 'Pase el código de barras del artículo:'
    end
    object NomCia: TLabel
      Left = 16
      Top = 10
      Caption = ''
      Font.Height = -19
      Font.Name = 'Arial'
      Font.Style = [fsBold]
    end
    object Edit1: TEdit
      Left = 232
      Top = 44
      Width = 201
      Height = 21
      AutoSelect = True
      TabOrder = 0
      OnExit = Edit1Exit
      OnKeyPress = Enteratab
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 81
    Width = 792
    Height = 492
    Align = alClient
    Caption = ''
    TabOrder = 1
    object DBDes: TLabel
      Left = 24
      Top = 20
      Width = 700
      Height = 22
      AutoSize = False
      Caption = ''
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = [fsBold]
    end
    object Label10: TLabel
      Left = 24
      Top = 64
      Caption = 'Grupo:'
    end
    object DBGrupo: TLabel
      Left = 140
      Top = 64
      Width = 300
      AutoSize = False
      Caption = ''
    end
    object Label11: TLabel
      Left = 24
      Top = 92
      Caption = 'Marca:'
    end
    object DBMarca: TLabel
      Left = 140
      Top = 92
      Width = 300
      AutoSize = False
      Caption = ''
    end
    object Label12: TLabel
      Left = 24
      Top = 120
      Caption = 'Presentación:'
    end
    object DBUnidad: TLabel
      Left = 140
      Top = 120
      Width = 300
      AutoSize = False
      Caption = ''
    end
    object Label13: TLabel
      Left = 24
      Top = 148
      Caption = 'Base:'
    end
    object DBPrecio: TLabel
      Left = 140
      Top = 148
      Width = 300
      AutoSize = False
      Caption = ''
    end
    object Label14: TLabel
      Left = 24
      Top = 176
      Caption = 'I.V.A.(%):'
    end
    object DBIva: TLabel
      Left = 140
      Top = 176
      Width = 300
      AutoSize = False
      Caption = ''
    end
    object Label15: TLabel
      Left = 24
      Top = 204
      Caption = 'Consumo:'
    end
    object DBConsumo: TLabel
      Left = 140
      Top = 204
      Width = 300
      AutoSize = False
      Caption = ''
    end
    object Label16: TLabel
      Left = 24
      Top = 232
      Caption = 'Peso:'
    end
    object DBPeso: TLabel
      Left = 140
      Top = 232
      Width = 300
      AutoSize = False
      Caption = ''
    end
    object Label17: TLabel
      Left = 24
      Top = 260
      Caption = 'P.U.M.:'
    end
    object DBPum: TLabel
      Left = 140
      Top = 260
      Width = 300
      AutoSize = False
      Caption = ''
    end
    object Label30: TLabel
      Left = 24
      Top = 288
      Caption = 'Dimensiones:'
    end
    object DBLargo: TLabel
      Left = 140
      Top = 288
      Width = 70
      AutoSize = False
      Caption = ''
    end
    object DBAlto: TLabel
      Left = 215
      Top = 288
      Width = 70
      AutoSize = False
      Caption = ''
    end
    object DBAncho: TLabel
      Left = 290
      Top = 288
      Width = 70
      AutoSize = False
      Caption = ''
    end
    object Label31: TLabel
      Left = 24
      Top = 328
      Caption = 'Precio:'
      Font.Height = -24
      Font.Name = 'Arial'
      Font.Style = [fsBold]
    end
    object DBTotal: TLabel
      Left = 140
      Top = 328
      Width = 300
      Height = 32
      AutoSize = False
      Caption = ''
      Font.Height = -24
      Font.Name = 'Arial'
      Font.Style = [fsBold]
    end
    object DBMemo1: TMemo
      Left = 24
      Top = 376
      Width = 420
      Height = 90
      ReadOnly = True
      TabOrder = 0
    end
    object DBImage1: TImagen
      Left = 480
      Top = 64
      Width = 280
      Height = 210
      Stretch = True
    end
  end
  object PArticulos: TDataSetProvider
  end
  object CArticulos: TClientDataSet
  end
  object DArticulos: TDataSource
  end
end
