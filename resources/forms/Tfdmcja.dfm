object fdmcja: Tfdmcja
  object QSaldoef: TSQLQuery
  end
  object PSaldoef: TDataSetProvider
  end
  object CSaldoef: TClientDataSet
  end
  object QDocencaja: TSQLQuery
  end
  object PDocencaja: TDataSetProvider
  end
  object CDocencaja: TClientDataSet
  end
  object QBorrar: TSQLQuery
  end
  object PBorrar: TDataSetProvider
  end
  object CBorrar: TClientDataSet
  end
  object QInterfaces: TSQLQuery
  end
  object PInterfaces: TDataSetProvider
  end
  object CInterfaces: TClientDataSet
  end
  object DInterfaces: TDataSource
  end
  object QContardc: TSQLQuery
  end
  object PContardc: TDataSetProvider
  end
  object CContardc: TClientDataSet
  end
  object QContaegr: TSQLQuery
  end
  object PContaegr: TDataSetProvider
  end
  object CContaegr: TClientDataSet
  end
  object QContacons: TSQLQuery
  end
  object PContacons: TDataSetProvider
  end
  object CContacons: TClientDataSet
  end
  object QContarprov: TSQLQuery
  end
  object PContarprov: TDataSetProvider
  end
  object CContarprov: TClientDataSet
  end
  object QContatrcj: TSQLQuery
  end
  object PContatrcj: TDataSetProvider
  end
  object CContatrcj: TClientDataSet
  end
  object QContacaja: TSQLQuery
  end
  object PContacaja: TDataSetProvider
  end
  object CContacaja: TClientDataSet
  end
  object TRecibo: TSQLQuery
  end
  object DRecibo: TDataSource
  end
  object TRecipago: TSQLQuery
  end
  object TRecidetalle: TSQLQuery
  end
  object TRecicrucec: TSQLQuery
  end
  object SPIdRecibo: TSQLStoredProc
  end
  object TEgreso: TSQLQuery
  end
  object DEgreso: TDataSource
  end
  object TEgredetalle: TSQLQuery
  end
  object TEgrecaja: TSQLQuery
  end
  object TEgreconta: TSQLQuery
  end
  object TEgrebanco: TSQLQuery
  end
  object TEgrecrucec: TSQLQuery
  end
  object SPIdEgreso: TSQLStoredProc
  end
  object TAnticlie: TSQLQuery
  end
  object DAnticlie: TDataSource
  end
  object SPIdAnticlie: TSQLStoredProc
  end
  object TAntiprov: TSQLQuery
  end
  object DAntiprov: TDataSource
  end
  object SPIdAntiprov: TSQLStoredProc
  end
  object TCambiodoc: TSQLQuery
  end
  object DCambiodoc: TDataSource
  end
  object TCambioent: TSQLQuery
  end
  object TCambiosal: TSQLQuery
  end
  object SPIdCambiodoc: TSQLStoredProc
  end
  object TReciprov: TSQLQuery
  end
  object DReciprov: TDataSource
  end
  object TReciprovdet: TSQLQuery
  end
  object TReciprovpago: TSQLQuery
  end
  object SPIdReciprov: TSQLStoredProc
  end
  object TTrascaja: TSQLQuery
  end
  object DTrascaja: TDataSource
  end
  object TTrascajadet: TSQLQuery
  end
  object SPIdTrascaja: TSQLStoredProc
  end
  object TConsignatar: TSQLQuery
  end
  object DConsignatar: TDataSource
  end
  object TConsignatardet: TSQLQuery
  end
  object SPIdConsignatar: TSQLStoredProc
  end
  object TConsolfp: TSQLQuery
  end
  object DConsolfp: TDataSource
  end
  object SPIdConsolfp: TSQLStoredProc
  end
  object TTarjetas: TSQLQuery
  end
  object TClaseegreso: TSQLQuery
  end
  object TCajas: TSQLQuery
  end
  object QConsolfp: TSQLQuery
  end
  object PConsolfp: TDataSetProvider
  end
  object CConsolfp: TClientDataSet
  end
end
