object fdm: Tfdm
  OnCreate = DataModuleCreate
  object Tallyvo: TSQLConnection
  end
  object ConGeneral: TSQLConnection
  end
  object ConReplica: TSQLConnection
  end
  object QConfiguracion: TSQLQuery
  end
  object PConfiguracion: TDataSetProvider
  end
  object CConfiguracion: TClientDataSet
  end
  object QBorrar: TSQLQuery
  end
  object PBorrar: TDataSetProvider
  end
  object CBorrar: TClientDataSet
  end
  object TNomcampos: TSQLQuery
  end
  object PNomcampos: TDataSetProvider
  end
  object CNomcampos: TClientDataSet
  end
  object QValiduser: TSQLQuery
  end
  object QAcceso: TSQLQuery
  end
  object PAcceso: TDataSetProvider
  end
  object CAcceso: TClientDataSet
  end
  object QAccesous: TSQLQuery
  end
  object PAccesous: TDataSetProvider
  end
  object CAccesous: TClientDataSet
  end
  object TUsracceso: TSQLQuery
  end
  object TCompania: TSQLQuery
  end
  object Pcompania: TDataSetProvider
  end
  object CCompania: TClientDataSet
  end
  object DCompania: TDataSource
  end
  object TAgencia: TSQLQuery
  end
  object PAgencia: TDataSetProvider
  end
  object CAgencia: TClientDataSet
  end
  object TTipodoc: TSQLQuery
  end
  object DTipodoc: TDataSource
  end
  object TPrefijo: TSQLQuery
  end
  object QNomtipo: TSQLQuery
  end
  object QNumerodoc: TSQLQuery
  end
  object QValida: TSQLQuery
  end
  object TTipocomp: TSQLQuery
  end
  object DTipocomp: TDataSource
  end
  object TPrefconta: TSQLQuery
  end
  object QPrefijos: TSQLQuery
  end
  object TCuentas: TSQLQuery
  end
  object PCuentaconta: TDataSetProvider
  end
  object CCuentaconta: TClientDataSet
  end
  object QNomcuenta: TSQLQuery
  end
  object TProyectos: TSQLQuery
  end
  object DProyectos: TDataSource
  end
  object TCentros: TSQLQuery
  end
  object QValcentro: TSQLQuery
  end
  object PValcentro: TDataSetProvider
  end
  object CValcentro: TClientDataSet
  end
  object QValtercero: TSQLQuery
  end
  object PValtercero: TDataSetProvider
  end
  object CValtercero: TClientDataSet
  end
  object QContabiliza: TSQLQuery
  end
  object DContabiliza: TDataSource
  end
  object QContabdetalle: TSQLQuery
  end
  object Tformatos: TSQLQuery
  end
  object DFormatos: TDataSource
  end
  object Tformadatos: TSQLQuery
  end
  object Tformalineas: TSQLQuery
  end
  object QFormatos: TSQLQuery
  end
  object QImprdoc: TSQLQuery
  end
  object QDocrela: TSQLQuery
  end
  object PDocrela: TDataSetProvider
  end
  object CDocrela: TClientDataSet
  end
  object Qdocrelaitem: TSQLQuery
  end
  object PDocrelaitem: TDataSetProvider
  end
  object CDocrelaitem: TClientDataSet
  end
  object TConsolidef: TSQLQuery
  end
  object PConsolide: TDataSetProvider
  end
  object CConsolide: TClientDataSet
  end
  object QConsolidado: TSQLQuery
  end
  object PConsolidado: TDataSetProvider
  end
  object CConsolidado: TClientDataSet
  end
  object TReplica: TSQLQuery
  end
  object PReplica: TDataSetProvider
  end
  object CReplica: TClientDataSet
  end
  object QReplica: TSQLQuery
  end
  object PReplicas: TDataSetProvider
  end
  object CReplicas: TClientDataSet
  end
  object TReplarticulo: TSQLQuery
  end
  object PReplarticulo: TDataSetProvider
  end
  object CReplarticulo: TClientDataSet
  end
  object QReplarticulo: TSQLQuery
  end
  object QborraReplica: TSQLQuery
  end
  object TEntreplica: TSQLQuery
  end
  object DEntreplica: TDataSource
  end
  object TEntdetreplica: TSQLQuery
  end
  object QPrefrep: TSQLQuery
  end
  object QBodrep: TSQLQuery
  end
  object TPtosventa: TSQLQuery
  end
  object TFormapago: TSQLQuery
  end
  object TCaja: TSQLQuery
  end
  object TCuentabco: TSQLQuery
  end
  object TConfigpos: TSQLQuery
  end
  object TAsesores: TSQLQuery
  end
  object TSubEmpresa: TSQLQuery
  end
  object TTasacambio: TSQLQuery
  end
  object TMoneda: TSQLQuery
  end
  object TPrograma: TSQLQuery
  end
  object DPrograma: TDataSource
  end
  object TModulo: TSQLQuery
  end
  object DModulo: TDataSource
  end
  object TOpcion: TSQLQuery
  end
  object TSoporte: TSQLQuery
  end
  object QInterfaces: TSQLQuery
  end
  object QPuc: TSQLQuery
  end
  object QCuentas: TSQLQuery
  end
  object SCreectapuc: TSQLStoredProc
  end
  object SPCtaPadre: TSQLStoredProc
  end
  object SAfectable: TSQLStoredProc
  end
  object SContapend: TSQLStoredProc
  end
  object SIdinterfaz: TSQLStoredProc
  end
  object Smueveformato: TSQLStoredProc
  end
  object SConsolidedoc: TSQLStoredProc
  end
  object IdConsolide: TSQLStoredProc
  end
  object SCambiaprecReplic: TSQLStoredProc
  end
  object SCopyListReplic: TSQLStoredProc
  end
  object SFormprecRep: TSQLStoredProc
  end
  object SPIdEntreplica: TSQLStoredProc
  end
  object sSkinManager1: TsSkinManager
    AnimEffects.FormShow.Active = False
    AnimEffects.FormShow.Time = 200
    AnimEffects.PageChange.Active = False
    AnimEffects.SkinChanging.Active = False
    AnimEffects.SkinChanging.Time = 200
    Active = False
    MenuSupport.IcoLineSkin = 'ICOLINE'
    MenuSupport.ExtraLineFont.Charset = 1
    MenuSupport.ExtraLineFont.Color = clWindowText
    MenuSupport.ExtraLineFont.Height = -11
    MenuSupport.ExtraLineFont.Name = 'MS Sans Serif'
    MenuSupport.ExtraLineFont.Style = []
    SkinDirectory = '..\Skins'
    SkinName = 'Sereno'
    SkinInfo = '5'
  end
end
