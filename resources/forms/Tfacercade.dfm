object facercade: Tfacercade
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Acerca de'
  ClientHeight = 178
  ClientWidth = 288
  OnClose = FormClose
  OnCreate = FormCreate
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 288
    Height = 178
    Align = alClient
    Caption = ''
    TabOrder = 0
    object Label1: TLabel
      Left = 16
      Top = 40
      Width = 256
      Height = 40
      Alignment = taCenter
      AutoSize = False
      Caption = 'Sistema Integrado Administrativo y Contable'
      WordWrap = True
    end
    object Label2: TLabel
      Left = 104
      Top = 96
      Caption = 'Versión  2003'
    end
  end
end
