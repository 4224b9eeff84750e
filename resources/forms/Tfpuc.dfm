object fpuc: Tfpuc
  Left = 0
  Top = 0
  Width = 615
  Height = 375
  Caption = 'Plan Unico de Cuentas'
  Color = 15591641
  KeyPreview = True
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 607
    Height = 52
    Align = alTop
    BevelOuter = bvNone
    Caption = ''
    ParentColor = True
    TabOrder = 0
    object Label1: TLabel
      Left = 8
      Top = 19
      Caption = 'Buscar:'
    end
    object EBuscar: TEdit
      Left = 56
      Top = 15
      Width = 140
      Height = 21
      TabOrder = 0
    end
    object sbBuscar: TSpeedButton
      Left = 200
      Top = 13
      Width = 66
      Height = 25
      Hint = 'Buscar'
      Caption = '&Buscar'
      Flat = True
      ShowHint = True
      OnClick = sbBuscarClick
    end
    object RBuscar: TRadioGroup
      Left = 270
      Top = 2
      Width = 134
      Height = 46
      Caption = 'Buscar en:'
      Columns = 2
      ItemIndex = 1
      Items.Strings = (
        '&C'#243'digo'
        'No&mbre')
      TabOrder = 1
    end
    object CkDesorden: TCheckBox
      Left = 410
      Top = 18
      Width = 194
      Height = 17
      Caption = 'Buscar e&n cualquier posici'#243'n'
      TabOrder = 2
    end
  end
  object DBGridEh1: TDBGridEh
    Left = 0
    Top = 52
    Width = 607
    Height = 211
    Align = alClient
    AllowedOperations = [alopUpdateEh]
    AllowedSelections = [gstRecordBookmarks, gstAll]
    AutoFitColWidths = True
    ColumnDefValues.DblClickNextVal = True
    ColumnDefValues.Title.EndEllipsis = True
    ColumnDefValues.Title.TitleButton = True
    ColumnDefValues.Title.ToolTips = True
    DataSource = DSPuc
    EditActions = [geaCopyEh, geaSelectAllEh]
    Flat = True
    OddRowColor = clSilver
    Options = [dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgConfirmDelete, dgCancelOnExit, dgMultiSelect]
    OptionsEh = [dghFixed3D, dghHighlightFocus, dghAutoSortMarking, dghMultiSortMarking, dghIncSearch, dghRowHighlight]
    PopupMenu = PopupMenu1
    ReadOnly = True
    SortLocal = True
    TabOrder = 1
    OnDrawColumnCell = DBGridEh1DrawColumnCell
    OnTitleClick = DBGridEh1TitleClick
    Columns = <
      item
        FieldName = 'PUC_COD'
        MaxWidth = 100
        MinWidth = 60
        Width = 60
      end
      item
        EndEllipsis = True
        FieldName = 'PUC_NOM'
        ToolTips = True
      end
      item
        Checkboxes = True
        FieldName = 'PUC_TERC'
        KeyList.Strings = (
          'S'
          'N')
        MaxWidth = 40
        MinWidth = 36
        Width = 38
      end
      item
        Checkboxes = True
        FieldName = 'PUC_RETEN'
        KeyList.Strings = (
          'S'
          'N')
        MaxWidth = 40
        MinWidth = 36
        Width = 38
      end
      item
        FieldName = 'PUC_CTAAJUS'
        MaxWidth = 100
        MinWidth = 60
        Width = 60
      end
      item
        FieldName = 'PUC_AJDB'
        MaxWidth = 40
        MinWidth = 40
        Width = 40
      end
      item
        FieldName = 'PUC_CTACORR'
        MaxWidth = 100
        MinWidth = 60
        Width = 60
      end>
  end
  object DBNavigator1: TDBNavigator
    Left = 0
    Top = 263
    Width = 607
    Height = 25
    Align = alBottom
    DataSource = DSPuc
    VisibleButtons = [nbFirst, nbPrior, nbNext, nbLast, nbRefresh]
    TabOrder = 2
  end
  object Panel2: TPanel
    Left = 0
    Top = 288
    Width = 607
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    Caption = ''
    ParentColor = True
    TabOrder = 3
    object SBSelec: TSpeedButton
      Left = 4
      Top = 6
      Width = 120
      Height = 28
      Caption = 'Enter:Seleccionar'
      Flat = True
      OnClick = SBSelecClick
    end
    object SpeedButton1: TSpeedButton
      Left = 128
      Top = 6
      Width = 132
      Height = 28
      Caption = 'Crear Seleccionadas'
      Flat = True
      OnClick = SpeedButton1Click
    end
    object SpeedButton2: TSpeedButton
      Left = 264
      Top = 6
      Width = 96
      Height = 28
      Caption = 'Esc: Salir'
      Flat = True
      OnClick = SpeedButton2Click
    end
  end
  object PPuc: TDataSetProvider
    Options = [poAllowCommandText]
  end
  object CPuc: TClientDataSet
    ProviderName = 'PPuc'
    object CPucTIPU_COD: TIntegerField
      FieldName = 'TIPU_COD'
      Required = True
    end
    object CPucPUC_COD: TStringField
      DisplayLabel = 'C'#243'digo'
      FieldName = 'PUC_COD'
      Required = True
    end
    object CPucPUC_NOM: TStringField
      DisplayLabel = 'Nombre de la cuenta'
      FieldName = 'PUC_NOM'
      Required = True
      Size = 60
    end
    object CPucPUC_TERC: TStringField
      DisplayLabel = 'Terc'
      FieldName = 'PUC_TERC'
      Size = 1
    end
    object CPucPUC_RETEN: TStringField
      DisplayLabel = 'Reten'
      FieldName = 'PUC_RETEN'
      Size = 1
    end
    object CPucPUC_CTAAJUS: TStringField
      DisplayLabel = 'Cta.Ajuste'
      FieldName = 'PUC_CTAAJUS'
    end
    object CPucPUC_CTACORR: TStringField
      DisplayLabel = 'Cta.Correc'
      FieldName = 'PUC_CTACORR'
    end
    object CPucPUC_AJDB: TStringField
      DisplayLabel = 'Aj. D/C'
      FieldName = 'PUC_AJDB'
      Size = 1
    end
  end
  object DSPuc: TDataSource
    DataSet = CPuc
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
    Filter = 'Text files (*.txt)|*.TXT|Comma separated values (*.csv)|*.CSV|HTML file (*.htm)|*.HTM|Rich Text Format (*.rtf)|*.RTF|Microsoft Excel Workbook (*.xls)|*.XLS'
  end
  object PrintDBGridEh1: TPrintDBGridEh
    DBGridEh = DBGridEh1
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
      696E64345C7563315C706172645C71635C625C66305C6673323820506C616E20
      5C2764616E69636F206465204375656E7461735C62305C667332305C7061725C
      706172645C71722046656368613A20255B546F6461795D5C7061727D00}
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
