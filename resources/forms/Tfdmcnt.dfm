object fdmcnt: Tfdmcnt
  OnCreate = DataModuleCreate
  object QCuentas: TSQLQuery
  end
  object PCuentas: TDataSetProvider
  end
  object CCuentas: TClientDataSet
  end
  object QValidcuenta: TSQLQuery
  end
  object PValidcuenta: TDataSetProvider
  end
  object CValidcuenta: TClientDataSet
  end
  object QValidcentro: TSQLQuery
  end
  object PValidcentro: TDataSetProvider
  end
  object CValidcentro: TClientDataSet
  end
  object QActivo: TSQLQuery
  end
  object PActivo: TDataSetProvider
  end
  object CActivo: TClientDataSet
  end
  object QUsuarios: TSQLQuery
  end
  object QValida: TSQLQuery
  end
  object TComprobantes: TSQLQuery
  end
  object DComprobantes: TDataSource
  end
  object TComprDetalle: TSQLQuery
  end
  object SIdComproba: TSQLStoredProc
  end
  object TEstructura: TSQLQuery
  end
  object TUsuarios: TSQLQuery
  end
  object DSUsuarios: TDataSource
    DataSet = TUsuarios
  end
  object TPlantilla: TSQLQuery
  end
  object DPlantilla: TDataSource
    DataSet = TPlantilla
  end
  object TPlantilladetalle: TSQLQuery
  end
  object TAjustesinf: TSQLQuery
  end
  object TCierterc: TSQLQuery
  end
  object TCieranual: TSQLQuery
  end
  object TImportacion: TSQLQuery
  end
  object TConceptoconta: TSQLQuery
  end
  object TPresupuesto: TSQLQuery
  end
  object TCambiosit: TSQLQuery
  end
  object TFlujoefe: TSQLQuery
  end
  object TCtasexport: TSQLQuery
  end
  object TPrefexport: TSQLQuery
  end
  object Tbuscconc: TSQLQuery
  end
  object TFtomediosm: TSQLQuery
  end
  object SIdPlantilla: TSQLStoredProc
  end
  object SIdajusteinf: TSQLStoredProc
  end
  object SIdcierreanual: TSQLStoredProc
  end
  object Sidciertercero: TSQLStoredProc
  end
  object SSaldocta: TSQLStoredProc
  end
  object SInsertasaldoini: TSQLStoredProc
  end
  object SMM: TSQLStoredProc
  end
end
