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
  object TFactura: TSQLQuery
  end
  object DFactura: TDataSource
  end
  object TFactdetalle: TSQLQuery
  end
  object SPIdFactura: TSQLStoredProc
  end
  object TRemision: TSQLQuery
  end
  object DRemision: TDataSource
  end
  object TRemidetalle: TSQLQuery
  end
  object SPIdRemision: TSQLStoredProc
  end
  object TPedido: TSQLQuery
  end
  object DPedido: TDataSource
  end
  object TPedidetalle: TSQLQuery
  end
  object SPIdPedido: TSQLStoredProc
  end
  object TCotizacion: TSQLQuery
  end
  object DCotizacion: TDataSource
  end
  object TCotidetalle: TSQLQuery
  end
  object SPIdCotizacion: TSQLStoredProc
  end
  object TDevolucion: TSQLQuery
  end
  object DDevolucion: TDataSource
  end
  object TDevodetalle: TSQLQuery
  end
  object TDevodocrela: TSQLQuery
  end
  object SPIdDevolucion: TSQLStoredProc
  end
  object TFactcont: TSQLQuery
  end
  object DFactcont: TDataSource
  end
  object TFactcontdet: TSQLQuery
  end
  object TFactcontpago: TSQLQuery
  end
  object SPIdFactcont: TSQLStoredProc
  end
  object TFactConc: TSQLQuery
  end
  object DFactConc: TDataSource
  end
  object TFactconcdet: TSQLQuery
  end
  object SPIdFactConc: TSQLStoredProc
  end
  object TConcperiod: TSQLQuery
  end
  object DConcperiod: TDataSource
  end
  object TConcperdet: TSQLQuery
  end
  object TRutero: TSQLQuery
  end
  object DRutero: TDataSource
  end
  object TRutedetalle: TSQLQuery
  end
  object SPIdRutero: TSQLStoredProc
  end
  object SCambioprecios: TSQLStoredProc
  end
  object SCopialista: TSQLStoredProc
  end
  object SFormulaprecios: TSQLStoredProc
  end
  object SFacturarconceptos: TSQLStoredProc
  end
  object TAutorizaciones: TSQLQuery
  end
  object TPresupuesto: TSQLQuery
  end
  object THistorico: TSQLQuery
  end
  object TTrasportadores: TSQLQuery
  end
  object TPuntoequilibrio: TSQLQuery
  end
  object TRutas: TSQLQuery
  end
end
