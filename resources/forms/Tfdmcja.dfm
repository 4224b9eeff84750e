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
end
