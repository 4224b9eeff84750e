object fdmArt: TfdmArt
  object Compania2: TSQLConnection
  end
  object QExistencia2: TSQLQuery
  end
  object Query2: TSQLQuery
  end
  object PCompania2: TDataSetProvider
  end
  object CCompania2: TClientDataSet
  end
  object TListprecios: TSQLTable
  end
  object QArticulos: TSQLQuery
  end
  object TArticulo: TSQLQuery
  end
  object QValarticulo: TSQLQuery
  end
  object PValarticulo: TDataSetProvider
  end
  object CValarticulo: TClientDataSet
  end
  object QArticulo: TSQLQuery
  end
  object PArticulo: TDataSetProvider
  end
  object CArticulo: TClientDataSet
  end
  object QArticuloUnidad: TSQLQuery
  end
  object PArticuloUnidad: TDataSetProvider
  end
  object CArticuloUnidad: TClientDataSet
  end
  object QLotes: TSQLQuery
  end
  object PLotes: TDataSetProvider
  end
  object CLotes: TClientDataSet
  end
  object QListapre: TSQLQuery
  end
  object PListapre: TDataSetProvider
  end
  object CListapre: TClientDataSet
  end
  object QSeleclote: TSQLQuery
  end
  object PSeleclote: TDataSetProvider
  end
  object CSeleclote: TClientDataSet
  end
  object QMaxlote: TSQLQuery
  end
  object PMaxlote: TDataSetProvider
  end
  object CMaxlote: TClientDataSet
  end
  object QSaldolote: TSQLQuery
  end
  object PSaldolote: TDataSetProvider
  end
  object CSaldolote: TClientDataSet
  end
  object QFactor: TSQLQuery
  end
  object PFactor: TDataSetProvider
  end
  object CFactor: TClientDataSet
  end
  object QValexistencia: TSQLQuery
  end
  object PValexistencia: TDataSetProvider
  end
  object CValexistencia: TClientDataSet
  end
  object QMinimo: TSQLQuery
  end
  object PMinimo: TDataSetProvider
  end
  object CMinimo: TClientDataSet
  end
  object QMovarti: TSQLQuery
  end
  object PMovarti: TDataSetProvider
  end
  object CMovarti: TClientDataSet
  end
  object QUltcosto: TSQLQuery
  end
  object PUltcosto: TDataSetProvider
  end
  object CUltcosto: TClientDataSet
  end
  object QCostoprom: TSQLQuery
  end
  object PCostoprom: TDataSetProvider
  end
  object CCostoprom: TClientDataSet
  end
  object QUltimoc: TSQLQuery
  end
  object PUltimoc: TDataSetProvider
  end
  object CUltimoc: TClientDataSet
  end
  object QPrecioart: TSQLQuery
  end
  object PPrecioart: TDataSetProvider
  end
  object CPrecioart: TClientDataSet
  end
  object QListahoy: TSQLQuery
  end
  object PListahoy: TDataSetProvider
  end
  object CListahoy: TClientDataSet
  end
  object QAlerta: TSQLQuery
  end
  object PAlerta: TDataSetProvider
  end
  object CAlerta: TClientDataSet
  end
  object QPesoart: TSQLQuery
  end
  object PPesoart: TDataSetProvider
  end
  object CPesoart: TClientDataSet
  end
  object QStand: TSQLQuery
  end
  object PStand: TDataSetProvider
  end
  object CStand: TClientDataSet
  end
  object QRef: TSQLQuery
  end
  object PRef: TDataSetProvider
  end
  object CRef: TClientDataSet
  end
end
