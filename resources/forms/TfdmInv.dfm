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
  object TEntrada: TSQLQuery
  end
  object DEntrada: TDataSource
  end
  object TEntdetalle: TSQLQuery
  end
  object SPIdEntrada: TSQLStoredProc
  end
  object TSalida: TSQLQuery
  end
  object DSalida: TDataSource
  end
  object TSaldetalle: TSQLQuery
  end
  object SPIdSalida: TSQLStoredProc
  end
  object TTraslado: TSQLQuery
  end
  object DTraslado: TDataSource
  end
  object TTrasdetalle: TSQLQuery
  end
  object SPIdTraslado: TSQLStoredProc
  end
  object TEnsamble: TSQLQuery
  end
  object DEnsamble: TDataSource
  end
  object TEnsdetalle: TSQLQuery
  end
  object SPIdEnsamble: TSQLStoredProc
  end
  object TDesensamble: TSQLQuery
  end
  object DDesensamble: TDataSource
  end
  object TDesdetalle: TSQLQuery
  end
  object SPIdDesensamble: TSQLStoredProc
  end
  object TAjuste: TSQLQuery
  end
  object DAjuste: TDataSource
  end
  object TAjudetalle: TSQLQuery
  end
  object SPIdAjuste: TSQLStoredProc
  end
  object TReserva: TSQLQuery
  end
  object DReserva: TDataSource
  end
  object TResdetalle: TSQLQuery
  end
  object SPIdReserva: TSQLStoredProc
  end
  object TOrdeninv: TSQLQuery
  end
  object DOrdeninv: TDataSource
  end
  object TOrdinvdetalle: TSQLQuery
  end
  object SPIdOrdeninv: TSQLStoredProc
  end
  object SActualicecosto: TSQLStoredProc
  end
  object TImportacion: TSQLQuery
  end
  object TMaquinas: TSQLQuery
  end
  object TOperarios: TSQLQuery
  end
end
