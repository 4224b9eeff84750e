object fdmInv: TfdmInv
  object QInterfaz: TSQLQuery
  end
  object PInterfaces: TDataSetProvider
  end
  object CInterfaces: TClientDataSet
  end
  object DInterfaces: TDataSource
  end
  object SContainv: TSQLQuery
  end
  object PContainv: TDataSetProvider
  end
  object CContainv: TClientDataSet
  end
end
