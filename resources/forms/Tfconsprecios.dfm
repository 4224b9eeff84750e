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
    object DBDes: TDBText
      Left = 24
      Top = 20
      Width = 700
      Height = 22
      AutoSize = False
      DataField = 'DES'
      DataSource = DArticulos
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = [fsBold]
    end
    object Label10: TLabel
      Left = 24
      Top = 64
      Caption = 'Grupo:'
    end
    object DBGrupo: TDBText
      Left = 140
      Top = 64
      Width = 300
      AutoSize = False
      DataField = 'GRUPO'
      DataSource = DArticulos
    end
    object Label11: TLabel
      Left = 24
      Top = 92
      Caption = 'Marca:'
    end
    object DBMarca: TDBText
      Left = 140
      Top = 92
      Width = 300
      AutoSize = False
      DataField = 'MARCA'
      DataSource = DArticulos
    end
    object Label12: TLabel
      Left = 24
      Top = 120
      Caption = 'Presentación:'
    end
    object DBUnidad: TDBText
      Left = 140
      Top = 120
      Width = 300
      AutoSize = False
      DataField = 'UNIDAD'
      DataSource = DArticulos
    end
    object Label13: TLabel
      Left = 24
      Top = 148
      Caption = 'Base:'
    end
    object DBPrecio: TDBText
      Left = 140
      Top = 148
      Width = 300
      AutoSize = False
      DataField = 'PRECIO'
      DataSource = DArticulos
    end
    object Label14: TLabel
      Left = 24
      Top = 176
      Caption = 'I.V.A.(%):'
    end
    object DBIva: TDBText
      Left = 140
      Top = 176
      Width = 300
      AutoSize = False
      DataField = 'IVA'
      DataSource = DArticulos
    end
    object Label15: TLabel
      Left = 24
      Top = 204
      Caption = 'Consumo:'
    end
    object DBConsumo: TDBText
      Left = 140
      Top = 204
      Width = 300
      AutoSize = False
      DataField = 'CONSUMO'
      DataSource = DArticulos
    end
    object Label16: TLabel
      Left = 24
      Top = 232
      Caption = 'Peso:'
    end
    object DBPeso: TDBText
      Left = 140
      Top = 232
      Width = 300
      AutoSize = False
      DataField = 'PESO'
      DataSource = DArticulos
    end
    object Label17: TLabel
      Left = 24
      Top = 260
      Caption = 'P.U.M.:'
    end
    object DBPum: TDBText
      Left = 140
      Top = 260
      Width = 300
      AutoSize = False
      DataField = 'PUM'
      DataSource = DArticulos
    end
    object Label30: TLabel
      Left = 24
      Top = 288
      Caption = 'Dimensiones:'
    end
    object DBLargo: TDBText
      Left = 140
      Top = 288
      Width = 70
      AutoSize = False
      DataField = 'LARGO'
      DataSource = DArticulos
    end
    object DBAlto: TDBText
      Left = 215
      Top = 288
      Width = 70
      AutoSize = False
      DataField = 'ALTO'
      DataSource = DArticulos
    end
    object DBAncho: TDBText
      Left = 290
      Top = 288
      Width = 70
      AutoSize = False
      DataField = 'ANCHO'
      DataSource = DArticulos
    end
    object Label31: TLabel
      Left = 24
      Top = 328
      Caption = 'Precio:'
      Font.Height = -24
      Font.Name = 'Arial'
      Font.Style = [fsBold]
    end
    object DBTotal: TDBText
      Left = 140
      Top = 328
      Width = 300
      Height = 32
      AutoSize = False
      DataField = 'TOTAL'
      DataSource = DArticulos
      Font.Height = -24
      Font.Name = 'Arial'
      Font.Style = [fsBold]
    end
    object DBMemo1: TDBMemo
      Left = 24
      Top = 376
      Width = 420
      Height = 90
      DataField = 'OBSERVACIONES'
      DataSource = DArticulos
      ReadOnly = True
      TabOrder = 0
    end
    object DBImage1: TDBImage
      Left = 480
      Top = 64
      Width = 280
      Height = 210
      DataField = 'FOTO'
      DataSource = DArticulos
      Stretch = True
    end
  end
  object PArticulos: TDataSetProvider
    Options = [poAllowCommandText]
  end
  object CArticulos: TClientDataSet
    ProviderName = 'PArticulos'
    object CArticulosARTICULO: TStringField
      FieldName = 'ARTICULO'
      Size = 20
    end
    object CArticulosDES: TStringField
      FieldName = 'DES'
      Size = 60
    end
    object CArticulosGRUPO: TStringField
      FieldName = 'GRUPO'
      Size = 30
    end
    object CArticulosMARCA: TStringField
      FieldName = 'MARCA'
      Size = 30
    end
    object CArticulosUNIDAD: TStringField
      FieldName = 'UNIDAD'
      Size = 8
    end
    object CArticulosPRECIO: TFMTBCDField
      FieldName = 'PRECIO'
      DisplayFormat = '#,###.00'
      Precision = 15
      Size = 2
    end
    object CArticulosIVA: TFMTBCDField
      FieldName = 'IVA'
      Precision = 15
      Size = 2
    end
    object CArticulosPESO: TFMTBCDField
      FieldName = 'PESO'
      DisplayFormat = '#,###.00'
      Precision = 15
      Size = 2
    end
    object CArticulosLARGO: TFMTBCDField
      FieldName = 'LARGO'
      DisplayFormat = '#,###.00'
      Precision = 15
      Size = 2
    end
    object CArticulosALTO: TFMTBCDField
      FieldName = 'ALTO'
      DisplayFormat = '#,###.00'
      Precision = 15
      Size = 2
    end
    object CArticulosANCHO: TFMTBCDField
      FieldName = 'ANCHO'
      DisplayFormat = '#,###.00'
      Precision = 15
      Size = 2
    end
    object CArticulosPUM: TFMTBCDField
      FieldName = 'PUM'
      DisplayFormat = '#,###.00'
      Precision = 15
      Size = 2
    end
    object CArticulosOBSERVACIONES: TMemoField
      FieldName = 'OBSERVACIONES'
    end
    object CArticulosFOTO: TBlobField
      FieldName = 'FOTO'
    end
    object CArticulosIVAMONTO: TFMTBCDField
      FieldName = 'IVAMONTO'
      Precision = 15
      Size = 2
    end
    object CArticulosCONSUMO: TFMTBCDField
      FieldName = 'CONSUMO'
      Precision = 15
      Size = 2
    end
    object CArticulosTOTAL: TFMTBCDField
      FieldName = 'TOTAL'
      Precision = 15
      Size = 2
    end
  end
  object DArticulos: TDataSource
    DataSet = CArticulos
  end
end
