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
