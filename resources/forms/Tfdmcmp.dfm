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
end
