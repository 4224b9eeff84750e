object fdmbnc: Tfdmbnc
  object qborrar: TSQLQuery
  end
  object PBorrar: TDataSetProvider
  end
  object CBorrar: TClientDataSet
  end
  object QValida: TSQLQuery
  end
  object QInterfaces: TSQLQuery
  end
  object PInterfaces: TDataSetProvider
  end
  object CInterfaces: TClientDataSet
  end
  object DInterfaces: TDataSource
  end
  object SContaBanco: TSQLQuery
  end
  object PContabanco: TDataSetProvider
  end
  object Ccontabanco: TClientDataSet
  end
  object TConsigna: TSQLQuery
  end
  object DConsigna: TDataSource
  end
  object TConsdetalle: TSQLQuery
  end
  object SPIdConsigna: TSQLStoredProc
  end
  object TCheque: TSQLQuery
  end
  object DCheque: TDataSource
  end
  object SPIdCheque: TSQLStoredProc
  end
  object TRetiro: TSQLQuery
  end
  object DRetiro: TDataSource
  end
  object SPIdRetiro: TSQLStoredProc
  end
  object TNotadb: TSQLQuery
  end
  object DNotadb: TDataSource
  end
  object SPIdNotadb: TSQLStoredProc
  end
  object TNotacr: TSQLQuery
  end
  object DNotacr: TDataSource
  end
  object SPIdNotacr: TSQLStoredProc
  end
  object TTraslado: TSQLQuery
  end
  object DTraslado: TDataSource
  end
  object SPIdTraslado: TSQLStoredProc
  end
  object TDevcheque: TSQLQuery
  end
  object DDevcheque: TDataSource
  end
  object SPIdDevcheque: TSQLStoredProc
  end
  object TConciliacion: TSQLQuery
  end
  object DConciliacion: TDataSource
  end
  object TConcilbanco: TSQLQuery
  end
  object SPIdConciliacion: TSQLStoredProc
  end
  object SPIdCuentabanco: TSQLStoredProc
  end
  object SContaretiro: TSQLStoredProc
  end
  object SContatrascuenta: TSQLStoredProc
  end
  object SConciliabanco: TSQLStoredProc
  end
  object TBancos: TSQLQuery
  end
  object TTipodoc: TSQLQuery
  end
  object DTipodoc: TDataSource
    DataSet = TTipodoc
  end
  object TPrefbancos: TSQLQuery
  end
  object TOperaciones: TSQLQuery
  end
  object TCuentasbanco: TSQLQuery
  end
end
