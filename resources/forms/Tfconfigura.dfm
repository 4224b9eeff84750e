object fconfigura: Tfconfigura
  Left = 0
  Top = 0
  Width = 213
  Height = 110
  BorderStyle = bsDialog
  Caption = 'Configuración'
  KeyPreview = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 205
    Height = 83
    Align = alClient
    Caption = ''
    TabOrder = 0
    object SpeedButton1: TBitBtn
      Left = 8
      Top = 24
      Width = 90
      Height = 33
      Caption = 'F4: Monedero'
      TabOrder = 0
      OnClick = SpeedButton1Click
    end
    object SpeedButton2: TBitBtn
      Left = 104
      Top = 24
      Width = 90
      Height = 33
      Caption = 'F7: Balanza'
      TabOrder = 1
      OnClick = SpeedButton2Click
    end
  end
  object ComPort1: TComPort
    BaudRate = br9600
    Port = 'COM1'
    Parity.Bits = prNone
    StopBits = sbOneStopBit
    DataBits = dbEight
    Events = [evRxChar, evTxEmpty, evRxFlag, evRing, evBreak, evCTS, evDSR, evError, evRLSD, evRx80Full]
    FlowControl.OutCTSFlow = False
    FlowControl.OutDSRFlow = False
    FlowControl.ControlDTR = dtrDisable
    FlowControl.ControlRTS = rtsDisable
    FlowControl.XonXoffOut = False
    FlowControl.XonXoffIn = False
  end
end
