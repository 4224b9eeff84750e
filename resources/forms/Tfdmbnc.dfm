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
end
