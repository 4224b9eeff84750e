object fdmcar: Tfdmcar
  object QValidedoccar: TSQLQuery
  end
  object PValidedoccar: TDataSetProvider
  end
  object CValidedoccar: TClientDataSet
  end
  object QSaldodoc: TSQLQuery
  end
  object PSaldodoc: TDataSetProvider
  end
  object CSaldodoc: TClientDataSet
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
  object QContand: TSQLQuery
  end
  object PContand: TDataSetProvider
  end
  object CContand: TClientDataSet
  end
  object QContanc: TSQLQuery
  end
  object PContanc: TDataSetProvider
  end
  object CContanc: TClientDataSet
  end
  object QContaapl: TSQLQuery
  end
  object PContaapl: TDataSetProvider
  end
  object CContaapl: TClientDataSet
  end
  object TNotadbcl: TSQLQuery
  end
  object DNotadbcl: TDataSource
  end
  object SPIdNotadbcl: TSQLStoredProc
  end
  object TNotacrcl: TSQLQuery
  end
  object DNotacrcl: TDataSource
  end
  object SPIdNotacrcl: TSQLStoredProc
  end
  object TAnticlie: TSQLQuery
  end
  object DAnticlie: TDataSource
  end
  object SPIdAnticlie: TSQLStoredProc
  end
  object TAplicl: TSQLQuery
  end
  object DAplicl: TDataSource
  end
  object TApcldetalle: TSQLQuery
  end
  object SPIdAplicl: TSQLStoredProc
  end
  object SPIdPagoclie: TSQLStoredProc
  end
  object SImprpagoclie: TSQLStoredProc
  end
  object SImpraplicl: TSQLStoredProc
  end
  object SBuscaiddoc: TSQLStoredProc
  end
  object TGrupocartera: TSQLQuery
  end
  object TComisiones: TSQLQuery
  end
end
