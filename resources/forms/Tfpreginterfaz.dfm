object fpreginterfaz: Tfpreginterfaz
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Interfaz contable'
  ClientHeight = 145
  ClientWidth = 265
  Font.Name = 'MS Sans Serif'
  KeyPreview = True
  Position = poMainFormCenter
  OnClose = FormClose
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object Panel1: TPanel
    Left = 0
    Top = 91
    Width = 265
    Height = 54
    Align = alBottom
    BevelInner = bvRaised
    BevelOuter = bvLowered
    Caption = ''
    TabOrder = 1
    object BitBtn1: TBitBtn
      Left = 2
      Top = 2
      Width = 65
      Height = 50
      Caption = 'F2:Grabar'
      Font.Name = 'Arial Narrow'
      Layout = blGlyphTop
      ModalResult = 1
      ParentFont = False
      TabOrder = 0
    end
    object BitBtn2: TBitBtn
      Left = 67
      Top = 2
      Width = 65
      Height = 50
      Caption = 'Esc:Cancelar'
      Font.Name = 'Arial Narrow'
      Layout = blGlyphTop
      ModalResult = 2
      ParentFont = False
      TabOrder = 1
    end
  end
  object DBGridEh1: TDBGridEh
    Left = 0
    Top = 0
    Width = 265
    Height = 91
    Align = alClient
    AutoFitColWidths = True
    ColumnDefValues.Title.EndEllipsis = True
    ColumnDefValues.Title.TitleButton = True
    ColumnDefValues.Title.ToolTips = True
    Flat = True
    OddRowColor = clSilver
    OptionsEh = [dghFixed3D, dghHighlightFocus, dghClearSelection, dghAutoSortMarking, dghMultiSortMarking]
    SortLocal = True
    TabOrder = 0
    OnDblClick = DBGridEh1DblClick
    OnDrawColumnCell = DBGridEh1DrawColumnCell
    Columns = <
      item
        FieldName = 'NOMBRE'
        MinWidth = 100
        Title.Caption = 'Interfaz a aplicar'
        Width = 100
      end>
  end
  object sSkinProvider1: TsSkinProvider
    ScreenSnap = True
    SkinData.SkinSection = 'FORM'
  end
end
