object fdmfact: Tfdmfact
  object QNrocopia: TSQLQuery
  end
  object QInterfaces: TSQLQuery
  end
  object PInterfaces: TDataSetProvider
  end
  object CInterfaces: TClientDataSet
  end
  object DInterfaces: TDataSource
  end
  object QContafactura: TSQLQuery
  end
  object PContafactura: TDataSetProvider
  end
  object CContafactura: TClientDataSet
  end
end
