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
end
