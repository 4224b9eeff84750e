object farticulos: Tfarticulos
  Left = 0
  Top = 0
  Width = 512
  Height = 304
  Caption = 'Art'#237'culos del inventario'
  Color = 15591641
  FormStyle = fsMDIChild
  KeyPreview = True
  Visible = True
  OnActivate = FormActivate
  OnClose = FormClose
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 504
    Height = 64
    Align = alTop
    BevelOuter = bvNone
    Caption = ''
    ParentColor = True
    TabOrder = 0
    object RBuscar: TRadioGroup
      Left = 4
      Top = 2
      Width = 104
      Height = 58
      Caption = 'Buscar por: '
      ItemIndex = 0
      Items.Strings = (
        'C'#243'dig&o'
        'Descri&pci'#243'n')
      TabOrder = 0
    end
    object EBuscar: TEdit
      Left = 114
      Top = 10
      Width = 232
      Height = 21
      TabOrder = 1
    end
    object SpeedButton1: TSpeedButton
      Left = 352
      Top = 8
      Width = 72
      Height = 25
      Caption = '&Buscar'
      Flat = True
      OnClick = SpeedButton1Click
    end
    object CkBuscar: TCheckBox
      Left = 114
      Top = 38
      Width = 180
      Height = 17
      Caption = 'Buscar e&n cualquier orden'
      TabOrder = 2
    end
    object ckfiltro: TCheckBox
      Left = 300
      Top = 38
      Width = 124
      Height = 17
      Caption = 'Habilitar filtros'
      TabOrder = 3
      OnClick = ckfiltroClick
    end
  end
  object DBGridEh1: TDBGridEh
    Left = 0
    Top = 64
    Width = 504
    Height = 124
    Align = alClient
    AllowedOperations = []
    AutoFitColWidths = True
    ColumnDefValues.Title.TitleButton = True
    DataSource = DArticulo
    EditActions = [geaCopyEh, geaSelectAllEh]
    Flat = True
    OddRowColor = clMenuBar
    Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit]
    OptionsEh = [dghFixed3D, dghHighlightFocus, dghClearSelection, dghAutoSortMarking, dghMultiSortMarking, dghIncSearch, dghRowHighlight]
    PopupMenu = PopupMenu1
    ReadOnly = True
    SortLocal = True
    STFilter.Local = True
    TabOrder = 1
    OnDrawColumnCell = DBGridEh1DrawColumnCell
    Columns = <
      item
        EndEllipsis = True
        FieldName = 'ARTI_COD'
        MinWidth = 80
        ToolTips = True
      end
      item
        EndEllipsis = True
        FieldName = 'ARTI_DES'
        ToolTips = True
      end
      item
        FieldName = 'ARTI_UNIDAD'
        MinWidth = 70
      end>
  end
  object DBNavigator1: TDBNavigator
    Left = 0
    Top = 188
    Width = 504
    Height = 25
    Align = alBottom
    DataSource = DArticulo
    VisibleButtons = [nbFirst, nbPrior, nbNext, nbLast, nbRefresh]
    TabOrder = 2
  end
  object Panel2: TPanel
    Left = 0
    Top = 213
    Width = 504
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    Caption = ''
    ParentColor = True
    TabOrder = 3
    object SBNuevo: TSpeedButton
      Left = 4
      Top = 6
      Width = 80
      Height = 28
      Caption = 'F5:&Nuevo'
      Flat = True
      OnClick = SBNuevoClick
    end
    object SBModificar: TSpeedButton
      Left = 86
      Top = 6
      Width = 92
      Height = 28
      Caption = 'F4:&Modificar'
      Flat = True
      OnClick = SBModificarClick
    end
    object SBBorrar: TSpeedButton
      Left = 180
      Top = 6
      Width = 86
      Height = 28
      Caption = 'F3:&Eliminar'
      Flat = True
      OnClick = SBBorrarClick
    end
    object SBSelec: TSpeedButton
      Left = 268
      Top = 6
      Width = 108
      Height = 28
      Caption = 'Enter:Selecciona'
      Flat = True
      OnClick = SBSelecClick
    end
    object SpeedButton2: TSpeedButton
      Left = 378
      Top = 6
      Width = 80
      Height = 28
      Caption = 'F8: Saldos'
      Flat = True
      OnClick = SpeedButton2Click
    end
  end
  object PArticulo: TDataSetProvider
    Options = [poAllowCommandText]
  end
  object CArticulo: TClientDataSet
    CommandText = 'select arti_cod, arti_des, arti_unidad from articulo'
    ProviderName = 'PArticulo'
    object CArticuloARTI_COD: TStringField
      DisplayLabel = 'C'#243'digo'
      FieldName = 'ARTI_COD'
      Required = True
      Size = 15
    end
    object CArticuloARTI_DES: TStringField
      DisplayLabel = 'Descripci'#243'n'
      FieldName = 'ARTI_DES'
      Required = True
      Size = 60
    end
    object CArticuloARTI_UNIDAD: TStringField
      DisplayLabel = 'Unidad'
      FieldName = 'ARTI_UNIDAD'
      Required = True
      Size = 8
    end
  end
  object DArticulo: TDataSource
    DataSet = CArticulo
  end
  object PBorrar: TDataSetProvider
    Options = [poAllowCommandText]
  end
  object CBorrar: TClientDataSet
    ProviderName = 'PBorrar'
  end
  object PopupMenu1: TPopupMenu
    object ppmCopy: TMenuItem
      Caption = '&Copiar'
      OnClick = ppmCopyClick
    end
    object ppmSelectAll: TMenuItem
      Caption = 'Se&lecccionar todo'
      OnClick = ppmSelectAllClick
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object ppmPreview: TMenuItem
      Caption = '&Imprimir'
      OnClick = ppmPreviewClick
    end
    object ppmSaveSelection: TMenuItem
      Caption = '&Guardar selecci'#243'n'
      OnClick = ppmSaveSelectionClick
    end
  end
  object SaveDialog1: TSaveDialog
    Filter = 'Archivo texto (*.txt)|*.TXT|Valores separados por comas (*.csv)|*.CSV|Archivo HTML (*.htm)|*.HTM|Texto con formato (*.rtf)|*.RTF|Libro de Microsoft Excel (*.xls)|*.XLS'
  end
  object PrintDBGridEh1: TPrintDBGridEh
    Options = [pghFitGridToPageWidth, pghColored, pghRowAutoStretch]
    PageHeader.CenterText.Strings = (
      'Page. &[Page]')
    PageHeader.LineType = pcltDoubleLine
    PrintFontName = 'Arial'
    Title.Strings = (
      'Title')
    Units = MM
    BeforeGridText_Data = {
      7B5C727466315C616E73695C616E7369637067313235325C64656666307B5C66
      6F6E7474626C7B5C66305C66737769737320417269616C3B7D7D5C766965776B
      696E64345C7563315C706172645C71635C625C66305C66733238204172745C27
      656463756C6F732064656C20696E76656E746172696F5C62305C667332305C70
      61725C706172645C71722046656368613A20255B546F6461795D5C7061727D00}
    AfterGridText_Data = {
      7B5C727466315C616E73695C616E7369637067313235325C64656666307B5C66
      6F6E7474626C7B5C66305C66737769737320417269616C3B7D7D5C766965776B
      696E64345C7563315C706172645C66305C667331362054616C6C79766F20504F
      535C7061727D00}
  end
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'FORM'
  end
end
