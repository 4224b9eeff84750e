object fichaarticulo: TFichaArticulo
  Left = 0
  Top = 0
  Width = 395
  Height = 190
  Caption = ''
  Color = 15591641
  FormStyle = fsMDIChild
  KeyPreview = True
  Visible = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 387
    Height = 113
    Align = alClient
    BevelOuter = bvNone
    Caption = ''
    ParentColor = True
    TabOrder = 0
    object Label1: TLabel
      Left = 12
      Top = 18
      Caption = 'C'#243'digo:'
    end
    object DBEdit1: TDBEdit
      Left = 96
      Top = 14
      Width = 130
      Height = 21
      DataField = 'ARTI_COD'
      DataSource = DArticulo
      TabOrder = 0
      OnKeyPress = Enteratab
    end
    object Label2: TLabel
      Left = 12
      Top = 48
      Caption = 'Descripci'#243'n:'
    end
    object DBEdit2: TDBEdit
      Left = 96
      Top = 44
      Width = 276
      Height = 21
      DataField = 'ARTI_DES'
      DataSource = DArticulo
      TabOrder = 1
      OnKeyPress = Enteratab
    end
    object Label3: TLabel
      Left = 12
      Top = 78
      Caption = 'Unidad:'
    end
    object DBEdit3: TDBEdit
      Left = 96
      Top = 74
      Width = 90
      Height = 21
      DataField = 'ARTI_UNIDAD'
      DataSource = DArticulo
      TabOrder = 2
      OnKeyPress = Enteratab
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 113
    Width = 387
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    Caption = ''
    ParentColor = True
    TabOrder = 1
    object SBGrabar: TSpeedButton
      Left = 8
      Top = 6
      Width = 96
      Height = 28
      Caption = 'F2: Grabar'
      Flat = True
      OnClick = SBGrabarClick
    end
    object SBCancelar: TSpeedButton
      Left = 108
      Top = 6
      Width = 104
      Height = 28
      Caption = 'Esc: Cancelar'
      Flat = True
      OnClick = SBCancelarClick
    end
    object SBSalir: TSpeedButton
      Left = 284
      Top = 6
      Width = 96
      Height = 28
      Caption = 'Salir'
      Flat = True
      OnClick = SBSalirClick
    end
  end
  object PArticulo: TDataSetProvider
  end
  object CArticulo: TClientDataSet
    ProviderName = 'PArticulo'
    object CArticuloARTI_COD: TStringField
      FieldName = 'ARTI_COD'
      Required = True
      Size = 15
    end
    object CArticuloARTI_DES: TStringField
      FieldName = 'ARTI_DES'
      Required = True
      Size = 60
    end
    object CArticuloARTI_DESVAR: TStringField
      FieldName = 'ARTI_DESVAR'
      Required = True
      Size = 1
    end
    object CArticuloARTI_TIPO: TStringField
      FieldName = 'ARTI_TIPO'
      Required = True
      Size = 1
    end
    object CArticuloARTI_EXIST: TStringField
      FieldName = 'ARTI_EXIST'
      Required = True
      Size = 1
    end
    object CArticuloARTI_UNIDAD: TStringField
      FieldName = 'ARTI_UNIDAD'
      Required = True
      Size = 8
    end
    object CArticuloGRUP_COD: TStringField
      FieldName = 'GRUP_COD'
      Size = 2
    end
    object CArticuloSUBG_COD: TStringField
      FieldName = 'SUBG_COD'
      Size = 3
    end
    object CArticuloMARC_COD: TStringField
      FieldName = 'MARC_COD'
      Size = 3
    end
    object CArticuloARTI_FECHA: TDateField
      FieldName = 'ARTI_FECHA'
    end
    object CArticuloARTI_PRECIO: TFMTBCDField
      FieldName = 'ARTI_PRECIO'
      Precision = 15
      Size = 2
    end
    object CArticuloARTI_CONSUMO: TFMTBCDField
      FieldName = 'ARTI_CONSUMO'
      Precision = 15
      Size = 2
    end
    object CArticuloARTI_IMPOTRO: TFMTBCDField
      FieldName = 'ARTI_IMPOTRO'
      Precision = 15
      Size = 2
    end
    object CArticuloARTI_PESO: TFMTBCDField
      FieldName = 'ARTI_PESO'
      Precision = 15
      Size = 4
    end
    object CArticuloARTI_ANCHO: TFMTBCDField
      FieldName = 'ARTI_ANCHO'
      Precision = 15
      Size = 4
    end
    object CArticuloARTI_ALTO: TFMTBCDField
      FieldName = 'ARTI_ALTO'
      Precision = 15
      Size = 4
    end
    object CArticuloARTI_LARGO: TFMTBCDField
      FieldName = 'ARTI_LARGO'
      Precision = 15
      Size = 4
    end
    object CArticuloARTI_OBS: TMemoField
      FieldName = 'ARTI_OBS'
    end
    object CArticuloARTI_FOTO: TBlobField
      FieldName = 'ARTI_FOTO'
    end
    object CArticuloARTI_MAX: TFMTBCDField
      FieldName = 'ARTI_MAX'
      Precision = 15
      Size = 4
    end
    object CArticuloARTI_MIN: TFMTBCDField
      FieldName = 'ARTI_MIN'
      Precision = 15
      Size = 4
    end
    object CArticuloARTI_DIAS: TIntegerField
      FieldName = 'ARTI_DIAS'
    end
    object CArticuloESAR_COD: TStringField
      FieldName = 'ESAR_COD'
      Size = 1
    end
    object CArticuloARTI_USUARIO: TStringField
      FieldName = 'ARTI_USUARIO'
      Size = 10
    end
    object CArticuloTAIV_COD: TIntegerField
      FieldName = 'TAIV_COD'
      Required = True
    end
  end
  object DArticulo: TDataSource
    DataSet = CArticulo
  end
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'FORM'
  end
end
