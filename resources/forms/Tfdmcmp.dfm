object fdmcmp: Tfdmcmp
  object QInterfaces: TSQLQuery
  end
  object PInterfaces: TDataSetProvider
  end
  object CInterfaces: TClientDataSet
  end
  object DInterfaces: TDataSource
  end
  object SContacmp: TSQLQuery
  end
  object PContacmp: TDataSetProvider
  end
  object CContacmp: TClientDataSet
  end
  object TFactcomp: TSQLQuery
  end
  object DFactcomp: TDataSource
  end
  object TFactcompdet: TSQLQuery
  end
  object SPIdFactcomp: TSQLStoredProc
  end
  object TRemiprov: TSQLQuery
  end
  object DRemiprov: TDataSource
  end
  object TRemiprovdet: TSQLQuery
  end
  object SPIdRemiprov: TSQLStoredProc
  end
  object TOrdencomp: TSQLQuery
  end
  object DOrdencomp: TDataSource
  end
  object TOrdencompdet: TSQLQuery
  end
  object SPIdOrdencomp: TSQLStoredProc
  end
  object TDevolprov: TSQLQuery
  end
  object DDevolprov: TDataSource
  end
  object TDevolprovdet: TSQLQuery
  end
  object SPIdDevolprov: TSQLStoredProc
  end
  object TCoticomp: TSQLQuery
  end
  object DCoticomp: TDataSource
  end
  object TCoticompdet: TSQLQuery
  end
  object SPIdCoticomp: TSQLStoredProc
  end
  object Csugerido: TClientDataSet
  end
end
