object fprincipal: Tfprincipal
  Left = 0
  Top = 0
  Width = 1024
  Height = 768
  Caption = 'Tallyvo POS 2009'
  FormStyle = fsMDIForm
  WindowState = wsMaximized
  OnActivate = FormActivate
  OnClose = FormClose
  OnCreate = FormCreate
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 1016
    Height = 41
    Align = alTop
    Caption = ''
    TabOrder = 0
    object Label1: TLabel
      Left = 8
      Top = 13
      Caption = 'Compañia:'
    end
    object Label2: TLabel
      Left = 392
      Top = 13
      Caption = 'Usuario:'
    end
    object ECompania: TEdit
      Left = 72
      Top = 9
      Width = 305
      Height = 21
      ReadOnly = True
      TabStop = False
      TabOrder = 0
    end
    object EUsuario: TEdit
      Left = 448
      Top = 9
      Width = 241
      Height = 21
      Enabled = False
      ReadOnly = True
      TabStop = False
      TabOrder = 1
    end
    object Image1: TImagen
      Left = 896
      Top = 4
      Width = 113
      Height = 33
      Stretch = True
    end
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 722
    Width = 1016
    Height = 19
    Panels = <
      item
        Text = 'Mensaje:'
        Width = 600
      end
      item
        Alignment = taRightJustify
        Text = 'Fecha y hora:'
        Width = 200
      end>
  end
  object Timer2: TTimer
    Enabled = False
    Interval = 2500
    OnTimer = Timer2Timer
  end
end
