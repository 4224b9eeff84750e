object SampleForm: TSampleForm
  Left = 0
  Top = 0
  Width = 640
  Height = 420
  Caption = 'Tallyvo POS 2009'
  Color = clBtnFace
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = 'Arial'
  Font.Style = []
  KeyPreview = True
  Menu = MainMenu1
  OldCreateOrder = False
  Position = poScreenCenter
  OnKeyDown = FormKeyDown
  PixelsPerInch = 96
  TextHeight = 16
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 632
    Height = 64
    Align = alTop
    BevelInner = bvLowered
    TabOrder = 0
    object Label1: TLabel
      Left = 16
      Top = 12
      Width = 70
      Height = 16
      Caption = 'Compañia:'
    end
    object Label2: TLabel
      Left = 16
      Top = 36
      Width = 60
      Height = 16
      Caption = 'Usuario:'
    end
    object NomCia: TLabel
      Left = 110
      Top = 10
      Width = 300
      Height = 22
      Caption = 'Distribuidora La Esperanza S.A.S.'
      Font.Color = clNavy
      Font.Height = -19
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object NomUsr: TLabel
      Left = 110
      Top = 36
      Width = 200
      Height = 16
      Caption = 'ADMINISTRADOR'
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 64
    Width = 632
    Height = 291
    Align = alClient
    BevelOuter = bvNone
    Caption = 'Pase el código de barras del artículo'
    Color = clWindow
    TabOrder = 1
    object BitBtn1: TBitBtn
      Left = 16
      Top = 232
      Width = 130
      Height = 36
      Anchors = [akLeft, akBottom]
      Caption = 'F2: Entrar'
      Default = True
      ModalResult = mrOk
      TabOrder = 0
    end
    object BitBtn2: TBitBtn
      Left = 160
      Top = 232
      Width = 130
      Height = 36
      Anchors = [akLeft, akBottom]
      Caption = 'Esc: Salir'
      Cancel = True
      TabOrder = 1
      OnClick = SalirClick
    end
    object BitBtn3: TBitBtn
      Left = 304
      Top = 232
      Width = 130
      Height = 36
      Anchors = [akLeft, akBottom]
      Caption = 'F9:Configura'
      Layout = blGlyphRight
      TabOrder = 2
    end
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 355
    Width = 632
    Height = 19
    Panels = <
      item
        Text = 'Mensaje:'
        Width = 420
      end
      item
        Alignment = taRightJustify
        Text = 'Fecha y hora: 2009/04/23 10:15'
        Width = 50
      end>
  end
  object MainMenu1: TMainMenu
    object Archivo1: TMenuItem
      Caption = '&Archivo'
      object Salir1: TMenuItem
        Caption = '&Salir'
        ShortCut = 32883
        OnClick = SalirClick
      end
    end
    object Articulos1: TMenuItem
      Caption = 'A&rtículos'
      object Buscar1: TMenuItem
        Caption = '&Buscar artículo'
      end
    end
    object Ventana1: TMenuItem
      Caption = '&Ventana'
    end
    object Ayuda1: TMenuItem
      Caption = 'A&yuda'
    end
  end
end
