object fnvacuenta: Tfnvacuenta
  Left = 0
  Top = 0
  Width = 384
  Height = 403
  BorderStyle = bsSingle
  Caption = 'Nueva cuenta'
  Color = 15591641
  FormStyle = fsMDIChild
  KeyPreview = True
  Position = poDesktopCenter
  Visible = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object Label1: TLabel
    Left = 8
    Top = 12
    Caption = 'C'#243'digo:'
  end
  object ECod: TDBEdit
    Left = 80
    Top = 8
    Width = 150
    Height = 21
    DataField = 'CUEN_COD'
    DataSource = DSCuentas
    TabOrder = 0
    OnKeyPress = Enteratab
  end
  object Label2: TLabel
    Left = 8
    Top = 40
    Caption = 'Nombre:'
  end
  object ENom: TDBEdit
    Left = 80
    Top = 36
    Width = 288
    Height = 21
    DataField = 'CUEN_NOM'
    DataSource = DSCuentas
    TabOrder = 1
    OnKeyPress = Enteratab
  end
  object DBRadioGroup2: TDBRadioGroup
    Left = 8
    Top = 64
    Width = 112
    Height = 96
    Caption = ' Tipo de cuenta '
    DataField = 'CUEN_TIPO'
    DataSource = DSCuentas
    Items.Strings = (
      'Nor&mal'
      '&Inventario'
      'C&artera'
      '&Activo')
    Values.Strings = (
      'N'
      'I'
      'C'
      'A')
    TabOrder = 2
  end
  object GroupBox1: TGroupBox
    Left = 128
    Top = 64
    Width = 240
    Height = 56
    Caption = ' Detalle de la cuenta '
    TabOrder = 3
    object CkTerceros: TDBCheckBox
      Left = 8
      Top = 24
      Width = 100
      Height = 17
      Caption = 'Ter&ceros:'
      DataField = 'CUEN_TERCERO'
      DataSource = DSCuentas
      TabOrder = 0
      ValueChecked = 'S'
      ValueUnchecked = 'N'
      OnKeyPress = Enteratab
    end
    object CkCentros: TDBCheckBox
      Left = 112
      Top = 24
      Width = 120
      Height = 17
      Caption = 'Centr&os costo:'
      DataField = 'CUEN_CENTRO'
      DataSource = DSCuentas
      TabOrder = 1
      ValueChecked = 'S'
      ValueUnchecked = 'N'
      OnKeyPress = Enteratab
    end
  end
  object GroupBox2: TGroupBox
    Left = 8
    Top = 164
    Width = 360
    Height = 76
    Caption = ' Retenci'#243'n '
    TabOrder = 4
    object CkRetenciones: TDBCheckBox
      Left = 8
      Top = 20
      Width = 300
      Height = 17
      Caption = 'Acumular informaci'#243'n para certi&ficados:'
      DataField = 'CUEN_RETENCION'
      DataSource = DSCuentas
      TabOrder = 0
      ValueChecked = 'S'
      ValueUnchecked = 'N'
      OnClick = CkRetencionesClick
      OnKeyPress = Enteratab
    end
    object Label3: TLabel
      Left = 8
      Top = 50
      Caption = 'Porcentaje:'
    end
    object EPorc: TDBEdit
      Left = 80
      Top = 46
      Width = 70
      Height = 21
      DataField = 'CUEN_PORC'
      DataSource = DSCuentas
      TabOrder = 1
      OnKeyPress = Enteratab
    end
    object Label4: TLabel
      Left = 166
      Top = 50
      Caption = 'Base m'#237'nima:'
    end
    object EBase: TDBEdit
      Left = 250
      Top = 46
      Width = 100
      Height = 21
      DataField = 'CUEN_BASEMIN'
      DataSource = DSCuentas
      TabOrder = 2
      OnKeyPress = Enteratab
    end
  end
  object GroupBox3: TGroupBox
    Left = 8
    Top = 244
    Width = 360
    Height = 88
    Caption = ' Ajustes inflaci'#243'n '
    TabOrder = 5
    object CkAjustable: TCheckBox
      Left = 8
      Top = 20
      Width = 100
      Height = 17
      Caption = 'Aj&ustable:'
      TabOrder = 0
      OnClick = CkAjustableClick
      OnKeyPress = Enteratab
    end
    object Label5: TLabel
      Left = 8
      Top = 46
      Caption = 'Cuenta Ajuste:'
    end
    object ECtaAjus: TDBEdit
      Left = 100
      Top = 42
      Width = 110
      Height = 21
      DataField = 'CUEN_CTAJUSTE'
      DataSource = DSCuentas
      TabOrder = 1
      OnKeyPress = Enteratab
    end
    object Label6: TLabel
      Left = 8
      Top = 66
      Caption = 'Cta correcci'#243'n:'
    end
    object ECtaCorr: TDBEdit
      Left = 100
      Top = 62
      Width = 110
      Height = 21
      DataField = 'CUEN_CTACORRECION'
      DataSource = DSCuentas
      TabOrder = 2
      OnKeyPress = Enteratab
    end
    object DBRadioGroup1: TDBRadioGroup
      Left = 220
      Top = 14
      Width = 132
      Height = 68
      Caption = 'Naturaleza ajuste'
      DataField = 'CUEN_AJUSDB'
      DataSource = DSCuentas
      Enabled = False
      Items.Strings = (
        'D'#233'&bito'
        'Cr'#233'&dito')
      Values.Strings = (
        'S'
        'N')
      TabOrder = 3
    end
  end
  object BitBtn1: TBitBtn
    Left = 8
    Top = 338
    Width = 60
    Height = 28
    Caption = 'PUC'
    TabOrder = 6
    TabStop = False
    OnClick = BitBtn1Click
  end
  object SpeedButton1: TSpeedButton
    Left = 72
    Top = 338
    Width = 80
    Height = 28
    Caption = 'Inventario'
    Flat = True
    OnClick = SpeedButton1Click
  end
  object SBGrabar: TSpeedButton
    Left = 184
    Top = 338
    Width = 88
    Height = 28
    Caption = 'F2: Grabar'
    Flat = True
    OnClick = SBGrabarClick
  end
  object SBCancelar: TSpeedButton
    Left = 276
    Top = 338
    Width = 92
    Height = 28
    Caption = 'Esc: Cancelar'
    Flat = True
    OnClick = SBCancelarClick
  end
  object PCuentas: TDataSetProvider
    Options = [poPropogateChanges]
  end
  object CCuentas: TClientDataSet
    ProviderName = 'PCuentas'
    AfterInsert = CCuentasAfterInsert
    object CCuentasCUEN_COD: TStringField
      FieldName = 'CUEN_COD'
      Size = 22
      OnChange = CCuentasCUEN_CODChange
    end
    object CCuentasCUEN_NOM: TStringField
      FieldName = 'CUEN_NOM'
      Size = 62
    end
    object CCuentasCUEN_TERCERO: TStringField
      FieldName = 'CUEN_TERCERO'
      Size = 1
    end
    object CCuentasCUEN_CENTRO: TStringField
      FieldName = 'CUEN_CENTRO'
      Size = 1
    end
    object CCuentasCUEN_RETENCION: TStringField
      FieldName = 'CUEN_RETENCION'
      Size = 1
    end
    object CCuentasCUEN_CTAJUSTE: TStringField
      FieldName = 'CUEN_CTAJUSTE'
      OnChange = CCuentasCUEN_CTAJUSTEChange
    end
    object CCuentasCUEN_CTACORRECION: TStringField
      FieldName = 'CUEN_CTACORRECION'
      OnChange = CCuentasCUEN_CTACORRECIONChange
    end
    object CCuentasCUEN_BASEMIN: TFMTBCDField
      FieldName = 'CUEN_BASEMIN'
      Precision = 15
      Size = 2
    end
    object CCuentasCUEN_AJUSDB: TStringField
      FieldName = 'CUEN_AJUSDB'
      Size = 1
    end
    object CCuentasCUEN_PORC: TFMTBCDField
      FieldName = 'CUEN_PORC'
      Precision = 15
      Size = 2
    end
    object CCuentasCUEN_TIPO: TStringField
      FieldName = 'CUEN_TIPO'
      Required = True
      Size = 1
    end
  end
  object DSCuentas: TDataSource
    DataSet = CCuentas
  end
  object PBorrar: TDataSetProvider
    Options = [poAllowCommandText]
  end
  object CBorrar: TClientDataSet
    ProviderName = 'PBorrar'
  end
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'FORM'
  end
end
