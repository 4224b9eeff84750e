object fdmter: Tfdmter
  object QExisteterc: TSQLQuery
  end
  object PExisteterc: TDataSetProvider
  end
  object CExisteterc: TClientDataSet
  end
  object QTerceros: TSQLQuery
  end
  object PTerceros: TDataSetProvider
  end
  object CTerceros: TClientDataSet
  end
  object QValcliente: TSQLQuery
  end
  object PValcliente: TDataSetProvider
  end
  object CValcliente: TClientDataSet
  end
  object QPrecprov: TSQLQuery
  end
  object PPrecprov: TDataSetProvider
  end
  object CPrecprov: TClientDataSet
  end
  object QCartera: TSQLQuery
  end
  object PCartera: TDataSetProvider
  end
  object CCartera: TClientDataSet
  end
  object QTercero: TSQLQuery
  end
  object PTercero: TDataSetProvider
  end
  object CTercero: TClientDataSet
  end
  object QValidtercero: TSQLQuery
  end
  object PValidtercero: TDataSetProvider
  end
  object CValidtercero: TClientDataSet
  end
  object Qvalideretenciones: TSQLQuery
  end
  object Pvalideretenciones: TDataSetProvider
  end
  object Cvalideretenciones: TClientDataSet
  end
  object QCliente: TSQLQuery
  end
  object PCliente: TDataSetProvider
  end
  object CCliente: TClientDataSet
  end
  object QClientes: TSQLQuery
  end
  object PClientes: TDataSetProvider
  end
  object CClientes: TClientDataSet
  end
  object QValideretencart: TSQLQuery
  end
  object PValideretencart: TDataSetProvider
  end
  object CValideretencart: TClientDataSet
  end
  object QTerceroa: TSQLQuery
  end
  object PTerceroa: TDataSetProvider
  end
  object CTerceroa: TClientDataSet
  end
end
