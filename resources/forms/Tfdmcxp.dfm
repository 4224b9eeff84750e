object fdmcxp: Tfdmcxp
  object QValidedoccxp: TSQLQuery
  end
  object PValidedoccxp: TDataSetProvider
  end
  object CValidedoccxp: TClientDataSet
  end
  object QSaldodocx: TSQLQuery
  end
  object PSaldodocx: TDataSetProvider
  end
  object CSaldodocx: TClientDataSet
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
  object QContanotdb: TSQLQuery
  end
  object PContanotdb: TDataSetProvider
  end
  object CContanotdb: TClientDataSet
  end
  object QContanotcr: TSQLQuery
  end
  object PContanotcr: TDataSetProvider
  end
  object CContanotcr: TClientDataSet
  end
  object QContaaplica: TSQLQuery
  end
  object PContaaplica: TDataSetProvider
  end
  object CContaaplica: TClientDataSet
  end
  object TNotadbpr: TSQLQuery
  end
  object DNotadbpr: TDataSource
  end
  object SPIdNotadbpr: TSQLStoredProc
  end
  object TNotacrpr: TSQLQuery
  end
  object DNotacrpr: TDataSource
  end
  object SPIdNotacrpr: TSQLStoredProc
  end
  object TAntiprov: TSQLQuery
  end
  object DAntiprov: TDataSource
  end
  object TApliprov: TSQLQuery
  end
  object DApliprov: TDataSource
  end
  object TApprdetalle: TSQLQuery
  end
  object SPIdApliprov: TSQLStoredProc
  end
  object SContanotacr: TSQLStoredProc
  end
end
